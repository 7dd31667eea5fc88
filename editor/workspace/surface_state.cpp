#include "editor/workspace/surface_state.h"

#include <cmath>
#include <limits>

namespace pemo::editor {

namespace {

// Whole pixels the way the tables take them: halves to the even neighbour, kept within
// 16 bits.
std::int16_t toInt16(double value) {
  double rounded = std::nearbyint(value);
  if (!(rounded >= std::numeric_limits<std::int16_t>::min())) return std::numeric_limits<std::int16_t>::min();
  if (rounded > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(rounded);
}

int lastColumn(std::size_t size) { return static_cast<int>(size) - 1; }

bool inTable(std::size_t size, int rows, int row, int column) {
  return row >= 0 && row < rows && column >= 0 && column < static_cast<int>(size);
}

}  // namespace

TableRect toTableRect(const SurfaceRect& rect) {
  return {toInt16(rect.left), toInt16(rect.top), toInt16(rect.right), toInt16(rect.bottom)};
}

SurfaceRect fromTableRect(const TableRect& rect) {
  return {double(rect[0]), double(rect[1]), double(rect[2]), double(rect[3])};
}

int kindMaskBit(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Label:
    case ObjectKind::Button:
    case ObjectKind::PictureButton:
    case ObjectKind::Image:
    case ObjectKind::Radio:
    case ObjectKind::CheckBox: return 1 << (static_cast<int>(kind) - 1);
    case ObjectKind::Frame: return 64;
    default: return 0;
  }
}

ObjectRef multiSelectionObject(int kindMask) { return {ObjectKind::Multiple, -kindMask}; }

void SurfaceState::clearTables() {
  selectedObjects.clear();
  selectedRects.clear();
  groupStart.clear();
}

int cellOfSelectedObjects(const SurfaceState& state, int row, int column) {
  if (row == -1) return lastColumn(state.selectedObjects.size());
  if (!inTable(state.selectedObjects.size(), 2, row, column)) return 0;
  const ObjectRef& entry = state.selectedObjects[column];
  return row == 0 ? static_cast<int>(entry.kind) : entry.index;
}

int cellOfSelectedRects(const SurfaceState& state, int row, int column) {
  if (row == -1) return lastColumn(state.selectedRects.size());
  if (!inTable(state.selectedRects.size(), 4, row, column)) return 0;
  return state.selectedRects[column][row];
}

}  // namespace pemo::editor
