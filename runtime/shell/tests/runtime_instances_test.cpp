// Two runtimes `pemo` at once, under the offscreen platform: the lists of started
// programs are cleared only by a runtime that starts alone.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/process/child_processes.h"
#include "platform/process/runtime_instances.h"
#include "platform/registry/registry.h"
#include "platform/testing/program_folder.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/page/tests/page_fakes.h"

namespace pemo::shell {
namespace {

using namespace std::chrono_literals;
namespace reg = registry;

const std::string kRunKey = std::string(page::kRuntimeRegistryKey) + "\\Run";

bool runKeyExists() {
  reg::Key key = 0;
  if (reg::openKey(reg::kUsers, kRunKey, key) != reg::kSuccess) return false;
  reg::closeKey(key);
  return true;
}

// Whether the lock file can be taken in the way asked, at this moment.
bool lockable(int operation) {
  const int fd = ::open(process::runtimeLockFile().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  const bool taken = ::flock(fd, operation | LOCK_NB) == 0;
  ::close(fd);
  return taken;
}

long startPemo(const pemo::testing::ProgramFolder& programs, const std::string& menu) {
  return process::spawnProgram({(programs / "pemo").string(), menu});
}

void runToItsFirstPaint(const pemo::testing::ProgramFolder& programs, const std::string& menu) {
  setenv("PEMO_QUIT_AFTER_FIRST_PAINT", "1", 1);
  const long pemo = startPemo(programs, menu);
  ASSERT_NE(pemo, 0);
  process::blockUntilExited(pemo);
  unsetenv("PEMO_QUIT_AFTER_FIRST_PAINT");
}

TEST(RuntimeInstances, ASecondRuntimeKeepsTheFirstOnesListsAndALaterLoneOneClearsThem) {
  pemo::testing::TempDir dir;
  const std::string menu = page::testing::writeMenu(dir / "menu.fil", {"BEGIN MENU", "CAPTION=m", "END MENU"});
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const pemo::testing::ProgramFolder programs(PEMO_BIN_DIR);

  const long first = startPemo(programs, menu);
  ASSERT_NE(first, 0);
  // The first runtime holds its share once it has cleared what it found.
  bool sharing = false;
  for (auto waited = 0ms; waited < 20s && !sharing; waited += 20ms) {
    std::this_thread::sleep_for(20ms);
    sharing = !lockable(LOCK_EX) && lockable(LOCK_SH);
  }
  ASSERT_TRUE(sharing) << "the first runtime did not start";
  // As the first one's window would write it when a program starts from its page.
  reg::Key key = 0;
  ASSERT_EQ(reg::createKey(reg::kUsers, kRunKey + "\\424242", "", key), reg::kSuccess);
  reg::setValue(key, "31337", reg::kString, "\\APP\\A.EXE");
  reg::closeKey(key);

  runToItsFirstPaint(programs, menu);
  EXPECT_TRUE(runKeyExists()) << "the second runtime removed the first one's list";

  ASSERT_TRUE(process::terminateChild(first));
  process::blockUntilExited(first);
  ASSERT_TRUE(runKeyExists()) << "a runtime that is killed leaves its list behind";
  runToItsFirstPaint(programs, menu);
  EXPECT_FALSE(runKeyExists()) << "a runtime starting alone clears the lists left behind";
}

}  // namespace
}  // namespace pemo::shell
