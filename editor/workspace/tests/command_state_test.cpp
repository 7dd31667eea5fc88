#include <gtest/gtest.h>

#include "editor/workspace/command_state.h"
#include "editor/workspace/editor_commands.h"

namespace pemo::editor {
namespace {

TEST(CommandState, FollowsTheActiveMenuObjectScriptRunAndClipboard) {
  EditorState state;
  CommandState all;
  all.enabled.fill(true);
  all.lockChecked = true;

  // No menu window: every document command off, the lock unchecked.
  CommandState none = commandStateFor(state, all);
  for (Command command : {Command::CloseMenu, Command::SaveMenus, Command::AddObject, Command::Lock,
                          Command::Copy, Command::Cut, Command::Paste, Command::EditScript,
                          Command::RunStart, Command::RunStop})
    EXPECT_FALSE(none.isEnabled(command)) << static_cast<int>(command);
  EXPECT_FALSE(none.lockChecked);
  EXPECT_TRUE(none.isEnabled(Command::SaveAllButton));  // its own events switch it

  // The menu itself active: copy and cut off, paste only with something copied.
  MenuDocument document;
  state.activeMenuWindow = 7;
  state.activeDocument = &document;
  CommandState menu = commandStateFor(state, none);
  EXPECT_TRUE(menu.isEnabled(Command::AddObject));
  EXPECT_TRUE(menu.isEnabled(Command::EditScript));
  EXPECT_TRUE(menu.isEnabled(Command::RunStart));
  EXPECT_FALSE(menu.isEnabled(Command::RunStop));
  EXPECT_FALSE(menu.isEnabled(Command::Copy));
  EXPECT_FALSE(menu.isEnabled(Command::Paste));
  state.clipboardFilled = true;
  state.activeObject = {ObjectKind::Button, 1};
  CommandState object = commandStateFor(state, menu);
  EXPECT_TRUE(object.isEnabled(Command::Copy));
  EXPECT_TRUE(object.isEnabled(Command::Cut));
  EXPECT_TRUE(object.isEnabled(Command::Paste));

  // The script being edited disables its command; a run keeps its own switch.
  document.scriptBeingEdited = true;
  state.testRunActive = true;
  CommandState running = commandStateFor(state, withRunState(object, true));
  EXPECT_FALSE(running.isEnabled(Command::EditScript));
  EXPECT_FALSE(running.isEnabled(Command::RunStart));
  EXPECT_TRUE(running.isEnabled(Command::RunStop));
  // Even with no menu window active the running test can be stopped.
  state.activeMenuWindow = 0;
  EXPECT_TRUE(commandStateFor(state, running).isEnabled(Command::RunStop));
}

TEST(CommandState, MenuWindowKeysNeedExactlyCtrlForLetters) {
  EXPECT_EQ(menuWindowKeyCommand('S', kCtrlBit), EditorCommand::SaveMenu);
  EXPECT_FALSE(menuWindowKeyCommand('S', kCtrlBit | kShiftBit));
  EXPECT_FALSE(menuWindowKeyCommand('S', 0));
  EXPECT_FALSE(menuWindowKeyCommand('Z', kCtrlBit));
  EXPECT_EQ(menuWindowKeyCommand(kKeyF5, kShiftBit), EditorCommand::RunStart);
  EXPECT_EQ(menuWindowKeyCommand(kKeyDelete, 0), EditorCommand::Delete);
  EXPECT_EQ(menuWindowKeyCommand('E', kCtrlBit), EditorCommand::EditScript);
}

}  // namespace
}  // namespace pemo::editor
