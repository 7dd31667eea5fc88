#include "editor/property/property_grid.h"

namespace pemo::editor::property {

PropertyGrid::PropertyGrid() { labelBackColors.fill(kWindowColour); }

void PropertyGrid::fillChoiceLists() {
  for (ChoiceList list : {ChoiceList::Style, ChoiceList::UnloadMode, ChoiceList::PictureSize})
    choiceLists_[static_cast<int>(list)] = choiceEntries(list);
}

void PropertyGrid::setTextRow(int row, bool enabled, std::string text) {
  rows.at(row).enabled = enabled;
  rows[row].text = std::move(text);
}

void PropertyGrid::setListRow(int row, bool enabled, long value) {
  rows.at(row).enabled = enabled;
  long count = static_cast<long>(choiceEntries(gridRows()[row].list).size());
  rows[row].listIndex = value >= 0 && value < count ? static_cast<int>(value) : -1;
}

void PropertyGrid::disableRow(int row) {
  if (isListRow(row))
    setListRow(row, false, 0);
  else
    setTextRow(row, false, "");
}

void PropertyGrid::showNothing() {
  for (int row = 0; row < kRowCount; ++row) {
    setTextRow(row, false, "");
    if (isListRow(row)) rows[row].listIndex = -1;
  }
  labelBackColors.fill(kLabelWhite);
  caption = kPropertyCaption;
  dialogButtonVisible = false;
  objectList = {};
  objectListSelection = -1;
  objectListEnabled = false;
}

}  // namespace pemo::editor::property
