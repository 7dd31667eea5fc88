#pragma once
// Which of the main window's commands are enabled, worked out from the editor state.
// Each command stands for its menu item and its toolbar buttons, which always switch
// together.
#include <array>

#include "editor/document/editor_state.h"

namespace pemo::editor {

enum class Command {
  CloseMenu,      // File: close the active menu
  SaveMenus,      // File: the four save commands
  AddObject,      // Edit: add object; toolbar: the eight kinds
  Lock,           // Edit: lock the objects' positions
  Copy,           // Edit, toolbar
  Cut,            // Edit, toolbar
  Paste,          // Edit, toolbar
  EditScript,     // Script: edit; toolbar
  RunStart,       // Run: start; toolbar
  RunStop,        // Run: stop; toolbar
  SaveAllButton,  // toolbar: save all (the File items stay enabled)
  Count
};

struct CommandState {
  std::array<bool, static_cast<size_t>(Command::Count)> enabled{};
  bool lockChecked = false;

  bool isEnabled(Command command) const { return enabled[static_cast<size_t>(command)]; }
  void set(Command command, bool on) { enabled[static_cast<size_t>(command)] = on; }
  bool operator==(const CommandState&) const = default;
};

// The commands as the main window starts: nothing that needs a menu window.
CommandState startupCommandState();

// The commands after a change of the active window, object or selection. The Run
// commands are left as the test run switched them while one is active, and the toolbar's
// save-all button and the lock's check mark as their own events set them.
CommandState commandStateFor(const EditorState& state, CommandState current);

// A menu window's popup on its empty surface: copy, cut and delete off, the rest from the
// clipboard, the window's script and its lock.
struct SurfacePopupState {
  bool paste = false;
  bool editScript = false;
  bool lockChecked = false;
};
SurfacePopupState surfacePopupState(const EditorState& state, const MenuDocument& document);

// The test run's switch: start off and stop on while running, and back.
CommandState withRunState(CommandState current, bool running);

}  // namespace pemo::editor
