#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/document/file_commands.h"
#include "editor/workspace/editor_settings.h"
#include "editor/workspace/tests/workspace_fixture.h"
#include "platform/testing/temp_dir.h"

namespace pemo::editor {
namespace {

using pemo::testing::readFileBytes;

TEST_F(WorkspaceTest, NewMenusAreNumberedAfterTheOpenOnes) {
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  workspace.run(EditorCommand::NewMenu, CommandSource::Toolbar);
  workspace.run(EditorCommand::NewMenu, CommandSource::MenuWindow);
  auto documents = menuWindows.documents();
  ASSERT_EQ(documents.size(), 3u);
  EXPECT_EQ(documents[2]->caption, "MENU3");
  EXPECT_EQ(view.caption, "PemoEdit - 新規ﾒﾆｭｰ(MENU3)");
  EXPECT_TRUE(view.commands.isEnabled(Command::SaveMenus));
  std::filesystem::path workFile = documents[0]->scriptWorkFile;
  ASSERT_TRUE(menuWindows.closeMenuWindow(*documents[0]));
  EXPECT_FALSE(std::filesystem::exists(workFile));
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  EXPECT_EQ(menuWindows.documents().back()->caption, "MENU3");  // two MENU windows open
}

TEST_F(WorkspaceTest, ClosingAllStopsAtCancelAfterSavingTheWindowBeingClosed) {
  for (int i = 0; i < 3; ++i) {
    workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
    menuWindows.documents().back()->changed = true;
  }
  auto documents = menuWindows.documents();
  // The third window is the active one; "Yes" must save the first, which is closing.
  dialog.answers = {windowsPath("FIRST")};
  shown.answers = {ui::kYes, ui::kCancel};
  EXPECT_FALSE(workspace.mainWindowMayClose());
  ASSERT_EQ(shown.shown.size(), 2u);
  EXPECT_EQ(shown.shown[0].prompt, "[MENU1]は変更されています。\r保存しますか？");
  EXPECT_EQ(shown.shown[0].style, ui::kYesNoCancel | ui::kExclamation);
  EXPECT_EQ(dialog.requests[0].fileName, "MENU1");
  EXPECT_TRUE(std::filesystem::exists(dir / "FIRST.FIL"));
  EXPECT_NE(readFileBytes(dir / "FIRST.FIL").find("CAPTION=MENU1"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "MENU3.FIL"));
  auto open = menuWindows.documents();
  EXPECT_EQ(open, (std::vector<MenuDocument*>{documents[1], documents[2]}));
  EXPECT_EQ(state.closeAllState, CloseAllState::Cancelled);
  EXPECT_TRUE(documents[1]->changed);
}

TEST_F(WorkspaceTest, AFailedSaveInTheClosePromptKeepsTheWindow) {
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuDocument& document = *menuWindows.documents()[0];
  document.changed = true;
  shown.answers = {ui::kYes, ui::kYes};
  EXPECT_FALSE(menuWindows.closeMenuWindow(document));  // dialog cancelled
  dialog.answers = {windowsPath("no/such/folder/A.FIL")};
  EXPECT_FALSE(menuWindows.closeMenuWindow(document));  // write failed
  EXPECT_EQ(menuWindows.documents().size(), 1u);
  EXPECT_TRUE(document.changed);
  shown.answers = {ui::kNo};
  EXPECT_TRUE(menuWindows.closeMenuWindow(document));
  EXPECT_EQ(state.activeMenuWindow, 0u);
  EXPECT_FALSE(view.commands.isEnabled(Command::SaveMenus));
}

TEST_F(WorkspaceTest, ScriptEditingGatesSavesClosesAndASecondEditor) {
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuDocument& document = *menuWindows.documents()[0];
  state.scriptEditorPath = "C:\\EDIT.EXE";
  workspace.run(EditorCommand::EditScript, CommandSource::Toolbar);
  ASSERT_EQ(programs.started.size(), 1u);
  EXPECT_EQ(programs.started[0], "\"C:\\EDIT.EXE\" \"" + document.scriptWorkFile.string() + "\"");
  EXPECT_TRUE(document.scriptBeingEdited);
  EXPECT_FALSE(view.commands.isEnabled(Command::EditScript));

  auto key = menuWindowKeyCommand('E', kCtrlBit);
  workspace.run(*key, CommandSource::MenuWindow);  // a second editor would share the file
  EXPECT_EQ(programs.started.size(), 1u);
  workspace.run(EditorCommand::SaveAllMenus, CommandSource::MainMenu);
  workspace.run(EditorCommand::SaveMenu, CommandSource::MenuWindow);
  EXPECT_FALSE(workspace.mainWindowMayClose());
  EXPECT_FALSE(menuWindows.closeMenuWindow(document));
  EXPECT_EQ(shown.shown.size(), 4u);
  for (auto& message : shown.shown) EXPECT_EQ(message.prompt, "ｽｸﾘﾌﾟﾄを編集中です");
  EXPECT_TRUE(dialog.requests.empty());

  // The editor saved a changed script: the menu must ask before its work file goes.
  std::ofstream(document.scriptWorkFile, std::ios::app) << "SUB MENU_LOAD()\r\nEND SUB\r\n";
  EXPECT_FALSE(document.changed);
  programs.finish(programs.lastPid, 0);
  EXPECT_FALSE(document.scriptBeingEdited);
  EXPECT_TRUE(document.changed);
  EXPECT_TRUE(view.commands.isEnabled(Command::EditScript));
}

TEST_F(WorkspaceTest, AnEditorThatCannotStartChangesNothing) {
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  state.scriptEditorPath = "C:\\NONE.EXE";
  programs.refuseAll = true;
  workspace.run(EditorCommand::EditScript, CommandSource::MainMenu);
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].prompt, "C:\\NONE.EXE\rﾌﾟﾛｸﾞﾗﾑを起動できません");
  EXPECT_FALSE(menuWindows.documents()[0]->scriptBeingEdited);
}

