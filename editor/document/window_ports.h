#pragma once
// What the menu documents need of the editor's windows. The windows implement these;
// the document logic and its tests talk only to the interfaces.
#include <optional>
#include <string>

namespace pemo::editor {

// The main window.
class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  // Rebuilds the File menu's recent-file items from the Recent key and reloads
  // EditorState::recentFiles from it.
  virtual void setRecentMenu() = 0;
  // Enables and disables the menu items and toolbar buttons from the editor state.
  virtual void changeMainSetting() = 0;
  // The main window's caption ("PemoEdit - " and the path).
  virtual void setCaption(const std::string& caption) = 0;
  // Switches the Run menu items and toolbar buttons between idle and test run.
  virtual void showRunState(bool running) = 0;
};

// The bits of a file dialog request's flags, numbered as the platform's dialogs had them.
inline constexpr int kAskBeforeOverwrite = 0x0002;
inline constexpr int kHideReadOnlyBox = 0x0004;
inline constexpr int kKeepCurrentFolder = 0x0008;
inline constexpr int kPathMustExist = 0x0800;
inline constexpr int kFileMustExist = 0x1000;

// The main window's open and save dialogs. nullopt when the user cancels.
class FileDialogPort {
 public:
  virtual ~FileDialogPort() = default;
  struct Request {
    int flags = 0;
    std::string title;
    std::string filter;
    std::string fileName;
    // Where the dialog starts (a Windows folder); empty: where the last one ended.
    std::string folder;
  };
  virtual std::optional<std::string> showOpen(const Request& request) = 0;
  virtual std::optional<std::string> showSave(const Request& request) = 0;
};

// The property window.
class PropertyWindowPort {
 public:
  virtual ~PropertyWindowPort() = default;
  // Reloads the property grid after the active window or object changed.
  virtual void changeActiveObject() = 0;
  // Writes a value typed into the grid, and not yet written, to what the grid shows.
  // Every command calls it before it acts, so that no typed value is lost or lands on
  // another object.
  virtual void commitPendingRow() {}
};

}  // namespace pemo::editor
