#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <fstream>

#include "platform/process/process.h"
#include "platform/process/waiting.h"

namespace p = pemo::process;

namespace {
long spawnShell(const std::string& script) { return p::spawnProgram({"/bin/sh", "-c", script}); }

// A zombie shows state Z in /proc.
char procState(long pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string pidText, name;
  char state = 0;
  if (!(stat >> pidText >> name >> state)) return 0;
  return state;
}
}  // namespace

TEST(ChildProcesses, ReportRunningThenExitCodeAndLeaveNoZombie) {
  long pid = spawnShell("read x; exit 7");  // waits on its (closed or idle) input
  ASSERT_NE(pid, 0);
  long quick = spawnShell("exit 3");
  p::blockUntilExited(quick);
  EXPECT_EQ(p::childExitCode(quick), 3);
  EXPECT_EQ(procState(quick), 0) << "the ended child must be reaped";

  long sleeper = spawnShell("sleep 30");
  EXPECT_EQ(p::childExitCode(sleeper), p::kStillActive);
  EXPECT_TRUE(p::isRunningChild(sleeper));
  EXPECT_TRUE(p::terminateChild(sleeper, 42));
  p::blockUntilExited(sleeper);
  EXPECT_EQ(p::childExitCode(sleeper), 42);
  EXPECT_FALSE(p::isRunningChild(sleeper));
  EXPECT_FALSE(p::terminateChild(sleeper));
  p::terminateChild(pid);
  p::blockUntilExited(pid);
}

TEST(ChildProcesses, ForeignProcessIdsNeverCountAsRunning) {
  // Our own parent runs, but this program did not start it.
  EXPECT_FALSE(p::childExitCode(getppid()).has_value());
  EXPECT_FALSE(p::isRunningChild(getppid()));
  EXPECT_FALSE(p::terminateChild(getppid()));
  EXPECT_EQ(p::spawnProgram({"/nonexistent/program"}), 0);
}

TEST(ChildProcesses, WaitingWithAnEventLoopKeepsTimersRunning) {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  long pid = spawnShell("sleep 0.3");
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(20);
  auto started = std::chrono::steady_clock::now();
  clock_t cpuBefore = clock();
  p::waitForExit(pid);
  auto elapsed = std::chrono::steady_clock::now() - started;
  EXPECT_FALSE(p::isRunningChild(pid));
  EXPECT_GE(ticks, 3) << "the window's timers keep running during the wait";
  EXPECT_LT(elapsed, std::chrono::seconds(5)) << "the end of the child wakes the wait";
  EXPECT_LT(double(clock() - cpuBefore) / CLOCKS_PER_SEC, 0.25) << "the wait must not spin";
}

TEST(ChildProcesses, StartCommandLineRunsProgramsAndFailsClearly) {
  auto r = p::startCommandLine(R"(/bin/sh -c "exit 5")");
  ASSERT_TRUE(r) << r.error;
  p::waitForExit(r.pid);
  EXPECT_EQ(p::childExitCode(r.pid), 5);
  auto bad = p::startCommandLine(R"(C:\NO\SUCH\PROGRAM.EXE)");
  EXPECT_FALSE(bad);
  EXPECT_FALSE(bad.error.empty());
}
