#pragma once
// The menu windows that are open, as the property window looks them up and tells them
// what its rows changed in their documents.
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
  // The document's window shows what changed: an object, the menu's own attributes, or
  // the places of the selected objects, whose marks then follow.
  virtual void showObjectChanged(MenuDocument& document, ObjectRef object) {}
  virtual void showMenuChanged(MenuDocument& document) {}
  virtual void showSelectionMoved(MenuDocument& document) {}
};

}  // namespace pemo::editor::property
