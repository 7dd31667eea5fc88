#include "editor/workspace/command_state.h"

namespace pemo::editor {

CommandState startupCommandState() { return CommandState{}; }

CommandState commandStateFor(const EditorState& state, CommandState commands) {
  const MenuDocument* active = state.activeMenuWindow ? state.activeDocument : nullptr;
  bool open = active != nullptr;
  for (Command command : {Command::CloseMenu, Command::SaveMenus, Command::AddObject, Command::Lock})
    commands.set(command, open);
  if (!open) commands.lockChecked = false;
  commands.set(Command::EditScript, open && !active->scriptBeingEdited);
  // While a run is active its stop stays reachable, whichever window is active.
  if (!state.testRunActive) {
    commands.set(Command::RunStart, open);
    commands.set(Command::RunStop, false);
  }
  bool objectActive = open && state.activeObject.kind != ObjectKind::Menu;
  commands.set(Command::Copy, objectActive);
  commands.set(Command::Cut, objectActive);
  commands.set(Command::Paste, open && state.clipboardFilled);
  return commands;
}

SurfacePopupState surfacePopupState(const EditorState& state, const MenuDocument& document) {
  return {state.clipboardFilled, !document.scriptBeingEdited, document.locked};
}

CommandState withRunState(CommandState commands, bool running) {
  commands.set(Command::RunStart, !running);
  commands.set(Command::RunStop, running);
  return commands;
}

}  // namespace pemo::editor
