#pragma once
// The editor's windows and the workspace logic between them, wired to one editor state:
// what pemoedit's main builds, and what the window tests drive.
#include "editor/property/property_sheet.h"
#include "editor/property/window/property_window.h"
#include "editor/property/window/qt_property_dialogs.h"
#include "editor/property/write_back.h"
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

  // Places the windows and shows the property window and the main window with its
  // recent files and commands.
  void start();

  MainWindow mainWindow;
  QtFileDialog fileDialog{&mainWindow};
  MenuWindows menuWindows;
  ObjectCommands objects;
  EditorWorkspace workspace;
  property::PropertySheet propertySheet;
  property::PropertyWindow propertyWindow{propertySheet};
  property::QtPictures pictures;
  property::DocumentWriteBack writeBack;
  property::QtPropertyDialogs propertyDialogs{&propertyWindow, fileDialog};

 private:
  EditorState& state_;
};

}  // namespace pemo::editor
