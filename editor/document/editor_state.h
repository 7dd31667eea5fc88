#pragma once
// The editor-wide variables shared by the menu documents, the main window and the
// property window. One instance for the program.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/document/menu_document.h"
#include "editor/document/menu_windows_port.h"
#include "platform/process/program_port.h"
#include "editor/document/recent_files.h"
#include "editor/document/window_ports.h"

namespace pemo::editor {

// The default folder for script work files: "pemo/work" in the user's configuration
// folder.
std::filesystem::path defaultScriptWorkFolder();


// One object of one menu window, as the editor remembers an object across commands. It
// names the object rather than holding it, so a deleted object resolves to nothing.
struct DocumentObject {
  MenuDocument* document = nullptr;
  ObjectRef object;
  MenuObject* resolve() const { return document ? document->find(object) : nullptr; }
  bool operator==(const DocumentObject&) const = default;
};

// The main window closing every menu window: Closing while it goes through them,
// Cancelled once the user cancels a save prompt on the way.
enum class CloseAllState { Idle, Closing, Cancelled };

struct EditorState {
  std::string appFolder;      // the program folder (Windows path ending in "\")
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;
  // Where the script work files of all menu windows are created: a folder of this user
  // that is always writable.
  std::filesystem::path scriptWorkFolder = defaultScriptWorkFolder();

  std::uint32_t activeMenuWindow = 0;      // handle of the active menu window
  MenuDocument* activeDocument = nullptr;  // the active menu window's document
  ObjectRef activeObject;                  // (0, 0) is the menu itself
  // The object the property window shows (its loaders set it; copying one object too).
  DocumentObject activeObjectControl;
  std::vector<ObjectRef> multiSelection;
  // The object clipboard: one entry per copied object, in copy order, a frame followed by
  // the objects inside it (their `frame` the frame's index, geometry in twips); the others
  // in pixels with `frame` 0, each with its own font. An entry of kind Menu stands for a
  // copy of the menu itself.
  std::vector<MenuObject> objectClipboard;
  bool clipboardFilled = false;

  RecentFiles recentFiles;
  // The folder of the menu file last opened or saved: the open and save dialogs start
  // there.
  std::string lastFileFolder;
  std::string scriptEditorPath;
  bool testRunActive = false;
  std::int64_t testRunProcessId = 0;
  MenuDocument* testRunDocument = nullptr;
  CloseAllState closeAllState = CloseAllState::Idle;

  // The windows and the registry, as far as the documents need them; null when absent.
  MainWindowPort* mainWindow = nullptr;
  PropertyWindowPort* propertyWindow = nullptr;
  FileDialogPort* fileDialog = nullptr;
  RecentKeyPort* recentKey = nullptr;
  MenuWindowsPort* menuWindows = nullptr;
  process::ProgramPort* programs = nullptr;
};

// The active window or object changed: the property window reloads, or without one the
// main window's commands follow.
void changeActiveObject(EditorState& state);

}  // namespace pemo::editor
