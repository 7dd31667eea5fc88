#pragma once
// Every command of the editor, as the main window's menus and toolbar and a menu
// window's keys and popup menu reach it.
#include <optional>

namespace pemo::editor {

enum class EditorCommand {
  NewMenu,
  OpenMenu,
  CloseMenu,
  SaveAllMenus,
  SaveAllMenusAs,
  SaveMenu,
  SaveMenuAs,
  OpenRecent,  // argument: the slot, 0 for the most recent
  Exit,
  ShowProperties,
  AddObject,   // argument: the add-object code, 0 label to 7 combo box
  ToggleLock,
  Copy,
  Cut,
  Paste,
  Delete,
  EditScript,
  SetEditor,
  RunStart,
  RunStop,
  Help,
  About,
};

// The Windows shift bits and key codes, which the Qt layer translates to.
inline constexpr int kShiftBit = 1;
inline constexpr int kCtrlBit = 2;
inline constexpr int kAltBit = 4;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF5 = 116;

// The command of a key pressed in a menu window: Delete, F1 and F5 alone, and the Ctrl
// letters only with Ctrl and neither Shift nor Alt.
std::optional<EditorCommand> menuWindowKeyCommand(int keyCode, int shift);

}  // namespace pemo::editor
