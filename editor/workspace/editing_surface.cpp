#include "editor/workspace/editing_surface.h"

#include "platform/text/numbers.h"

namespace pemo::editor {

EditingSurface::EditingSurface(EditorState& state, MenuDocument& document, std::uint32_t windowHandle,
                               SurfaceView& view)
    : state_(state), document_(document), windowHandle_(windowHandle), view_(view) {}

void EditingSurface::makeActive(ObjectRef object) {
  state_.activeMenuWindow = windowHandle_;
  state_.activeDocument = &document_;
  state_.activeObject = object;
  // A multi-selection keeps the property window on its own view.
  if (!document_.bandSelectionActive) changeActiveObject();
}

void EditingSurface::changeActiveObject() { editor::changeActiveObject(state_); }

void EditingSurface::objectPressed(ObjectRef object, int button, double x, double y) {
  if (!document_.find(object)) return;
  makeActive(object);
  if (button == kLeftButton) beginDrag(object, x, y);
  else if (button == kRightButton) showObjectMenu();
}

void EditingSurface::objectMoved(ObjectRef object, int buttons, double x, double y) {
  const MenuObject* found = document_.find(object);
  if (!found) {
    abandonDrag();
    return;
  }
  view_.setToolTip(object, "X=" + text::FormatGeneral(found->left) + ",Y=" + text::FormatGeneral(found->top));
  if (buttons == kLeftButton) trackDrag(object, x, y);
  if (document_.locked) view_.setPointer(object, PointerShape::Default);
  else setEdgeCursor(buttons, object, x, y);
}

void EditingSurface::objectReleased(ObjectRef object, int button, double x, double y) {
  if (button != kLeftButton) return;
  endDrag(object, x, y);
  if (!document_.bandSelectionActive && document_.find(object)) changeActiveObject();
}

void EditingSurface::objectFocused(ObjectRef object) {
  if (surface_.ignoreFocusEvent) {
    surface_.ignoreFocusEvent = false;
    return;
  }
  if (document_.find(object)) makeActive(object);
}

void EditingSurface::showObjectMenu() {
  // The popup takes the pointer: a drag under way ends where it began.
  abandonDrag();
  SurfacePopupState items = surfacePopupState(state_, document_);
  surface_.popupShowing = true;
  view_.showObjectMenu(items);
  surface_.popupShowing = false;
}

void EditingSurface::objectsRemoved() {
  if (surface_.dragged && !document_.find(*surface_.dragged)) abandonDrag();
}

void EditingSurface::activated() { surface_.ignoreFocusEvent = true; }

void EditingSurface::deactivated(bool toMenuWindow) {
  // The release may go to the window that took the activation.
  abandonDrag();
  if (toMenuWindow && document_.bandSelectionActive) clearSelection();
}

void EditingSurface::clearSelection() {
  document_.bandSelectionActive = false;
  groupDragging_ = false;
  if (state_.activeDocument == &document_) state_.multiSelection.clear();
  surface_.clearTables();
  view_.clearOutlines();
}

void EditingSurface::selectionEnded() {
  clearSelection();
  view_.setAddCommandsEnabled(true);
}

void EditingSurface::surfacePressed() {
  if (!document_.bandSelectionActive) return;
  endSelectionMarks();
}

void EditingSurface::endSelectionMarks() {
  surface_.selectedRects.clear();
  groupDragging_ = false;
  view_.clearOutlines();
  document_.bandSelectionActive = false;
}

bool EditingSurface::surfaceClicked() {
  if (surface_.popupShowing || document_.bandSelectionActive) return false;
  surface_.clearTables();
  return true;
}

// The release that follows the press draws an empty band, which selects nothing.
void EditingSurface::cancelBandSelection() { surfacePressed(); }

}  // namespace pemo::editor
