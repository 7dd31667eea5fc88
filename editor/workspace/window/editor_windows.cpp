#include "editor/workspace/window/editor_windows.h"

namespace pemo::editor {

EditorWindows::EditorWindows(EditorState& state)
    : mainWindow(state),
      menuWindows(state),
      workspace(state, mainWindow, mainWindow, objects),
      propertySheet(state, menuWindows) {
  state.fileDialog = &fileDialog;
  state.menuWindows = &menuWindows;
  state.mainWindow = &workspace;
  state.propertyWindow = &propertySheet;
  mainWindow.setPropertyWindow(&propertyWindow);
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
}

}  // namespace pemo::editor
