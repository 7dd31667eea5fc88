#pragma once
// The menu windows that are open, as the property window looks them up.
#include <cstdint>
#include <vector>

#include "editor/document/menu_document.h"

namespace pemo::editor::property {

struct OpenMenuWindow {
  std::uint32_t handle = 0;
  MenuDocument* document = nullptr;
};

class MenuWindowDirectory {
 public:
  virtual ~MenuWindowDirectory() = default;
  // Every open menu window, in the order they were opened.
  virtual std::vector<OpenMenuWindow> openMenuWindows() = 0;
};

}  // namespace pemo::editor::property
