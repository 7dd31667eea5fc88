#include "editor/property/property_sheet.h"

#include "editor/property/property_loaders.h"

namespace pemo::editor::property {

PropertySheet::PropertySheet(EditorState& state, MenuWindowDirectory& windows)
    : state_(state), windows_(windows) {}

void PropertySheet::load() {
  loaded_ = true;
  if (view_) view_->restorePlace();
  grid_.fillChoiceLists();
  changeActiveObject();
}

void PropertySheet::unload() {
  if (!loaded_) return;
  commitPendingRow();
  if (view_) view_->savePlace();
  loaded_ = false;
}

void PropertySheet::ensureLoaded() {
  if (!loaded_) load();
}

MenuDocument* PropertySheet::menuWindowOfHandle(std::uint32_t handle) {
  if (handle == 0) return nullptr;
  for (const OpenMenuWindow& window : windows_.openMenuWindows())
    if (window.handle == handle) return window.document;
  return nullptr;
}

bool PropertySheet::isOpen(const MenuDocument* document) {
  for (const OpenMenuWindow& window : windows_.openMenuWindows())
    if (window.document == document) return true;
  return false;
}

bool PropertySheet::noMenuWindowOpen() { return windows_.openMenuWindows().empty(); }

void PropertySheet::changeActiveObject() {
  ensureLoaded();
  // A value typed into a row belongs to what the grid showed while it was typed.
  commitPendingRow();
  state_.activeForm = menuWindowOfHandle(state_.activeWnd);
  if (!state_.activeForm) {
    if (state_.mainWindow) state_.mainWindow->changeMainSetting();
    grid_.showNothing();
    grid_.target = {};
    showGrid();
    return;
  }
  buildObjectList();
  grid_.objectListSelection = grid_.objectList.position(state_.activeObject);
  if (grid_.objectListSelection != -1) loadEntry(grid_.objectListSelection);
  bool multiSelection = state_.activeObject.kind == ObjectKind::Multiple;
  if (multiSelection) {
    loadMultiSelection();
    grid_.shownKind = ObjectKind::Multiple;
    grid_.target = {state_.activeForm, state_.activeObject, state_.multiSelection};
  }
  grid_.objectListEnabled = !multiSelection;
  rememberFocusedValue();
  showGrid();
  if (state_.mainWindow) state_.mainWindow->changeMainSetting();
}

void PropertySheet::buildObjectList() { grid_.objectList = property::buildObjectList(*state_.activeForm); }

void PropertySheet::objectListClicked(int position) {
  ensureLoaded();
  if (position < 0 || position >= static_cast<int>(grid_.objectList.table.size())) return;
  commitPendingRow();
  // The list describes the window of the last reload, which may have closed since.
  if (!isOpen(state_.activeForm)) return;
  grid_.objectListSelection = position;
  loadEntry(position);
  rememberFocusedValue();
  showGrid();
}

void PropertySheet::loadEntry(int position) {
  state_.activeObject = grid_.objectList.table.at(position);
  if (state_.activeObject.kind == ObjectKind::Menu)
    loadMenuProperties(grid_, state_);
  else
    loadObjectProperties(grid_, state_, state_.activeObject.kind, false);
}

// A multi-selection offers no row of its own yet: nothing it shows may be taken for the
// values of one object.
void PropertySheet::loadMultiSelection() {
  for (int row = 0; row < kRowCount; ++row) grid_.disableRow(row);
}

void PropertySheet::rowFocused(int row) {
  focusedRow_ = row;
  rememberFocusedValue();
}

// A reload under a focused editor starts its editing afresh from what it now shows.
void PropertySheet::rememberFocusedValue() {
  if (focusedRow_ < 0) return;
  const RowState& row = grid_.rows.at(focusedRow_);
  oldValue_ = isListRow(focusedRow_) ? std::to_string(row.listIndex) : row.text;
}

void PropertySheet::rowTyped(int row, const std::string& text) {
  grid_.rows.at(row).text = text;
  focusedRow_ = row;
  propChange_ = true;
}

void PropertySheet::commitPendingRow() {
  if (!propChange_) return;
  int row = focusedRow_;
  if (writeBack_ && grid_.rows[row].text != oldValue_ && isOpen(grid_.target.document)) {
    writeBack_->applyRow(grid_, row);
    // A value the write-back refused is back at its old text and changes nothing.
    if (grid_.rows[row].text != oldValue_) grid_.target.document->changed = true;
  }
  // The editor may keep the focus; what it holds now is what it started from.
  oldValue_ = grid_.rows[row].text;
  propChange_ = false;
}

void PropertySheet::showGrid() {
  if (view_) view_->showGrid();
}

}  // namespace pemo::editor::property
