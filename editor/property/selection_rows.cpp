#include "editor/property/selection_rows.h"

#include "editor/property/property_loaders.h"

namespace pemo::editor::property {

ObjectKind kindOfSelection(int kindMask) {
  // The kinds a band selects, by their bit of the mask.
  static constexpr ObjectKind kinds[] = {ObjectKind::Label, ObjectKind::Button, ObjectKind::PictureButton,
                                         ObjectKind::Image, ObjectKind::Radio,  ObjectKind::CheckBox,
                                         ObjectKind::Frame};
  for (int bit = 0; bit < 7; ++bit)
    if (kindMask == 1 << bit) return kinds[bit];
  return ObjectKind::Multiple;
}

void loadMultiSelection(PropertyGrid& grid, EditorState& state) {
  const ObjectKind kind = kindOfSelection(-state.activeObject.index);
  if (kind != ObjectKind::Multiple) {
    loadObjectProperties(grid, state, kind, true);
    return;
  }
  for (int row = 0; row < kRowCount; ++row) {
    if (row == row::Left || row == row::Top)
      grid.setTextRow(row, true, "");
    else
      grid.disableRow(row);
  }
}

}  // namespace pemo::editor::property
