#include "editor/workspace/editor_workspace.h"

#include "editor/document/document_lifecycle.h"
#include "editor/document/file_commands.h"
#include "editor/document/messages.h"
#include "editor/document/test_run.h"
#include "platform/fs/windows_path.h"
#include "platform/ui/message_port.h"

namespace pemo::editor {

std::string missingFileMessage(const std::string& path) { return "ﾌｧｲﾙ " + path + " は存在しません。"; }

std::string saveQuestion(const std::string& caption) {
  return "[" + caption + "]は変更されています。\r保存しますか？";
}

EditorWorkspace::EditorWorkspace(EditorState& state, MainWindowView& view, WorkspaceWindowsPort& windows,
                                 ObjectCommandsPort& objects)
    : state_(state), view_(view), windows_(windows), objects_(objects) {}

void EditorWorkspace::setRecentMenu() { view_.showRecentItems(reloadRecentFiles(state_.recentKey, state_.recentFiles)); }

void EditorWorkspace::changeMainSetting() {
  commands_ = commandStateFor(state_, commands_);
  apply();
}

void EditorWorkspace::setCaption(const std::string& caption) { view_.showCaption(caption); }

void EditorWorkspace::showRunState(bool running) {
  commands_ = withRunState(commands_, running);
  apply();
}

void EditorWorkspace::apply() { view_.applyCommands(commands_); }

void EditorWorkspace::changeActiveObject() {
  if (state_.propertyWindow)
    state_.propertyWindow->changeActiveObject();
  else
    changeMainSetting();
}

void EditorWorkspace::run(EditorCommand command, CommandSource source, int argument) {
  if (state_.propertyWindow) state_.propertyWindow->commitPendingRow();
  switch (command) {
    case EditorCommand::NewMenu: newMenu(state_); break;
    case EditorCommand::OpenMenu: openMenu(state_); break;
    case EditorCommand::CloseMenu:
      if (state_.activeDocument && state_.menuWindows) state_.menuWindows->closeMenuWindow(*state_.activeDocument);
      break;
    case EditorCommand::SaveAllMenus: saveAllMenus(state_); break;
    case EditorCommand::SaveAllMenusAs: saveAllMenusAs(state_); break;
    case EditorCommand::SaveMenu: saveMenu(state_); break;
    case EditorCommand::SaveMenuAs: saveMenuAs(state_); break;
    case EditorCommand::OpenRecent: openRecent(argument); break;
    case EditorCommand::Exit: windows_.closeMainWindow(); return;
    case EditorCommand::ShowProperties:
      windows_.showPropertyWindow();
      // The toolbar button only shows the window.
      if (source == CommandSource::Toolbar) break;
      // The grid turns to the menu: no marks may stay for a Delete to act on unseen.
      objects_.endSelection();
      state_.activeObject = {ObjectKind::Menu, 0};
      changeActiveObject();
      return;
    case EditorCommand::AddObject:
      if (argument >= 0 && argument < static_cast<int>(kDocumentKinds.size()))
        objects_.addObject(kDocumentKinds[argument]);
      break;
    case EditorCommand::ToggleLock: toggleLock(); break;
    case EditorCommand::Copy: objects_.copy(); break;
    case EditorCommand::Cut: objects_.cut(); break;
    case EditorCommand::Paste: objects_.paste(); break;
    case EditorCommand::Delete:
      objects_.deleteSelection();
      state_.activeObject = {ObjectKind::Menu, 0};
      changeActiveObject();
      return;
    case EditorCommand::EditScript: editScript(state_); break;
    case EditorCommand::SetEditor: windows_.showSetEditorDialog(); break;
    case EditorCommand::RunStart: runActiveMenu(state_); break;
    case EditorCommand::RunStop: terminateRun(state_); break;
    case EditorCommand::Help: showHelp(state_); break;
    case EditorCommand::About: windows_.showAboutBox(); break;
  }
  if (source == CommandSource::Toolbar) changeActiveObject();
  bool editMenuItem = command == EditorCommand::ToggleLock || command == EditorCommand::Copy ||
                      command == EditorCommand::Cut || command == EditorCommand::Paste;
  if (source == CommandSource::MainMenu && editMenuItem) changeMainSetting();
}

void EditorWorkspace::toggleLock() {
  if (!state_.activeDocument) return;
  state_.activeDocument->locked = !state_.activeDocument->locked;
  commands_.lockChecked = state_.activeDocument->locked;
  apply();
}

void EditorWorkspace::openRecent(int slot) {
  if (slot < 0 || slot >= kRecentSlots || !state_.menuWindows) return;
  const std::string path = state_.recentFiles[slot];
  if (path.empty() || !fs::existingHostFile(path)) {
    ui::showExclamation(missingFileMessage(path), kEditorTitle);
    return;
  }
  state_.menuWindows->openMenuWindow(path, "");
}

void EditorWorkspace::mainWindowActivated() {
  if (state_.menuWindows && !state_.menuWindows->documents().empty()) return;
  showNoMenu();
}

void EditorWorkspace::showNoMenu() {
  view_.showCaption(kEditorTitle);
  commands_.set(Command::SaveAllButton, false);
  apply();
}

void EditorWorkspace::menuWindowActivated(MenuDocument& document, std::uint32_t windowHandle) {
  std::erase(activationOrder_, &document);
  activationOrder_.push_back(&document);
  bool switched = state_.activeDocument != &document;
  state_.activeMenuWindow = windowHandle;
  state_.activeDocument = &document;
  commands_.lockChecked = document.locked;
  commands_.set(Command::SaveAllButton, true);
  view_.showCaption(mainCaptionFor(document));
  if (switched) {
    state_.activeObject = {ObjectKind::Menu, 0};
    state_.multiSelection.clear();
    changeActiveObject();
  }
  apply();
}

void EditorWorkspace::surfaceClicked(MenuDocument& document, std::uint32_t windowHandle) {
  if (document.bandSelectionActive) return;
  state_.activeMenuWindow = windowHandle;
  state_.activeDocument = &document;
  state_.multiSelection.clear();
  state_.activeObject = {ObjectKind::Menu, 0};
  changeActiveObject();
  commands_.set(Command::AddObject, true);
  apply();
}

void EditorWorkspace::menuWindowDelete(MenuDocument& document, std::uint32_t windowHandle) {
  if (state_.propertyWindow) state_.propertyWindow->commitPendingRow();
  if (state_.activeDocument != &document) state_.activeObject = {ObjectKind::Menu, 0};
  state_.activeMenuWindow = windowHandle;
  state_.activeDocument = &document;
  run(EditorCommand::Delete, CommandSource::MenuWindow);
}

void EditorWorkspace::setAddCommandsEnabled(bool enabled) {
  commands_.set(Command::AddObject, enabled);
  apply();
}

void EditorWorkspace::menuWindowResized() {
  state_.activeObject = {ObjectKind::Menu, 0};
  changeActiveObject();
}

bool EditorWorkspace::menuWindowMayClose(MenuDocument& document) {
  // A close that activates nothing (the window manager's, the main window's) finds a value
  // still being typed into the property window: it counts for the question below.
  if (state_.propertyWindow) state_.propertyWindow->commitPendingRow();
  if (document.scriptBeingEdited) {
    ui::showExclamation(kScriptEditingMessage, kEditorTitle);
    return false;
  }
  if (!document.changed) return true;
  int answer = ui::messages().show(saveQuestion(document.caption), ui::kYesNoCancel | ui::kExclamation,
                                   kEditorTitle);
  if (answer == ui::kNo) return true;
  // The menu being closed is saved, whichever window is active; a save that did not
  // happen (dialog cancelled, write failed) keeps the window as Cancel does.
  if (answer == ui::kYes && saveDocument(document, state_, false) && !document.changed) return true;
  if (state_.closeAllState == CloseAllState::Closing) state_.closeAllState = CloseAllState::Cancelled;
  return false;
}

void EditorWorkspace::menuWindowClosed(MenuDocument& document) {
  if (document.beingTestRun) terminateRun(state_);
  document.beingTestRun = false;
  document.bandSelectionActive = false;
  const bool wasActive = state_.activeDocument == &document || !state_.activeDocument;
  if (state_.activeDocument == &document) state_.multiSelection.clear();
  closeMenuDocument(document, state_);
  std::erase(activationOrder_, &document);
  changeActiveObject();
  if (!wasActive) return;
  // The window manager, if any, may hand the focus to the main or property window: the
  // user still expects to go on with the menu window left in front.
  if (!activationOrder_.empty() && state_.menuWindows)
    state_.menuWindows->bringToFront(*activationOrder_.back());
  else
    showNoMenu();
}

bool EditorWorkspace::mainWindowMayClose() {
  if (anyScriptBeingEdited(state_)) {
    ui::showExclamation(kScriptEditingMessage, kEditorTitle);
    return false;
  }
  if (!state_.menuWindows) return true;
  state_.closeAllState = CloseAllState::Closing;
  for (MenuDocument* document : state_.menuWindows->documents()) {
    state_.menuWindows->closeMenuWindow(*document);
    if (state_.closeAllState == CloseAllState::Cancelled) return false;
  }
  state_.closeAllState = CloseAllState::Idle;
  return state_.menuWindows->documents().empty();
}

}  // namespace pemo::editor
