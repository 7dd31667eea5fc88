// The runtime `pemo` started as a program, under the offscreen platform, run to its
// first paint: it ends when nothing keeps it, whatever holds it up.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/process/child_processes.h"
#include "platform/registry/registry.h"
#include "platform/registry/tests/lock_holder.h"
#include "platform/testing/program_folder.h"
#include "runtime/page/tests/page_fakes.h"

namespace pemo::shell {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// How long `pemo menu` takes to run to its first paint and end; the run is ended after
// a minute, and that counts as not ending.
Clock::duration runToFirstPaint(const pemo::testing::ProgramFolder& programs, const std::string& menu) {
  setenv("PEMO_QUIT_AFTER_FIRST_PAINT", "1", 1);
  const auto start = Clock::now();
  const long pemo = process::spawnProgram({(programs / "pemo").string(), menu});
  unsetenv("PEMO_QUIT_AFTER_FIRST_PAINT");
  EXPECT_NE(pemo, 0);
  while (process::isRunningChild(pemo) && Clock::now() - start < 60s) std::this_thread::sleep_for(20ms);
  if (process::terminateChild(pemo)) return Clock::duration::max();
  return Clock::now() - start;
}

TEST(RuntimeStart, EndsWithAMissingStartFileAndStartsInMomentsOnAHeldRegistry) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  pemo::testing::TempDir dir;
  const pemo::testing::ProgramFolder programs(PEMO_BIN_DIR);
  EXPECT_LT(runToFirstPaint(programs, (dir / "missing.fil").string()), 30s) << "the message kept it open";

  const std::string menu = page::testing::writeMenu(dir / "menu.fil", {"BEGIN MENU", "CAPTION=m", "END MENU"});
  const auto alone = runToFirstPaint(programs, menu);
  EXPECT_LT(alone, 30s);
  registry::testing::LockHolder holder("BEGIN EXCLUSIVE");
  EXPECT_LT(runToFirstPaint(programs, menu), alone + 4s);
  EXPECT_TRUE(std::filesystem::is_directory(programs / "PemoUser")) << "the runtime kept its user data elsewhere";
}

}  // namespace
}  // namespace pemo::shell
