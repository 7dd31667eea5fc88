#include <gtest/gtest.h>

#include "runtime/script/statements/statement_messages.h"
#include "runtime/script/statements/tests/statement_fixture.h"

namespace pemo::script::statements {
namespace {

using testing::quotedError;
using testing::StatementFixture;
using Lines = std::vector<std::string>;

TEST(Execute, CommandAndOptionSplitAtTheFirstSlashOutsideQuotes) {
  EXPECT_EQ(splitCommandAndOption("\"a.exe\" /W").command, "\"a.exe\" ");
  EXPECT_EQ(splitCommandAndOption("\"a.exe\" /W").option, "W");
  EXPECT_EQ(splitCommandAndOption("\"cmd /c x\"").option, "");
  EXPECT_EQ(splitCommandAndOption("\"cmd /c x\"").command, "\"cmd /c x\"");
  EXPECT_EQ(splitCommandAndOption("a / W/x").option, " W/x");
}

TEST(Execute, WaitsOnlyForTheOptionW) {
  StatementFixture f;
  f.host.drive = "D:";
  f.run({"EXECUTE \"prog a\" /W", "EXECUTE \"prog b\" /w", "EXECUTE \"prog c\" / W", "EXECUTE \"prog d\"",
         "EXECUTE \"prog e /c\"", "EXECUTE \"\\bin\\prog f\""});
  EXPECT_EQ(f.programs.started, (Lines{"prog a", "prog b", "prog c", "prog d", "prog e /c", "D:\\bin\\prog f"}));
  EXPECT_EQ(f.programs.waited, (std::vector<long>{1000, 1001}));
  EXPECT_EQ(f.statements.lastProcessId(), 1005);
  EXPECT_TRUE(f.errors().empty());
}

TEST(Execute, FailuresEndTheSub) {
  StatementFixture f;
  f.host.drive = "D:";
  f.programs.refuseAll = true;
  EXPECT_TRUE(f.run({"EXECUTE \"\\bin\\none\" /W", "MSGBOX \"not reached\""}).empty());
  EXPECT_EQ(f.errors(), Lines{quotedError("D:\\bin\\none", msg::kExecuteFailed)});
  EXPECT_EQ(f.statements.lastProcessId(), 0);

  // A command that fails to evaluate is reported by the evaluator and never started as
  // the raw text left behind.
  StatementFixture g;
  EXPECT_TRUE(g.run({"EXECUTE LABEL(9).CAPTION /W", "MSGBOX \"not reached\""}).empty());
  EXPECT_TRUE(g.programs.started.empty());
  EXPECT_EQ(g.errors().size(), 1u);
}

TEST(Execute, ExitCodeBeforeDuringAndAfterARun) {
  StatementFixture f;
  EXPECT_EQ(f.run({"MSGBOX GETEXITCODE()"}), Lines{"0"});
  EXPECT_EQ(f.run({"EXECUTE \"long job\"", "MSGBOX GETEXITCODE()"}), Lines{"259"});
  // The id is kept across events: a later SUB polls the same program.
  EXPECT_EQ(f.run({"MSGBOX GETEXITCODE()"}), Lines{"259"});
  f.programs.finish(1000, 3);
  EXPECT_EQ(f.run({"MSGBOX GETEXITCODE()"}), Lines{"3"});
  f.programs.exitCodeOnWait = 7;
  EXPECT_EQ(f.run({"EXECUTE \"short job\" /W", "MSGBOX GETEXITCODE()"}), Lines{"7"});
  // An exit code that cannot be read is "0".
  f.programs.codes.clear();
  EXPECT_EQ(f.run({"MSGBOX GETEXITCODE()"}), Lines{"0"});
}

TEST(Execute, TheMenuClosedDuringAWaitEndsTheRunQuietly) {
  StatementFixture f;
  f.programs.onWait = [&f] { f.engine.closeScript(); };
  EXPECT_TRUE(f.run({"EXECUTE \"job\" /W", "MSGBOX \"not reached\""}).empty());
  EXPECT_TRUE(f.errors().empty());
  EXPECT_FALSE(f.engine.scriptRunning());
}

}  // namespace
}  // namespace pemo::script::statements
