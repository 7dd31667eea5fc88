#include <gtest/gtest.h>

#include "platform/fs/current_folder.h"
#include "platform/fs/windows_path.h"
#include "platform/testing/temp_dir.h"
#include "runtime/shell/startup.h"

using namespace pemo::shell;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

TEST(Startup, MenuFolderBecomesTheCurrentFolder) {
  TempDir dir;
  std::filesystem::create_directories(dir / "menus");
  writeFileBytes(dir / "menus" / "START.FIL", "");
  pemo::page::RuntimeState runtime;
  auto start = prepareStartup(runtime, dir.path(), (dir / "menus" / "START.FIL").string());
  EXPECT_EQ(start.menuFile, pemo::fs::toWindowsPath((dir / "menus" / "START.FIL").string()));
  EXPECT_EQ(start.drive, "C:");
  EXPECT_EQ(std::filesystem::current_path(), dir / "menus");
  EXPECT_EQ(runtime.appFolder, pemo::fs::toWindowsPath(dir.path().string()) + "\\");
  EXPECT_FALSE(runtime.testRun);
}

TEST(Startup, TestRunTakesTheEditorsFile) {
  TempDir dir;
  writeFileBytes(dir / "!.tmp", "new");
  writeFileBytes(dir / "!.FIL", "old");
  pemo::page::RuntimeState runtime;
  auto start = prepareStartup(runtime, dir.path(), "\xFF");
  EXPECT_TRUE(runtime.testRun);
  EXPECT_EQ(start.menuFile, runtime.appFolder + "!.FIL");
  EXPECT_EQ(pemo::testing::readFileBytes(dir / "!.FIL"), "new");
  EXPECT_FALSE(std::filesystem::exists(dir / "!.tmp"));
}
