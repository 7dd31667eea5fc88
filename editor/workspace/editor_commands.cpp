#include "editor/workspace/editor_commands.h"

namespace pemo::editor {

std::optional<EditorCommand> menuWindowKeyCommand(int keyCode, int shift) {
  switch (keyCode) {
    case kKeyDelete: return EditorCommand::Delete;
    case kKeyF1: return EditorCommand::Help;
    case kKeyF5: return EditorCommand::RunStart;
  }
  if (shift != kCtrlBit) return std::nullopt;
  switch (keyCode) {
    case 'C': return EditorCommand::Copy;
    case 'E': return EditorCommand::EditScript;
    case 'N': return EditorCommand::NewMenu;
    case 'O': return EditorCommand::OpenMenu;
    case 'P': return EditorCommand::ShowProperties;
    case 'S': return EditorCommand::SaveMenu;
    case 'V': return EditorCommand::Paste;
    case 'X': return EditorCommand::Cut;
  }
  return std::nullopt;
}

}  // namespace pemo::editor
