#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <fstream>
#include <thread>

#include "platform/process/process.h"
#include "platform/process/qt_programs.h"
#include "platform/process/stack_limit.h"

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

TEST(ChildProcesses, AProgramStartedKeepsTheStackLimitThisOneWasGivenBeforeRaisingIt) {
  rlimit given{};
  ASSERT_EQ(getrlimit(RLIMIT_STACK, &given), 0);
  p::raiseStackLimit(std::size_t{1} << 30);
  rlimit now{};
  getrlimit(RLIMIT_STACK, &now);
  if (given.rlim_cur != RLIM_INFINITY && given.rlim_cur < given.rlim_max) EXPECT_GT(now.rlim_cur, given.rlim_cur);
  const std::string shown = given.rlim_cur == RLIM_INFINITY ? "unlimited" : std::to_string(given.rlim_cur / 1024);
  long pid = spawnShell("test \"$(ulimit -s)\" = " + shown);
  p::blockUntilExited(pid);
  EXPECT_EQ(p::childExitCode(pid), 0);
  rlimit after{};
  getrlimit(RLIMIT_STACK, &after);
  EXPECT_EQ(after.rlim_cur, now.rlim_cur);
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
  p::QtPrograms programs;
  programs.waitForExit(pid);
  auto elapsed = std::chrono::steady_clock::now() - started;
  EXPECT_FALSE(p::isRunningChild(pid));
  EXPECT_GE(ticks, 3) << "the window's timers keep running during the wait";
  EXPECT_LT(elapsed, std::chrono::seconds(5)) << "the end of the child wakes the wait";
  EXPECT_LT(double(clock() - cpuBefore) / CLOCKS_PER_SEC, 0.25) << "the wait must not spin";

  // The end is told on the window's thread, from its event loop, with the exit code.
  long told = -1;
  std::thread::id toldOn;
  long quick = spawnShell("exit 6");
  programs.whenEnded(quick, [&](long code) {
    told = code;
    toldOn = std::this_thread::get_id();
    app.quit();
  });
  p::blockUntilExited(quick);
  EXPECT_EQ(told, -1) << "never from inside the call or from the reaping thread";
  QTimer::singleShot(5000, &app, &QCoreApplication::quit);
  app.exec();
  EXPECT_EQ(told, 6);
  EXPECT_EQ(toldOn, std::this_thread::get_id());

  // An end that comes after the port is gone reaches nobody.
  bool toldLate = false;
  long later = spawnShell("sleep 0.1");
  {
    p::QtPrograms gone;
    gone.whenEnded(later, [&toldLate](long) { toldLate = true; });
  }
  p::blockUntilExited(later);
  QTimer::singleShot(200, &app, &QCoreApplication::quit);
  app.exec();
  EXPECT_FALSE(toldLate);
}

TEST(ChildProcesses, StartCommandLineRunsProgramsAndFailsClearly) {
  auto r = p::startCommandLine(R"(/bin/sh -c "exit 5")");
  ASSERT_TRUE(r) << r.error;
  EXPECT_FALSE(r.opener);
  p::blockUntilExited(r.pid);
  EXPECT_EQ(p::childExitCode(r.pid), 5);
  auto bad = p::startCommandLine(R"(C:\NO\SUCH\PROGRAM.EXE)");
  EXPECT_FALSE(bad);
  EXPECT_FALSE(bad.error.empty());
  // A document that does not exist fails here, not later in a viewer out of sight.
  p::SystemPrograms programs;
  auto missing = programs.openDocument(R"(C:\NO\SUCH\help.html)");
  EXPECT_FALSE(missing);
  EXPECT_FALSE(missing.error.empty());
}
