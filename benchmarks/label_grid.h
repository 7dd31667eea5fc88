#pragma once
// The editor benchmarks' page: a menu window holding a grid of small visible labels,
// 40 pixels apart across and 24 down, that one band from (0, 0) takes whole.
#include <string>

#include "editor/workspace/window/menu_window.h"

namespace pemo::editor::benchmark {

struct LabelGrid {
  int columns = 25;
  int rows = 20;
  int count() const { return columns * rows; }
  // The lower right corner of a band around every label.
  int bandRight() const { return columns * 40 + 20; }
  int bandBottom() const { return rows * 24 + 20; }
};

// Adds the grid's labels to the window's document and widgets; returns the first label.
inline ObjectRef addLabelGrid(MenuWindow& window, const LabelGrid& grid) {
  ObjectRef first;
  for (int i = 0; i < grid.count(); ++i) {
    ObjectRef ref = window.document().addObject(ObjectKind::Label);
    MenuObject& object = *window.document().find(ref);
    object.left = 10 + (i % grid.columns) * 40;
    object.top = 10 + (i / grid.columns) * 24;
    object.width = 30;
    object.height = 16;
    object.caption = "L" + std::to_string(i);
    object.visible = true;
    window.objectAdded(ref);
    if (i == 0) first = ref;
  }
  return first;
}

}  // namespace pemo::editor::benchmark
