#pragma once
// The commands on the objects of the active menu window: adding, deleting, and the object
// clipboard's copy, cut and paste. Plain logic on the documents; each menu window follows
// through its view and its editing surface.
#include "editor/document/editor_state.h"
#include "editor/workspace/editing_surface.h"
#include "editor/workspace/workspace_ports.h"

namespace pemo::editor {

// The menu windows as the object commands need them: the window of a document, its
// view and its editing surface; null when the document has no window.
class ObjectWindowsPort {
 public:
  virtual ~ObjectWindowsPort() = default;
  virtual MenuViewPort* viewOf(MenuDocument& document) = 0;
  virtual EditingSurface* surfaceOf(MenuDocument& document) = 0;
};

class ObjectCommands : public ObjectCommandsPort {
 public:
  ObjectCommands(EditorState& state, ObjectWindowsPort& windows) : state_(state), windows_(windows) {}

  // A new object of the kind at the top-left corner of the page, or of the active frame;
  // it becomes the active object. Nothing when the kind has no index left.
  void addObject(ObjectKind kind) override;
  // The multi-selection, or else the active object (a frame with its contents), into the
  // clipboard; the menu itself becomes the active object.
  void copy() override;
  // As copy, then the objects copied are removed.
  void cut() override;
  // The clipboard's objects onto the active menu window; the last one made becomes the
  // active object.
  void paste() override;
  // Removes the multi-selection, or else the active object; a frame goes with its
  // contents. The caller makes the menu itself the active object.
  void deleteSelection() override;
  void endSelection() override;

 private:
  // Copies what the active menu window has selected; the objects stored.
  std::vector<ObjectRef> copySelected();
  // Removes the objects from the active document and from its window.
  void remove(const std::vector<ObjectRef>& objects);
  // The clipboard now holds something; the menu itself is the active object.
  void finishCopy();
  MenuViewPort* activeView();
  EditingSurface* activeSurface();

  EditorState& state_;
  ObjectWindowsPort& windows_;
};

}  // namespace pemo::editor
