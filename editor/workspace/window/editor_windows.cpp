#include "editor/workspace/window/editor_windows.h"

namespace pemo::editor {

EditorWindows::EditorWindows(EditorState& state)
    : mainWindow(state), menuWindows(state), workspace(state, mainWindow, mainWindow, objects) {
  state.fileDialog = &fileDialog;
  state.menuWindows = &menuWindows;
  state.mainWindow = &workspace;
  state.propertyWindow = &propertyWindow;
  mainWindow.attach(workspace);
  menuWindows.attach(workspace);
}

EditorWindows::~EditorWindows() = default;

void EditorWindows::start() {
  mainWindow.restorePlacement();
  workspace.setRecentMenu();
  workspace.changeMainSetting();
  mainWindow.show();
}

}  // namespace pemo::editor
