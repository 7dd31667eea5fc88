#pragma once
// The editing surface of one menu window: selection, the objects' events, moving and
// resizing with an outline, band selection with the group drag, and the combo boxes'
// own road. Plain logic on the document; positions are pixels relative to the object
// that the event belongs to.
#include <cstdint>

#include "editor/document/editor_state.h"
#include "editor/workspace/surface_state.h"
#include "editor/workspace/surface_view.h"

namespace pemo::editor {

// Mouse buttons as the events carry them: one bit each.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

class EditingSurface {
 public:
  EditingSurface(EditorState& state, MenuDocument& document, std::uint32_t windowHandle, SurfaceView& view);

  const SurfaceState& state() const { return surface_; }
  // The selection tables as other windows read them (row -1: the last column).
  int selectedObjectsCell(int row, int column) const { return cellOfSelectedObjects(surface_, row, column); }
  int selectedRectsCell(int row, int column) const { return cellOfSelectedRects(surface_, row, column); }
  // Ends a multi-selection as a press and release on the empty surface would.
  void cancelBandSelection();
  // Forgets the multi-selection: its tables, the editor's list and the marks.
  void clearSelection();
  // The selected objects were deleted, copied or cut: the selection ends, nothing of it
  // stays in the tables, and objects can be added again.
  void selectionEnded();
  // The selected objects' geometry changed elsewhere: their marks follow.
  void refreshSelectionMarks();
  // Objects left the document: a drag whose object went with them ends, and its outline
  // goes while the window still shows where it was.
  void objectsRemoved();

  // The objects' events (combo boxes have their own below).
  void objectPressed(ObjectRef object, int button, double x, double y);
  void objectMoved(ObjectRef object, int buttons, double x, double y);
  void objectReleased(ObjectRef object, int button, double x, double y);
  // A focus or click event: the first after the window's activation is swallowed.
  void objectFocused(ObjectRef object);
  void showObjectMenu();

  // The window's own events.
  void activated();
  // The window lost the activation: a drag ends where it began, and a multi-selection
  // ends when another menu window takes it.
  void deactivated(bool toMenuWindow);
  // The left button pressed on the empty surface: a multi-selection shown ends.
  void surfacePressed();
  // A click on the empty surface; true when it selects the menu itself (the tables are
  // then empty).
  bool surfaceClicked();

  // Band selection: two opposite corners in client pixels, in any order.
  void selectInBand(double x1, double y1, double x2, double y2);

  // Moving and resizing one object.
  void beginDrag(ObjectRef object, double x, double y);
  void setEdgeCursor(int button, ObjectRef object, double x, double y);
  void trackDrag(ObjectRef object, double x, double y);
  void endDrag(ObjectRef object, double x, double y);

  // Combo boxes: never focused, never opened; pressed, dragged and released here.
  void selectHookedCombo(ObjectRef combo);
  void comboPressed(ObjectRef combo, double x, double y);
  void comboMoved(ObjectRef combo, int buttons, double x, double y);
  void comboReleased(ObjectRef combo, double x, double y);
  void comboRightPressed(ObjectRef combo);

 private:
  void makeActive(ObjectRef object);
  void changeActiveObject();
  void beginGroupDrag();
  void drawGroupRects(double x, double y);
  void endGroupDrag(double x, double y);
  void endSelectionMarks();

  // The object's rectangle in its container's pixels: the window's client area, or the
  // frame that holds it (whose children keep their geometry in twips).
  SurfaceRect objectRect(ObjectRef ref, const MenuObject& object) const;
  // Pixels along x and y into the units the object's geometry is kept in.
  double unitsX(const MenuObject& object, double pixels) const;
  double unitsY(const MenuObject& object, double pixels) const;

  // The drag's outline: drawn where it was started, taken away once.
  void drawDragOutline(const SurfaceRect& rect);
  void eraseDragOutline();
  void abandonDrag();
  void abandonGroupDrag();
  // The object being dragged, or null (and the drag ended) when it is gone.
  MenuObject* draggedObject(ObjectRef object);
  bool groupPresent() const;
  int dragPen() const { return surface_.dragMode == DragMode::Move ? 2 : 1; }
  // The group's marks, drawn and taken away alike.
  void invertMarks();

  EditorState& state_;
  MenuDocument& document_;
  std::uint32_t windowHandle_;
  SurfaceView& view_;
  SurfaceState surface_;
  bool groupDragging_ = false;
};

}  // namespace pemo::editor
