// The runtime `pemo` as a user starts it, under the offscreen platform: the menu's
// loaded-menu SUB saves values to an INI file named by its full path and waits for a
// short program with EXECUTE /W.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/fs/fs.h"
#include "platform/process/child_processes.h"
#include "platform/testing/program_folder.h"
#include "platform/testing/temp_dir.h"
#include "platform/text/cp932.h"
#include "runtime/page/tests/page_fakes.h"

namespace pemo::script::statements {
namespace {

using namespace std::chrono_literals;

TEST(PemoProcess, LoadedMenuSubSavesSettingsAndWaitsForAProgram) {
  pemo::testing::TempDir dir;
  pemo::testing::writeFileBytes(dir / "job.sh", "#!/bin/sh\nsleep 0.3\nexit 4\n");
  std::filesystem::permissions(dir / "job.sh", std::filesystem::perms::owner_all);
  const std::string ini = fs::toWindowsPath((dir / "result.ini").string());
  const std::string menu = page::testing::writeMenu(
      dir / "menu.fil",
      {"BEGIN MENU", "CAPTION=結果", "END MENU", "BEGIN SCRIPT", "SUB MENU_LOADEDMENU()", "  F$ = \"" + ini + "\"",
       "  N# = 6 * 7 + INDEX", "  SAVESETTING F$, \"結果\", \"開始\", \"値\" & N#",
       "  EXECUTE \"" + fs::toWindowsPath((dir / "job.sh").string()) + "\" /W",
       "  SAVESETTING F$, \"結果\", \"終了\", \"\" & GETEXITCODE()", "END SUB", "END SCRIPT"});

  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const pemo::testing::ProgramFolder programs(PEMO_BIN_DIR);
  const long pemo = process::spawnProgram({(programs / "pemo").string(), menu});
  ASSERT_NE(pemo, 0);
  const std::string expected = text::utf8ToCp932("[結果]\r\n開始=値42\r\n終了=4\r\n");
  std::string written;
  for (auto waited = 0ms; waited < 20s && written != expected; waited += 50ms) {
    std::this_thread::sleep_for(50ms);
    std::error_code ec;
    if (std::filesystem::exists(dir / "result.ini", ec)) written = pemo::testing::readFileBytes(dir / "result.ini");
  }
  EXPECT_TRUE(process::isRunningChild(pemo)) << "pemo ended on its own";
  process::terminateChild(pemo);
  process::blockUntilExited(pemo);
  EXPECT_EQ(written, expected);
}

}  // namespace
}  // namespace pemo::script::statements