TEST_F(WorkspaceTest, ActivatingAnotherMenuWindowMakesItsMenuActive) {
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  auto documents = menuWindows.documents();
  documents[0]->locked = true;
  state.activeObject = {ObjectKind::Button, 3};
  menuWindows.activate(*documents[0]);
  EXPECT_EQ(state.activeDocument, documents[0]);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Menu, 0}));
  EXPECT_TRUE(view.commands.lockChecked);
  EXPECT_FALSE(view.commands.isEnabled(Command::Copy));
  EXPECT_EQ(view.caption, "PemoEdit - 新規ﾒﾆｭｰ(MENU1)");

  // Re-activating the same window (from the property window) keeps its object.
  state.activeObject = {ObjectKind::Label, 1};
  menuWindows.activate(*documents[0]);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Label, 1}));

  workspace.run(EditorCommand::ToggleLock, CommandSource::MainMenu);
  EXPECT_FALSE(documents[0]->locked);
  EXPECT_FALSE(view.commands.lockChecked);
}

TEST_F(WorkspaceTest, ClosingTheActiveMenuWindowHandsTheMenuToTheOneActiveBefore) {
  for (int i = 0; i < 3; ++i) workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  auto documents = menuWindows.documents();
  menuWindows.activate(*documents[0]);  // last active: MENU2, MENU3, MENU1
  state.activeObject = {ObjectKind::Label, 1};

  ASSERT_TRUE(menuWindows.closeMenuWindow(*documents[0]));
  EXPECT_EQ(menuWindows.broughtToFront, std::vector<MenuDocument*>{documents[2]});
  EXPECT_EQ(state.activeDocument, documents[2]);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Menu, 0}));
  EXPECT_EQ(view.caption, "PemoEdit - 新規ﾒﾆｭｰ(MENU3)");
  for (Command command : {Command::SaveMenus, Command::AddObject, Command::EditScript, Command::RunStart,
                          Command::SaveAllButton, Command::CloseMenu})
    EXPECT_TRUE(view.commands.isEnabled(command)) << static_cast<int>(command);

  // A window behind the active one closes: the active menu stays where it is.
  ASSERT_TRUE(menuWindows.closeMenuWindow(*documents[1]));
  EXPECT_EQ(menuWindows.broughtToFront.size(), 1u);
  EXPECT_EQ(state.activeDocument, documents[2]);
  EXPECT_EQ(view.caption, "PemoEdit - 新規ﾒﾆｭｰ(MENU3)");

  // The last one: nothing is left to name.
  ASSERT_TRUE(menuWindows.closeMenuWindow(*documents[2]));
  EXPECT_EQ(state.activeDocument, nullptr);
  EXPECT_EQ(view.caption, "PemoEdit");
  EXPECT_FALSE(view.commands.isEnabled(Command::SaveMenus));
  EXPECT_FALSE(view.commands.isEnabled(Command::SaveAllButton));
}

TEST_F(WorkspaceTest, MainWindowActivationKeepsTheCaptionWhileAMenuIsOpen) {
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  workspace.mainWindowActivated();
  EXPECT_EQ(view.caption, "PemoEdit - 新規ﾒﾆｭｰ(MENU1)");
  EXPECT_TRUE(view.commands.isEnabled(Command::SaveAllButton));
  shown.answers = {ui::kNo};
  ASSERT_TRUE(workspace.mainWindowMayClose());
  workspace.mainWindowActivated();
  EXPECT_EQ(view.caption, "PemoEdit");
  EXPECT_FALSE(view.commands.isEnabled(Command::SaveAllButton));
}

