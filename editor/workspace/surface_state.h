#pragma once
// What one menu window's editing surface remembers: the band selection's tables, the
// drag in progress and the flags its events share.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "editor/document/menu_document.h"

namespace pemo::editor {

// A rectangle in pixels, left, top, right, bottom. While a drag runs its sides may cross.
struct SurfaceRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  SurfaceRect grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
  SurfaceRect shifted(double dx, double dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const SurfaceRect&) const = default;
};

// Left, top, right, bottom as the selection tables keep them: whole pixels.
using TableRect = std::array<std::int16_t, 4>;
TableRect toTableRect(const SurfaceRect& rect);
SurfaceRect fromTableRect(const TableRect& rect);

enum class DragMode { Move = 0, Resize = 1 };
// The edge of an object under the pointer; None until the pointer first met an edge.
enum class DragEdge { None = 0, Left = 1, Right = 2, Top = 3, Bottom = 4 };

// A combo box's drag: the outline last drawn and the pointer at the press, in the
// coordinates of the combo box's container.
struct ComboDragRecord {
  SurfaceRect rect;
  double pressX = 0;
  double pressY = 0;
};

// The bit of a kind in a multi-selection's kind mask: label 1, button 2, picture button 4,
// image 8, radio button 16, check box 32, frame 64; 0 for kinds band selection never takes.
int kindMaskBit(ObjectKind kind);
// The active object that stands for a multi-selection of these kinds.
ObjectRef multiSelectionObject(int kindMask);

struct SurfaceState {
  // One entry per selected object, in selection order: its kind and index (SoInfo), the
  // mark drawn around it (SoPos), and its place when the group drag began (GroupStart).
  std::vector<ObjectRef> selectedObjects;
  std::vector<TableRect> selectedRects;
  std::vector<TableRect> groupStart;

  bool ignoreFocusEvent = false;
  bool popupShowing = false;

  // The single-object drag: the outline last drawn (in its container's pixels), the
  // pointer inside the object at the press, move or resize and the edge.
  SurfaceRect dragRect;
  double dragOffsetX = 0;
  double dragOffsetY = 0;
  DragMode dragMode = DragMode::Move;
  DragEdge dragEdge = DragEdge::None;
  ComboDragRecord comboDragRecord;

  // What is being dragged and whether its outline is on the screen, so that a drag whose
  // object went away can still take its outline back.
  std::optional<ObjectRef> dragged;
  int dragFrame = 0;
  bool outlineShown = false;

  // Empties the three tables.
  void clearTables();
};

// The tables as other windows read them: row -1 gives the last column's number (-1 when
// the table is empty); a row or column outside the table reads 0.
int cellOfSelectedObjects(const SurfaceState& state, int row, int column);
int cellOfSelectedRects(const SurfaceState& state, int row, int column);

}  // namespace pemo::editor
