#include "editor/workspace/window/editor_windows.h"

namespace pemo::editor {

EditorWindows::EditorWindows(EditorState& state)
    : mainWindow(state),
      menuWindows(state),
      objects(state, menuWindows),
      workspace(state, mainWindow, mainWindow, objects),
      propertySheet(state, menuWindows),
      writeBack(state, pictures, menuWindows),
      state_(state) {
  state.fileDialog = &fileDialog;
  state.menuWindows = &menuWindows;
  state.mainWindow = &workspace;
  state.propertyWindow = &propertySheet;
  propertySheet.setRowWriteBack(&writeBack);
  propertySheet.setDialogs(&propertyDialogs);
  mainWindow.setPropertyWindow(&propertyWindow);
  // The main window's rule for no menu window open holds for the property window too.
  propertyWindow.setActivationHandler([this] { workspace.mainWindowActivated(); });
  propertyWindow.setHelpHandler([this] { workspace.run(EditorCommand::Help, CommandSource::MainMenu); });
  mainWindow.attach(workspace);
  menuWindows.attach(workspace);
}

EditorWindows::~EditorWindows() {
  // The menu windows call the workspace and the property window while they go, so they
  // go first; then the state, which outlives the windows, keeps nothing of them.
  menuWindows.deleteAll();
  propertySheet.setRowWriteBack(nullptr);
  propertySheet.setDialogs(nullptr);
  state_.propertyWindow = nullptr;
  state_.mainWindow = nullptr;
  state_.fileDialog = nullptr;
  state_.menuWindows = nullptr;
  state_.activeMenuWindow = 0;
  state_.activeDocument = nullptr;
  state_.activeObjectControl = {};
  state_.multiSelection.clear();
}

void EditorWindows::start() {
  mainWindow.restorePlacement();
  workspace.setRecentMenu();
  propertyWindow.show();
  workspace.changeMainSetting();
  mainWindow.show();
  mainWindow.keepPropertyWindowClear();
  // Menu windows open beside the property window, below the strip.
  menuWindows.setFirstPlace(
      [this] { return QPoint(propertyWindow.frameGeometry().right() + 1, mainWindow.frameGeometry().bottom() + 1); });
}

}  // namespace pemo::editor
