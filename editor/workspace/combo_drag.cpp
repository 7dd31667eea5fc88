// Combo boxes on the editing surface never open their list or take the focus: a left
// press makes one active and drags its outline, the release moves it there, a right
// press offers the object popup.
#include "editor/workspace/editing_surface.h"

namespace pemo::editor {

namespace {

// How far the combo box's outline stands outside it.
constexpr double kComboMargin = 2;

}  // namespace

void EditingSurface::selectHookedCombo(ObjectRef combo) {
  if (document_.find(combo)) makeActive(combo);
}

void EditingSurface::comboPressed(ObjectRef combo, double x, double y) {
  const MenuObject* object = document_.find(combo);
  if (!object) return;
  makeActive(combo);
  // A locked combo box is only made active.
  if (document_.locked) return;
  abandonDrag();
  SurfaceRect rect = objectRect(combo, *object);
  surface_.dragged = combo;
  surface_.dragFrame = object->frame;
  surface_.dragMode = DragMode::Move;
  surface_.comboDragRecord = {rect.grown(kComboMargin), rect.left + x, rect.top + y};
  drawDragOutline(surface_.comboDragRecord.rect);
}

void EditingSurface::comboMoved(ObjectRef combo, int buttons, double x, double y) {
  if (!(buttons & kLeftButton)) return;
  const MenuObject* object = draggedObject(combo);
  if (!object) return;
  SurfaceRect rect = objectRect(combo, *object);
  ComboDragRecord& record = surface_.comboDragRecord;
  record.rect = rect.grown(kComboMargin).shifted(rect.left + x - record.pressX, rect.top + y - record.pressY);
  drawDragOutline(record.rect);
}

void EditingSurface::comboReleased(ObjectRef combo, double x, double y) {
  MenuObject* object = draggedObject(combo);
  if (!object) return;
  eraseDragOutline();
  surface_.dragged.reset();
  SurfaceRect rect = objectRect(combo, *object);
  const ComboDragRecord& record = surface_.comboDragRecord;
  double dx = rect.left + x - record.pressX, dy = rect.top + y - record.pressY;
  // The combo box takes the outline's place, keeping its size; a move is a change.
  if (dx != 0 || dy != 0) {
    object->left += unitsX(*object, dx);
    object->top += unitsY(*object, dy);
    clampGeometry(*object, state_.twipsPerPixelX, state_.twipsPerPixelY);
    document_.changed = true;
    view_.objectChanged(combo);
  }
  selectHookedCombo(combo);
}

void EditingSurface::comboRightPressed(ObjectRef combo) {
  if (!document_.find(combo)) return;
  makeActive(combo);
  showObjectMenu();
}

}  // namespace pemo::editor
