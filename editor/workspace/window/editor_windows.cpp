#include "editor/workspace/window/editor_windows.h"

namespace pemo::editor {

EditorWindows::EditorWindows(EditorState& state)
    : mainWindow(state),
      menuWindows(state),
      objects(state, menuWindows),
      workspace(state, mainWindow, mainWindow, objects),
      propertySheet(state, menuWindows) {
  state.fileDialog = &fileDialog;
  state.menuWindows = &menuWindows;
  state.mainWindow = &workspace;
  state.propertyWindow = &propertySheet;
  mainWindow.setPropertyWindow(&propertyWindow);
  // The main window's rule for no menu window open holds for the property window too.
  propertyWindow.setActivationHandler([this] { workspace.mainWindowActivated(); });
  propertyWindow.setHelpHandler([this] { workspace.run(EditorCommand::Help, CommandSource::MainMenu); });
  mainWindow.attach(workspace);
  menuWindows.attach(workspace);
}

EditorWindows::~EditorWindows() = default;

void EditorWindows::start() {
  mainWindow.restorePlacement();
  workspace.setRecentMenu();
  propertyWindow.show();
  workspace.changeMainSetting();
  mainWindow.show();
  // Menu windows open beside the property window, below the strip.
  menuWindows.setFirstPlace(QPoint(propertyWindow.frameGeometry().right() + 1, mainWindow.frameGeometry().bottom() + 1));
}

}  // namespace pemo::editor
