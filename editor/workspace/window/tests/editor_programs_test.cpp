// The editor with real programs: a stand-in script editor and a stand-in runtime.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QTest>
#include <filesystem>

#include "editor/document/tests/document_fixture.h"
#include "editor/workspace/window/editor_windows.h"
#include "platform/fs/windows_path.h"
#include "platform/process/qt_programs.h"

namespace pemo::editor {
namespace {

using pemo::testing::readFileBytes;
using pemo::testing::writeFileBytes;

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class EditorProgramsTest : public DocumentTest {
 protected:
  EditorProgramsTest() {
    state.appFolder = fs::toWindowsPath(dir.path().string()) + "\\";
    state.programs = &programs;
    windows.start();
    windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
    document = state.activeDocument;
  }
  ~EditorProgramsTest() override {
    shown.answers.assign(10, ui::kNo);
    windows.mainWindow.close();
  }
  // A shell script standing in for a program.
  std::filesystem::path standIn(const std::string& name, const std::string& body) {
    auto file = dir / name;
    writeFileBytes(file, "#!/bin/sh\n" + body);
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    return file;
  }
  // Lets the event loop run until the condition holds; false after ten seconds.
  template <typename Condition>
  bool waitFor(Condition condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
      if (timer.elapsed() > 10000) return false;
      QTest::qWait(50);
    }
    return true;
  }
  bool handOverExists() { return std::filesystem::exists(dir / "!.tmp") || std::filesystem::exists(dir / "!.src"); }

  process::QtPrograms programs;
  EditorWindows windows{state};
  MenuDocument* document = nullptr;
};

TEST_F(EditorProgramsTest, TheScriptEditorIsAwaitedWithoutSpinning) {
  state.scriptEditorPath = standIn("editor", "sleep 1\necho \"' edited\" >> \"$1\"\n").string();
  QAction* editButton = windows.mainWindow.toolButton(21);
  ASSERT_TRUE(editButton->isEnabled());
  QTest::qWait(300);  // the windows' first paint is no part of the wait
  editButton->trigger();
  EXPECT_TRUE(document->scriptBeingEdited);
  EXPECT_FALSE(editButton->isEnabled());
  double cpuBefore = cpuSeconds();
  QElapsedTimer wall;
  wall.start();
  ASSERT_TRUE(waitFor([&] { return !document->scriptBeingEdited; }));
  double share = (cpuSeconds() - cpuBefore) / (wall.elapsed() / 1000.0);
  std::printf("CPU while the script editor ran: %.2f %%\n", share * 100);
  EXPECT_LT(share, 0.10);  // a spinning wait takes a whole core
  EXPECT_TRUE(editButton->isEnabled());
  EXPECT_TRUE(document->changed);
}

TEST_F(EditorProgramsTest, ATestRunHandsOverAndCleansUpHoweverItEnds) {
  standIn("pemo", "printf '%s' \"$1\" > \"$(dirname \"$0\")/argument\"\nexec sleep 30\n");
  windows.workspace.run(EditorCommand::RunStart, CommandSource::Toolbar);
  ASSERT_TRUE(state.testRunActive) << (shown.shown.empty() ? "" : shown.shown[0].prompt);
  ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(dir / "argument"); }));
  ASSERT_TRUE(waitFor([&] { return readFileBytes(dir / "argument") == "\xFF"; }));
  EXPECT_TRUE(handOverExists());
  EXPECT_TRUE(windows.mainWindow.toolButton(24)->isEnabled());
  long pid = state.testRunProcessId;
  windows.mainWindow.toolButton(24)->trigger();
  windows.workspace.run(EditorCommand::RunStop, CommandSource::MainMenu);
  EXPECT_FALSE(handOverExists());
  EXPECT_FALSE(state.testRunActive);
  EXPECT_TRUE(waitFor([&] { return !programs.isRunning(pid); }));
  EXPECT_TRUE(windows.mainWindow.toolButton(23)->isEnabled());

  // A runtime that ends by itself ends the run.
  standIn("pemo", "exit 0\n");
  windows.workspace.run(EditorCommand::RunStart, CommandSource::MainMenu);
  ASSERT_TRUE(waitFor([&] { return !state.testRunActive; }));
  EXPECT_FALSE(handOverExists());
  EXPECT_FALSE(document->beingTestRun);
  EXPECT_TRUE(shown.shown.empty());
}

}  // namespace
}  // namespace pemo::editor
