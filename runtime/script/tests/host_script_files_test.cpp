#include <gtest/gtest.h>
#include <sys/stat.h>

#include "menufile/types.h"
#include "platform/fs/fs.h"
#include "platform/testing/temp_dir.h"
#include "runtime/script/host_script_files.h"
#include "runtime/script/qt_script_host.h"

#include <QTimer>

namespace pemo::script {
namespace {

TEST(HostScriptFiles, ReadsAndFindsFilesByWindowsPath) {
  pemo::testing::TempDir dir;
  pemo::testing::writeFileBytes(dir / "Menu.FIL", "SUB A()\r\n");
  std::filesystem::create_directory(dir / "SUBDIR");
  const std::string folder = fs::toWindowsPath(dir.path().string());
  ASSERT_FALSE(folder.empty());

  HostScriptFiles files;
  EXPECT_EQ(files.readFile(folder + "\\MENU.FIL"), std::optional<std::string>("SUB A()\r\n"));  // any letter case
  EXPECT_EQ(files.readFile(folder + "\\NONE.FIL"), std::nullopt);
  EXPECT_EQ(files.readFile(folder + "\\SUBDIR"), std::nullopt);
  // No plain file, or far beyond any script: read as a file that cannot be opened, at once.
  ASSERT_EQ(::mkfifo((dir / "FIFO").c_str(), 0666), 0);
  EXPECT_EQ(files.readFile(folder + "\\FIFO"), std::nullopt);
  const std::string zero = fs::toWindowsPath("/dev/zero");
  ASSERT_FALSE(zero.empty());
  EXPECT_EQ(files.readFile(zero), std::nullopt);
  // The menu file holds the menu's script: any menu the page reads has its script read.
  pemo::testing::writeFileBytes(dir / "HUGE.INC", "SUB B()\r\n");
  std::filesystem::resize_file(dir / "HUGE.INC", menufile::kLargestMenuFile);
  EXPECT_EQ(files.readFile(folder + "\\HUGE.INC").value_or("").size(), menufile::kLargestMenuFile);
  std::filesystem::resize_file(dir / "HUGE.INC", menufile::kLargestMenuFile + 1);
  EXPECT_EQ(files.readFile(folder + "\\HUGE.INC"), std::nullopt);
  EXPECT_TRUE(files.anyFileMatches(folder + "\\menu.fil"));
  EXPECT_TRUE(files.anyFileMatches(folder + "\\*.FIL"));
  EXPECT_FALSE(files.anyFileMatches(folder + "\\*.TXT"));
  EXPECT_FALSE(files.anyFileMatches(folder + "\\SUBDIR"));  // folders are not normal files
  EXPECT_FALSE(files.anyFileMatches("Q:\\NO DRIVE\\X"));
  fs::changeFolder(folder);
  EXPECT_TRUE(files.anyFileMatches("menu.fil"));  // relative to the current folder
  EXPECT_FALSE(files.anyFileMatches(""));
  // Every name of one file resolves to one place.
  EXPECT_FALSE(files.resolvedPath(folder + "\\MENU.FIL").empty());
  EXPECT_EQ(files.resolvedPath(folder + "\\SUBDIR\\..\\menu.fil"), files.resolvedPath(folder + "\\MENU.FIL"));
  EXPECT_EQ(files.resolvedPath("menu.fil"), files.resolvedPath(folder + "\\MENU.FIL"));
  EXPECT_EQ(files.resolvedPath(folder + "\\NONE.FIL"), "");
}

TEST(QtScriptHost, YieldHandlesWaitingEvents) {
  QtScriptHost host([] { return std::string("E:"); });
  EXPECT_EQ(host.menuDrive(), "E:");
  bool handled = false;
  QTimer::singleShot(0, [&] { handled = true; });
  host.yieldToEvents();
  EXPECT_TRUE(handled);
}

}  // namespace
}  // namespace pemo::script
