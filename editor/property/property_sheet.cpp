#include "editor/property/property_sheet.h"

#include "editor/property/property_loaders.h"
#include "editor/property/selection_rows.h"

namespace pemo::editor::property {

PropertySheet::PropertySheet(EditorState& state, MenuWindowDirectory& windows)
    : state_(state), windows_(windows) {}

void PropertySheet::load() {
  loaded_ = true;
  // Every showing starts with no row highlighted, whatever the last one left.
  highlightFocusedRow(-1);
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

void PropertySheet::changeActiveObject() {
  ensureLoaded();
  if (committing_) {
    reloadPending_ = true;
    return;
  }
  reloadPending_ = false;
  // A value typed into a row belongs to what the grid showed while it was typed.
  commitPendingRow();
  state_.activeDocument = menuWindowOfHandle(state_.activeMenuWindow);
  if (!state_.activeDocument) {
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
    loadMultiSelection(grid_, state_);
    grid_.shownKind = ObjectKind::Multiple;
    grid_.target = {state_.activeDocument, state_.activeObject, state_.multiSelection};
  }
  grid_.objectListEnabled = !multiSelection;
  rememberFocusedValue();
  showGrid();
  if (state_.mainWindow) state_.mainWindow->changeMainSetting();
}

void PropertySheet::buildObjectList() { grid_.objectList = property::buildObjectList(*state_.activeDocument); }

void PropertySheet::objectListClicked(int position) {
  ensureLoaded();
  if (position < 0 || position >= static_cast<int>(grid_.objectList.table.size())) return;
  commitPendingRow();
  // The list describes the window of the last reload, which may have closed since.
  if (!isOpen(state_.activeDocument)) return;
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

void PropertySheet::showGrid() {
  // A highlight belongs to the rows it was given on: the rows of another menu, object or
  // selection (Ctrl+P shows the menu's) start with none, even where the row stays on.
  if (grid_.highlightedRow >= 0 && !(grid_.target == highlightOwner_)) highlightFocusedRow(-1);
  // The button goes with the row it sits on when a reload turns that row off.
  const int buttonRow = grid_.dialogButtonRow;
  if (buttonRow >= 0 && !grid_.rows[buttonRow].enabled) grid_.dialogButtonVisible = false;
  if (view_) view_->showGrid();
}

}  // namespace pemo::editor::property
