#pragma once
// The dialogs behind the grid's "..." button. Each answers nullopt when the user cancels.
#include <cstdint>
#include <optional>
#include <string>

#include "editor/document/menu_object.h"

namespace pemo::editor::property {

class PropertyDialogs {
 public:
  virtual ~PropertyDialogs() = default;
  // A colour (BGR), the dialog starting from `start` (the row's colour) when there is one.
  // OK with the start colour unchanged answers `start` itself, a system colour included.
  virtual std::optional<std::uint32_t> chooseColour(std::optional<std::uint32_t> start) = 0;
  virtual std::optional<FontChoice> chooseFont(const FontChoice& start) = 0;
  // An existing file, as a Windows path. The filter is pairs of description and
  // patterns, all separated by "|".
  virtual std::optional<std::string> chooseFile(const std::string& title, const std::string& filter) = 0;
};

}  // namespace pemo::editor::property
