// Editing the rows: the highlighted caption, the value remembered at the focus, the
// commit of a typed value, the lists' choices, and where the "..." button stands.
#include "editor/property/property_loaders.h"
#include "editor/property/property_sheet.h"
#include "editor/property/value_reading.h"

namespace pemo::editor::property {

namespace {

// The rows whose value a dialog chooses.
bool hasDialog(int row) {
  switch (row) {
    case row::BackColor:
    case row::ForeColor:
    case row::Font:
    case row::Link:
    case row::Picture:
    case row::OnCursorColor:
    case row::TilingImage: return true;
    default: return false;
  }
}

}  // namespace

void PropertySheet::rowFocused(int row) {
  highlightFocusedRow(row);
  focusedRow_ = row;
  rememberFocusedValue();
  placeDialogButton(row);
  showGrid();
}

void PropertySheet::otherControlFocused() {
  highlightFocusedRow(-1);
  showGrid();
}

void PropertySheet::highlightFocusedRow(int row) {
  if (grid_.highlightedRow >= 0) grid_.labelBackColors[grid_.highlightedRow] = kLabelWhite;
  grid_.highlightedRow = -1;
  if (row < 0) return;
  grid_.labelBackColors.at(row) = kLabelHighlight;
  grid_.highlightedRow = row;
  highlightOwner_ = grid_.target;
}

void PropertySheet::placeDialogButton(int row) {
  grid_.dialogButtonVisible = hasDialog(row);
  if (grid_.dialogButtonVisible) grid_.dialogButtonRow = row;
}

// A reload under a focused editor starts its editing afresh from what it now shows.
void PropertySheet::rememberFocusedValue() {
  if (focusedRow_ < 0) return;
  const RowState& row = grid_.rows.at(focusedRow_);
  oldValue_ = isListRow(focusedRow_) ? std::to_string(row.listIndex) : row.text;
}

void PropertySheet::restoreOldValue(int row) {
  if (!isListRow(row)) grid_.rows.at(row).text = oldValue_;
}

void PropertySheet::rowTyped(int row, const std::string& text) {
  grid_.rows.at(row).text = text;
  focusedRow_ = row;
  propChange_ = true;
}

void PropertySheet::rowLeft(int row) {
  if (row != focusedRow_) return;
  commitPendingRow();
}

MenuDocument* PropertySheet::targetDocument() {
  if (!isOpen(grid_.target.document)) grid_.target = {};
  return grid_.target.document;
}

void PropertySheet::commitPendingRow() {
  // A refusal's message takes the focus from the row while the commit runs.
  if (!propChange_ || committing_) return;
  committing_ = true;
  const int row = focusedRow_;
  if (writeBack_ && grid_.rows[row].text != oldValue_) {
    // The value goes to what the grid showed while it was typed, even when another menu
    // window has become active since.
    MenuDocument* document = targetDocument();
    if (writeBack_->applyRow(grid_, row)) {
      document->changed = true;
      showPictureSize(row);
    } else {
      restoreOldValue(row);
    }
    showGrid();
  }
  // The editor may keep the focus; what it holds now is what it started from.
  oldValue_ = grid_.rows[row].text;
  propChange_ = false;
  committing_ = false;
  // A reload asked for meanwhile shows what is active now.
  if (reloadPending_) changeActiveObject();
}

// An image that does not stretch has taken its new picture's size: the size rows show it.
void PropertySheet::showPictureSize(int row) {
  if ((row == row::Picture || row == row::Stretch) && grid_.shownKind == ObjectKind::Image)
    reloadShownObject(grid_, state_);
}

void PropertySheet::listChosen(int row, int index) {
  ensureLoaded();
  RowState& list = grid_.rows.at(row);
  if (!list.enabled || !isListRow(row)) return;
  const std::string before = row == focusedRow_ ? oldValue_ : std::to_string(list.listIndex);
  list.listIndex = index;
  MenuDocument* document = targetDocument();
  if (!document || !writeBack_) return;
  writeBack_->applyChoice(grid_, row, index);
  showPictureSize(row);
  if (grid_.rows[row].listIndex != static_cast<long>(numberOf(before))) document->changed = true;
  showGrid();
}

}  // namespace pemo::editor::property
