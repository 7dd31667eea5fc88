#include <gtest/gtest.h>

#include "platform/fs/windows_path.h"
#include "platform/ui/message_port.h"
#include "runtime/page/menu_page.h"
#include "runtime/page/tests/page_fakes.h"

using namespace pemo::page;
using namespace pemo::page::testing;
namespace mf = pemo::menufile;
using pemo::testing::TempDir;

namespace {

struct Page {
  RuntimeState runtime;
  FakeView view;
  FakeScript script;
  MenuPage page{runtime, view, script};
  pemo::ui::RecordingMessagePort messages;
  pemo::ui::ScopedMessagePort guard{&messages};
};

const std::vector<std::string> kMenu{"BEGIN MENU", "CAPTION=m", "END MENU"};

std::vector<std::string> with(std::vector<std::string> lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

}  // namespace

TEST(MenuPage, ScriptIsLoadedOnlyForMenusWithOne) {
  TempDir dir;
  Page p;
  auto plain = writeMenu(dir / "plain.fil", with(kMenu, {"BEGIN BUTTON", "CAPTION=b", "END BUTTON"}));
  auto scripted = writeMenu(dir / "s.fil", with(kMenu, {"", "Begin Script", "SUB MENU_LOADEDMENU()", "End Script"}));
  ASSERT_TRUE(p.page.openMenuFile(plain));
  EXPECT_TRUE(p.script.sources.empty());
  EXPECT_TRUE(p.script.events.empty());
  EXPECT_EQ(p.page.state().currentMenuFile, plain);
  EXPECT_FALSE(p.page.state().menuOpening);
  EXPECT_EQ(p.view.statusTexts.front(), plain + " を開いています");
  EXPECT_EQ(p.view.statusTexts.back(), "");
  p.page.closeMenu();
  EXPECT_TRUE(p.script.events.empty()) << "no unload event without a script";

  ASSERT_TRUE(p.page.openMenuFile(scripted));
  ASSERT_EQ(p.script.sources.size(), 1u);
  EXPECT_EQ(p.script.sources[0].scriptFile, scripted);
  ASSERT_EQ(p.script.events.size(), 1u);
  EXPECT_EQ(p.script.events[0].event, mf::ScriptEvent::LoadedMenu);
  // The unload SUB runs after the objects are gone.
  bool objectsGone = false;
  p.script.onEvent = [&] { objectsGone = p.page.objects().empty(); };
  p.page.closeMenu();
  EXPECT_EQ(p.script.events.back().event, mf::ScriptEvent::UnloadMenu);
  EXPECT_TRUE(objectsGone);
  p.page.openMenuFile(plain);
  EXPECT_EQ(p.script.closes, 1) << "the next open closes the previous script";
}

TEST(MenuPage, MenuDriveFollowsThePathsOpened) {
  TempDir dir;
  Page p;
  writeMenu(dir / "A.FIL", kMenu);
  std::string windows = pemo::fs::toWindowsPath((dir / "A.FIL").string());  // "C:\tmp\...\A.FIL"
  std::string rooted = windows.substr(2);
  ASSERT_TRUE(p.page.openMenuFile(rooted));
  EXPECT_EQ(p.runtime.menuDrive, pemo::fs::windowsFolder().substr(0, 2));
  EXPECT_EQ(p.page.state().currentMenuFile, rooted) << "kept as given";
  p.page.closeMenu();
  p.runtime.menuDrive = "";
  p.page.openMenuFile("D:\\X.FIL");
  EXPECT_EQ(p.runtime.menuDrive, "D:");
  EXPECT_EQ(p.page.withMenuDrive("\\APP\\A.EXE"), "D:\\APP\\A.EXE");
  EXPECT_EQ(p.page.withMenuDrive("APP\\A.EXE"), "APP\\A.EXE");
  p.page.openMenuFile("MENU\\A.FIL");
  EXPECT_EQ(p.runtime.menuDrive, "D:") << "a relative path leaves the drive";
}

TEST(MenuPage, FramesTakeTheirObjects) {
  TempDir dir;
  Page p;
  p.view.treeShown = true;
  auto framed = writeMenu(dir / "f.fil", with(kMenu, {"BEGIN IMAGE", "PARENT=1", "LEFT=10", "END IMAGE",
                                                      "BEGIN FRAME", "LEFT=50", "END FRAME"}));
  ASSERT_TRUE(p.page.openMenuFile(framed));
  const PageObject* image = p.page.objects().find(ObjectKind::Image, 1);
  EXPECT_EQ(image->parentFrame, 1);
  EXPECT_EQ(image->left, 10) << "relative to the frame, without the pane shift";
  EXPECT_TRUE(image->visible);
  EXPECT_EQ(image->zOrder, ZOrder::Front);
  p.page.closeMenu();

  // Without frames the object stays hidden and the rest opens.
  auto frameless = writeMenu(dir / "n.fil", with(kMenu, {"BEGIN BUTTON", "PARENT=1", "END BUTTON",
                                                         "BEGIN LABEL", "CAPTION=x", "END LABEL"}));
  ASSERT_TRUE(p.page.openMenuFile(frameless));
  EXPECT_FALSE(p.page.objects().find(ObjectKind::Button, 1)->visible);
  EXPECT_TRUE(p.page.objects().find(ObjectKind::Label, 1)->visible);
  p.page.closeMenu();

  // A frame number beyond the frames abandons the open, keeping what was built.
  auto broken = writeMenu(dir / "b.fil", with(kMenu, {"BEGIN BUTTON", "PARENT=3", "END BUTTON", "BEGIN FRAME",
                                                      "END FRAME", "", "Begin Script", "End Script"}));
  EXPECT_FALSE(p.page.openMenuFile(broken));
  EXPECT_NE(p.page.objects().find(ObjectKind::Button, 1), nullptr);
  EXPECT_TRUE(p.script.events.empty()) << "no script after a failed open";
  ASSERT_EQ(p.messages.shown.size(), 1u);
  EXPECT_EQ(p.messages.shown[0].title, "Pemo");
  EXPECT_FALSE(p.page.state().menuOpening);
}

TEST(MenuPage, SecondMenuReplacesTheFirst) {
  TempDir dir;
  Page p;
  auto one = writeMenu(dir / "1.fil", with(kMenu, {"BEGIN COMBOBOX", "END COMBOBOX", "BEGIN COMBOBOX", "END COMBOBOX"}));
  auto two = writeMenu(dir / "2.fil", with(kMenu, {"BEGIN COMBOBOX", "WIDTH=7", "END COMBOBOX"}));
  p.page.openMenuFile(one);
  p.page.closeMenu();
  ASSERT_TRUE(p.page.openMenuFile(two));
  EXPECT_EQ(p.page.objects().count(ObjectKind::ComboBox), 2);
  EXPECT_EQ(p.page.objects().find(ObjectKind::ComboBox, 1)->width, 7);
  EXPECT_FALSE(p.page.openMenuFile((dir / "missing.fil").string()));
  EXPECT_EQ(p.messages.shown.size(), 1u);
}

TEST(MenuPage, TestRunDeletesItsMenuAndReadsTheScriptBeside) {
  TempDir dir;
  Page p;
  p.runtime.testRun = true;
  p.runtime.appFolder = pemo::fs::toWindowsPath(dir.path().string()) + "\\";
  auto menu = writeMenu(dir / "!.FIL", kMenu);
  ASSERT_TRUE(p.page.openMenuFile(p.runtime.appFolder + "!.FIL"));
  EXPECT_FALSE(std::filesystem::exists(menu));
  ASSERT_EQ(p.script.sources.size(), 1u);
  EXPECT_EQ(p.script.sources[0].scriptFile, p.runtime.appFolder + "!.src");
  EXPECT_EQ(p.script.sources[0].startPosition, 1);
}
