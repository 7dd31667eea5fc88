#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/document/test_run.h"
#include "editor/workspace/tests/workspace_fixture.h"
#include "platform/testing/temp_dir.h"
#include "platform/text/cp932.h"

namespace pemo::editor {
namespace {

using pemo::testing::readFileBytes;

class TestRunTest : public WorkspaceTest {
 protected:
  TestRunTest() {
    workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
    document = menuWindows.documents()[0];
    document->changed = true;
  }
  bool handOverExists() { return std::filesystem::exists(dir / "!.tmp") || std::filesystem::exists(dir / "!.src"); }
  MenuDocument* document = nullptr;
};

TEST_F(TestRunTest, HandsTheMenuOverAndCleansUpWhenTheRuntimeEnds) {
  std::ofstream(document->scriptWorkFile) << "SUB MENU_LOAD()\n' 日本\nEND SUB\n";
  workspace.run(EditorCommand::RunStart, CommandSource::Toolbar);
  ASSERT_EQ(programs.started.size(), 1u);
  EXPECT_EQ(programs.started[0], "\"" + state.appFolder + "PEMO.EXE\" \xFF");
  EXPECT_NE(readFileBytes(dir / "!.tmp").find("BEGIN MENU"), std::string::npos);
  EXPECT_EQ(readFileBytes(dir / "!.src"),
            "SUB MENU_LOAD()\r\n' " + text::utf8ToCp932("日本") + "\r\nEND SUB\r\n");
  EXPECT_TRUE(state.testRunActive);
  EXPECT_TRUE(document->beingTestRun);
  EXPECT_TRUE(view.commands.isEnabled(Command::RunStop));
  EXPECT_FALSE(view.commands.isEnabled(Command::RunStart));
  // F5 during the run starts nothing.
  workspace.run(*menuWindowKeyCommand(kKeyF5, 0), CommandSource::MenuWindow);
  EXPECT_EQ(programs.started.size(), 1u);

  programs.finish(programs.lastPid, 0);
  EXPECT_FALSE(handOverExists());
  EXPECT_FALSE(state.testRunActive);
  EXPECT_FALSE(document->beingTestRun);
  EXPECT_TRUE(view.commands.isEnabled(Command::RunStart));
  EXPECT_FALSE(view.commands.isEnabled(Command::RunStop));
  // A test run is no save.
  EXPECT_TRUE(document->changed);
  EXPECT_EQ(recentKey.opens, 0);
}

TEST_F(TestRunTest, StoppingTwiceAndTheLateEndLeaveOneIdleState) {
  workspace.run(EditorCommand::RunStart, CommandSource::MainMenu);
  EXPECT_EQ(readFileBytes(dir / "!.src"), "");  // a new menu has no script yet
  long first = programs.lastPid;
  workspace.run(EditorCommand::RunStop, CommandSource::MainMenu);
  workspace.run(EditorCommand::RunStop, CommandSource::Toolbar);
  EXPECT_EQ(programs.terminated, (std::vector<long>{first}));
  EXPECT_FALSE(handOverExists());
  EXPECT_TRUE(shown.shown.empty());

  // A second run; closing the window being run stops it first.
  workspace.run(EditorCommand::RunStart, CommandSource::MainMenu);
  EXPECT_TRUE(state.testRunActive);
  shown.answers = {ui::kNo};
  ASSERT_TRUE(menuWindows.closeMenuWindow(*document));
  EXPECT_FALSE(state.testRunActive);
  EXPECT_FALSE(handOverExists());
}

TEST_F(TestRunTest, NoRuntimeMeansAMessageAndNoHandOverFiles) {
  programs.refuseAll = true;
  workspace.run(EditorCommand::RunStart, CommandSource::MainMenu);
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].prompt, state.appFolder + "PEMO.EXE\rﾌﾟﾛｸﾞﾗﾑを起動できません");
  EXPECT_FALSE(handOverExists());
  EXPECT_FALSE(state.testRunActive);
  EXPECT_FALSE(document->beingTestRun);
}

}  // namespace
}  // namespace pemo::editor
