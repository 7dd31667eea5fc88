#include <gtest/gtest.h>

#include "platform/fs/current_folder.h"
#include "platform/fs/windows_path.h"
#include "platform/registry/registry.h"
#include "platform/testing/temp_dir.h"
#include "platform/ui/message_port.h"
#include "runtime/shell/startup.h"

using namespace pemo::shell;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;
namespace reg = pemo::registry;

TEST(Startup, MenuFolderBecomesTheCurrentFolder) {
  TempDir dir;
  std::filesystem::create_directories(dir / "menus");
  writeFileBytes(dir / "menus" / "START.FIL", "");
  pemo::page::RuntimeState runtime;
  // Blanks around the path are dropped.
  auto start = prepareStartup(runtime, dir.path(), "  " + (dir / "menus" / "START.FIL").string() + " ");
  EXPECT_EQ(start.menuFile, pemo::fs::toWindowsPath((dir / "menus" / "START.FIL").string()));
  EXPECT_EQ(start.drive, "C:");
  EXPECT_FALSE(start.noStartFile);
  EXPECT_TRUE(checkStartFile(start));
  EXPECT_EQ(std::filesystem::current_path(), dir / "menus");
  EXPECT_EQ(runtime.appFolder, pemo::fs::toWindowsPath(dir.path().string()) + "\\");
  EXPECT_FALSE(runtime.testRun);
}

TEST(Startup, CommandLinesThatNameNoFileOrAMissingOne) {
  TempDir dir;
  const char* argv[] = {"pemo", "C:\\My", "Menus\\A.FIL"};
  EXPECT_EQ(commandLineOf(3, const_cast<char**>(argv)), "C:\\My Menus\\A.FIL");
  EXPECT_EQ(commandLineOf(1, const_cast<char**>(argv)), "");

  pemo::ui::RecordingMessagePort messages;
  pemo::ui::ScopedMessagePort guard(&messages);
  pemo::page::RuntimeState runtime;
  auto none = prepareStartup(runtime, dir.path(), "  ");
  EXPECT_TRUE(none.noStartFile);
  EXPECT_TRUE(none.menuFile.empty());
  EXPECT_TRUE(checkStartFile(none)) << "an empty name passes";

  writeFileBytes(dir / "A.FIL", "");
  auto quoted = prepareStartup(runtime, dir.path(), "\"" + (dir / "A.FIL").string() + "\"");
  EXPECT_FALSE(checkStartFile(quoted)) << "quotes are not removed";
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].prompt, "ｽﾀｰﾄｱｯﾌﾟﾌｧｲﾙが見つかりません");
  EXPECT_EQ(messages.shown[0].style, pemo::ui::kExclamation);
  EXPECT_EQ(messages.shown[0].title, "Pemo");

  // A path from the root goes on the Windows folder's drive.
  auto rooted = prepareStartup(runtime, dir.path(), "\\MENU\\TOP.FIL");
  EXPECT_EQ(rooted.menuFile, pemo::fs::windowsFolder().substr(0, 2) + "\\MENU\\TOP.FIL");

  // Nothing was written: no settings key came into being.
  reg::Key key = 0;
  EXPECT_NE(reg::openKey(reg::kUsers, ".Default\\Software\\Kalvo\\Pemo", key), reg::kSuccess);
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
  EXPECT_TRUE(checkStartFile(start));

  // Only the raw line makes a test run.
  prepareStartup(runtime, dir.path(), " \xFF");
  EXPECT_FALSE(runtime.testRun);
}

TEST(Startup, HideMenuIsReadFromTheLaunchersSettings) {
  TempDir dir;
  pemo::page::RuntimeState runtime;
  EXPECT_FALSE(prepareStartup(runtime, dir.path(), "").hideMenu);
  reg::Key key = 0;
  ASSERT_EQ(reg::createKey(reg::kUsers, ".Default\\Software\\Kalvo\\Pemo\\Launch", "", key), reg::kSuccess);
  for (auto [text, hide] : std::vector<std::pair<std::string, bool>>{{"1", true}, {"0", false}, {"2", false}, {"", false}}) {
    reg::setValue(key, "HideMenu", reg::kString, text);
    EXPECT_EQ(prepareStartup(runtime, dir.path(), "").hideMenu, hide) << text;
  }
  reg::closeKey(key);
}
