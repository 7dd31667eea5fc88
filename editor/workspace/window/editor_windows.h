#pragma once
// The editor's windows and the workspace logic between them, wired to one editor state:
// what pemoedit's main builds, and what the window tests drive.
#include "editor/workspace/editor_workspace.h"
#include "editor/workspace/window/main_window.h"
#include "editor/workspace/window/menu_windows.h"
#include "editor/workspace/window/qt_file_dialog.h"

namespace pemo::editor {

class EditorWindows {
 public:
  // The state's programs and recent key are the caller's; the rest is set here.
  explicit EditorWindows(EditorState& state);
  ~EditorWindows();

  // Places and shows the main window with its recent files and commands.
  void start();

  MainWindow mainWindow;
  QtFileDialog fileDialog{&mainWindow};
  MenuWindows menuWindows;
  NoObjectCommands objects;
  EditorWorkspace workspace;
  CommandsOnlyPropertyWindow propertyWindow{workspace};
};

}  // namespace pemo::editor
