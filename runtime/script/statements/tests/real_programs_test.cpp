// EXECUTE with real programs: started without a shell, reaped, and waited for while the
// window's event loop keeps running.
#include <gtest/gtest.h>

#include <QTimer>
#include <filesystem>

#include "platform/process/child_processes.h"
#include "platform/process/qt_programs.h"
#include "runtime/script/statements/tests/statement_fixture.h"

namespace pemo::script::statements {
namespace {

using testing::StatementFixture;
using testing::TempDrive;
using Lines = std::vector<std::string>;

void writeProgram(const TempDrive& t, const std::string& name, const std::string& body) {
  t.write(name, "#!/bin/sh\n" + body + "\n");
  std::filesystem::permissions(t / name, std::filesystem::perms::owner_all);
}

TEST(RealPrograms, WaitKeepsTheWindowLiveAndKeepsTheExitCode) {
  TempDrive t;
  writeProgram(t, "job.sh", "sleep 0.3\nexit 7");
  process::QtPrograms programs;
  StatementFixture f(&programs);
  f.host.drive = "T:";
  bool timerRan = false;
  QTimer::singleShot(50, [&timerRan] { timerRan = true; });
  EXPECT_EQ(f.run({"EXECUTE \"\\job.sh\" /W", "MSGBOX GETEXITCODE()"}), Lines{"7"});
  EXPECT_TRUE(timerRan);  // the event loop ran while the script waited
  EXPECT_TRUE(f.errors().empty());
}

TEST(RealPrograms, ExitCodeWhileRunningAndAfter) {
  TempDrive t;
  writeProgram(t, "slow.sh", "sleep 1\nexit 3");
  process::QtPrograms programs;
  StatementFixture f(&programs);
  EXPECT_EQ(f.run({"EXECUTE \"T:\\slow.sh\"", "MSGBOX GETEXITCODE()"}), Lines{"259"});
  process::blockUntilExited(f.statements.lastProcessId());
  EXPECT_EQ(f.run({"MSGBOX GETEXITCODE()"}), Lines{"3"});
  // Arguments are split by the Windows rules, never by a shell.
  writeProgram(t, "args.sh", "printf '%s|' \"$@\" > \"$(dirname \"$0\")/args.txt\"");
  f.run({"EXECUTE \"T:\\args.sh a;b \" & \"$HOME\" & \" c\" /W"});
  EXPECT_EQ(t.read("args.txt"), "a;b|$HOME|c|");
  f.run({"EXECUTE \"T:\\no such program\""});
  EXPECT_EQ(f.errors().size(), 1u);
}

}  // namespace
}  // namespace pemo::script::statements