TEST_F(WorkspaceTest, SavingNamesTheFileAndListsItAsRecent) {
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuDocument& document = *menuWindows.documents()[0];
  dialog.answers = {windowsPath("typed")};
  workspace.run(EditorCommand::SaveMenu, CommandSource::MenuWindow);
  EXPECT_EQ(document.filePath, windowsPath("typed") + ".FIL");
  EXPECT_EQ(view.caption, "PemoEdit - " + document.filePath);
  EXPECT_EQ(dialog.requests[0].title, "名前を付けてﾌｧｲﾙの保存");
  EXPECT_EQ(dialog.requests[0].filter, "ﾒﾆｭｰﾌｧｲﾙ(*.FIL)|*.FIL");
  ASSERT_EQ(recentKey.stored.size(), 1u);
  // Ctrl+Shift+S is no command; Ctrl+S writes without asking again.
  EXPECT_FALSE(menuWindowKeyCommand('S', kCtrlBit | kShiftBit));
  document.changed = true;
  workspace.run(EditorCommand::SaveMenu, CommandSource::MenuWindow);
  EXPECT_EQ(dialog.requests.size(), 1u);
  EXPECT_FALSE(document.changed);
}

TEST_F(WorkspaceTest, FileDialogsStartInTheFolderOfTheLastFileOpenedOrSaved) {
  std::filesystem::create_directories(path("a"));
  std::filesystem::create_directories(path("b"));
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  dialog.answers = {windowsPath("a/first")};  // a full path typed into the dialog
  workspace.run(EditorCommand::SaveMenuAs, CommandSource::MainMenu);
  workspace.run(EditorCommand::OpenMenu, CommandSource::MainMenu);
  EXPECT_EQ(dialog.requests.back().folder, windowsPath("a"));

  std::filesystem::copy_file(path("a/first.FIL"), path("b/second.fil"));
  dialog.answers = {windowsPath("b/second.fil")};
  workspace.run(EditorCommand::OpenMenu, CommandSource::MainMenu);
  workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  workspace.run(EditorCommand::SaveMenu, CommandSource::MainMenu);
  EXPECT_EQ(dialog.requests.back().folder, windowsPath("b"));

  // A file that could not be read moves nothing; a host path counts by its folder.
  menuWindows.openMenuWindow(windowsPath("a/missing.fil"), "");
  workspace.run(EditorCommand::OpenMenu, CommandSource::MainMenu);
  EXPECT_EQ(dialog.requests.back().folder, windowsPath("b"));
  menuWindows.openMenuWindow(path("a/first.FIL"), "");
  workspace.run(EditorCommand::OpenMenu, CommandSource::MainMenu);
  EXPECT_EQ(dialog.requests.back().folder, windowsPath("a"));
}

TEST_F(WorkspaceTest, RecentItemsOpenOnlyExistingFiles) {
  std::string gone = windowsPath("GONE.FIL");
  recentKey.stored = {{"1", gone}};
  workspace.setRecentMenu();
  EXPECT_EQ(view.recentItems, (std::vector<std::string>{"&1 " + gone}));
  workspace.run(EditorCommand::OpenRecent, CommandSource::MainMenu, 0);
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].prompt, "ﾌｧｲﾙ " + gone + " は存在しません。");
  EXPECT_TRUE(menuWindows.documents().empty());

  recentKey.stored.clear();
  workspace.setRecentMenu();
  EXPECT_TRUE(view.recentItems.empty());
}

TEST_F(WorkspaceTest, HelpOpensTheEditorsDocumentOrSaysSo) {
  workspace.run(EditorCommand::Help, CommandSource::MenuWindow);
  EXPECT_EQ(programs.opened, (std::vector<std::string>{state.appFolder + "doc\\pemokuji.html"}));
  programs.finish(programs.lastPid, 0);
  EXPECT_TRUE(shown.shown.empty());
  workspace.run(EditorCommand::Help, CommandSource::MainMenu);
  programs.finish(programs.lastPid, 4);  // no viewer took the page
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].prompt, "HTMLﾄﾞｷｭﾒﾝﾄを開けません");
  programs.refuseAll = true;
  workspace.run(EditorCommand::Help, CommandSource::MainMenu);
  ASSERT_EQ(shown.shown.size(), 2u);
  EXPECT_EQ(shown.shown[1].prompt, "HTMLﾄﾞｷｭﾒﾝﾄを開けません");
}

TEST(EditorSettings, ScriptEditorDefaultsToNotepadUntilSaved) {
  pemo::testing::ConfigFolder firstStart;
  EXPECT_FALSE(settingsWereSaved());
  std::string notepad = loadScriptEditorPath();
  EXPECT_TRUE(notepad.ends_with("\\NOTEPAD.EXE")) << notepad;
  saveScriptEditorPath("C:\\TOOLS\\ED.EXE");
  EXPECT_TRUE(settingsWereSaved());
  EXPECT_EQ(loadScriptEditorPath(), "C:\\TOOLS\\ED.EXE");
  saveScriptEditorPath("");
  EXPECT_EQ(loadScriptEditorPath(), notepad);
  EXPECT_EQ(withMenuFileExtension("C:\\A\\NEW"), "C:\\A\\NEW.FIL");
  EXPECT_EQ(withMenuFileExtension("C:\\A.B\\NEW.fil"), "C:\\A.B\\NEW.fil");
  EXPECT_EQ(withMenuFileExtension("C:\\A.B\\NEW"), "C:\\A.B\\NEW.FIL");
}

}  // namespace
}  // namespace pemo::editor
