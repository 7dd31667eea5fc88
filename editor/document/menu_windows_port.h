#pragma once
// The menu windows as the file commands and the main window need them: opening one for a
// file or a new menu, the open ones in the order they were created, closing one.
#include <string>
#include <vector>

#include "editor/document/menu_document.h"

namespace pemo::editor {

class MenuWindowsPort {
 public:
  virtual ~MenuWindowsPort() = default;
  // Creates a menu window, gives it filePath ("" for a new menu) and untitledCaption and shows
  // it; its load reads the file or makes the new menu's work file and makes it the
  // active window. The window's document, or nullptr when no window could be made.
  virtual MenuDocument* openMenuWindow(const std::string& filePath, const std::string& untitledCaption) = 0;
  // The documents of the open menu windows, in the order the windows were created.
  virtual std::vector<MenuDocument*> documents() = 0;
  // Closes the document's window through its unload, with its save prompt. False when
  // the window stays open.
  virtual bool closeMenuWindow(MenuDocument& document) = 0;
  // Raises the document's window and makes it the active menu window now, as its
  // activation would: with no window manager nothing else activates a window.
  virtual void bringToFront(MenuDocument& document) = 0;
};

// What a menu window shows of its document changes: the editing commands tell the window
// through this port, so that it redraws only what changed.
class MenuViewPort {
 public:
  virtual ~MenuViewPort() = default;
  // Shows a new object where the document stacks it.
  virtual void objectAdded(ObjectRef object) = 0;
  // Shows the objects of one paste, in the order given.
  virtual void objectsAdded(const std::vector<ObjectRef>& objects) {
    for (ObjectRef object : objects) objectAdded(object);
  }
  virtual void objectChanged(ObjectRef object) = 0;
  virtual void objectRemoved(ObjectRef object) = 0;
  // The menu's own attributes (caption, back colour, tiling image) changed.
  virtual void menuAttributesChanged() = 0;
};

}  // namespace pemo::editor
