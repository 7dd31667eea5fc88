#include "runtime/shell/launcher/launcher_bar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/fs/windows_path.h"
#include "platform/process/tests/fake_programs.h"
#include "platform/profile/private_profile.h"
#include "platform/registry/registry.h"
#include "platform/ui/message_port.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/shell/launcher/launcher_entries.h"
#include "runtime/shell/launcher/tests/launcher_fakes.h"
#include "runtime/shell/run_info_file.h"
#include "runtime/shell/tests/lock_held_elsewhere.h"

namespace pemo::shell::launcher {
namespace {

namespace stdfs = std::filesystem;
using testing::storeLaunchValue;
using testing::FakeLauncherHost;
using testing::FakeLauncherView;

class LauncherBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = stdfs::path(std::getenv("XDG_CONFIG_HOME")) / "app";
    stdfs::create_directories(folder_ / "PemoUser");
    runtime_.appFolder = fs::toWindowsPath(folder_.string()) + "\\";
    runtime_.explorerPath = "C:\\WINDOWS\\explorer.exe";
  }

  // A file in the test's folder, as the Windows path a drop names it by.
  std::string makeFile(const std::string& name, bool executable = false) {
    stdfs::path file = folder_ / name;
    std::ofstream(file) << "x";
    if (executable) stdfs::permissions(file, stdfs::perms::owner_exec, stdfs::perm_options::add);
    return fs::toWindowsPath(file.string());
  }

  std::string runInfo(int index) {
    return profile::readProfileString("App", "App" + std::to_string(index), "",
                                      runtime_.appFolder + "PemoUser\\PEMORUN.DAT");
  }

  stdfs::path folder_;
  page::RuntimeState runtime_;
  FakeLauncherView view_;
  FakeLauncherHost host_;
  process::testing::FakePrograms programs_;
  LauncherBar bar_{runtime_, view_, host_, programs_};
};

TEST_F(LauncherBarTest, SettingsRoundTripThroughTheRegistry) {
  LauncherSettings settings;
  settings.left = 1500;
  settings.top = 3000;
  settings.orientation = Orientation::Vertical;
  settings.buttonSize = kSmallButton;
  settings.mostTop = true;
  settings.edgeDock = true;
  settings.hideMenu = true;
  settings.windowColor = 0xC0FFEE;
  saveLauncherSettings(settings);
  LauncherSettings read = loadLauncherSettings();
  EXPECT_EQ(read.left, 1500);
  EXPECT_EQ(read.top, 3000);
  EXPECT_EQ(read.orientation, Orientation::Vertical);
  EXPECT_EQ(read.buttonSize, kSmallButton);
  EXPECT_TRUE(read.mostTop);
  EXPECT_TRUE(read.edgeDock);
  EXPECT_TRUE(read.hideMenu);
  EXPECT_EQ(read.windowColor, 0xC0FFEEu);

  // Nothing stored: the defaults, the button face among them.
  registry::deleteKey(registry::kUsers, std::string(page::kRuntimeRegistryKey) + "\\Launch");
  EXPECT_EQ(loadLauncherSettings().windowColor, kButtonFaceColour);
  EXPECT_EQ(loadLauncherSettings().buttonSize, kLargeButton);
  // Only 20 is the small size; empty, 0 and anything else tick "32×32".
  for (const char* stored : {"20", "", "0", "17"}) {
    storeLaunchValue("ButtonSize", stored);
    EXPECT_EQ(loadLauncherSettings().buttonSize, std::string(stored) == "20" ? kSmallButton : kLargeButton) << stored;
  }
  storeLaunchValue("WindowColor", "not hex");
  EXPECT_EQ(loadLauncherSettings().windowColor, 0u);

  EXPECT_EQ(getFileExtensionStr("C:\\A.B\\prog.exe"), "EXE");
  EXPECT_EQ(getFileExtensionStr("C:\\A.B\\prog"), "");
  EXPECT_EQ(getFileExtensionStr("notes.Txt"), "TXT");
}

TEST_F(LauncherBarTest, LoadBuildsTheButtonsAndBringsTheBarOntoTheScreen) {
  storeLaunchValue("Left", "30000");  // 2000 pixels: beyond the 1000-pixel screen
  storeLaunchValue("Top", "150");
  runtime_.runList = {{"Tool", makeFile("tool.exe")}, {"With args", "C:\\x.exe -v"}, {"Gone", ""}};
  bar_.load();
  EXPECT_EQ(bar_.buttonCount(), 5);
  EXPECT_EQ(view_.bar, (BarRect{1000 - 176, 10, 176, 54}));
  ASSERT_EQ(view_.buttons.size(), 4u);
  EXPECT_EQ(view_.buttons[0].tooltip, "ｴｸｽﾌﾟﾛｰﾗ");
  EXPECT_EQ(view_.buttons[0].tag, runtime_.explorerPath);
  EXPECT_EQ(view_.buttons[0].icon.kind, ButtonIcon::Folder);
  EXPECT_EQ(view_.buttons[1].icon.kind, ButtonIcon::File);
  EXPECT_EQ(view_.buttons[2].icon.kind, ButtonIcon::None);  // arguments: no file has that name
  EXPECT_EQ(view_.buttons[3].icon.kind, ButtonIcon::None);
  EXPECT_EQ(view_.buttons[3].rect, (BarRect{126, 4, 36, 36}));

  bar_.buttonClicked(2);
  bar_.buttonClicked(1);
  const std::string tool = runtime_.runList[0].commandLine;
  EXPECT_EQ(programs_.started, (std::vector<std::string>{tool, runtime_.explorerPath}));

  // The size items and the orientation rebuild the bar.
  bar_.setButtonSize(kSmallButton);
  EXPECT_EQ(view_.bar.height, 30);
  bar_.setOrientation(Orientation::Vertical);
  EXPECT_EQ(view_.bar.width, 30);
  EXPECT_EQ(view_.buttons[1].rect, (BarRect{2, 25, 20, 20}));
  // The run list emptied elsewhere: the buttons keep what they were built with.
  runtime_.runList.clear();
  bar_.buttonClicked(4);  // "Gone": its empty command line
  bar_.buttonClicked(9);
  EXPECT_EQ(programs_.started.back(), "");
}

TEST_F(LauncherBarTest, DamagedSettingsAndAHandMadeLongListKeepTheBarInReach) {
  // Positions far beyond any screen, or beyond what a number holds, come back onto it.
  for (auto [left, top] : {std::pair{"1e400", "-1e400"}, {"-99999999999999", "99999999999999"}, {"&HFFFFFFFF", "x"}}) {
    storeLaunchValue("Left", left);
    storeLaunchValue("Top", top);
    LauncherBar bar{runtime_, view_, host_, programs_};
    bar.load();
    EXPECT_GE(view_.bar.left, 0) << left;
    EXPECT_LE(view_.bar.right(), 1000) << left;
    EXPECT_GE(view_.bar.top, 0) << top;
    EXPECT_LE(view_.bar.bottom(), 1000) << top;
  }
  EXPECT_EQ(pixelsOf(1e300, 15), 1 << 20);
  EXPECT_EQ(pixelsOf(-1e300, 15), -(1 << 20));

  // A file of a thousand programs: the bar has a button for each one the RUN menu lists,
  // and the rest stay in the list.
  runtime_.runList.assign(1000, {"P", "C:\\p.exe"});
  bar_.load();
  EXPECT_EQ(view_.buttons.size(), 41u);
  EXPECT_EQ(bar_.buttonCount(), 42);
  EXPECT_EQ(runtime_.runList.size(), 1000u);
}

TEST_F(LauncherBarTest, DroppedProgramsJoinTheRunListWithTheirKeysWrittenAtOnce) {
  profile::writeProfileString("APP", "App0", "Old,C:\\old.exe", runtime_.appFolder + "PemoUser\\PEMORUN.DAT");
  getRunInfo(runtime_);
  bar_.load();
  std::vector<std::string> drops = {makeFile("a.EXE"), makeFile("notes.txt"), makeFile("run,me", true),
                                    makeFile("picture.png"), makeFile("b.bat"),
                                    makeFile("café.exe")};  // "é" has no place in the run-info file
  stdfs::create_directory(folder_ / "folder.exe");
  drops.push_back(fs::toWindowsPath((folder_ / "folder.exe").string()));
  EXPECT_EQ(bar_.dropFiles(drops), 3);
  ASSERT_EQ(runtime_.runList.size(), 4u);
  EXPECT_EQ(runInfo(1), "a.EXE," + drops[0]);
  EXPECT_EQ(runInfo(2), "run，me," + drops[2]);
  EXPECT_EQ(runInfo(3), "b.bat," + drops[4]);
  EXPECT_EQ(bar_.buttonCount(), 6);
  EXPECT_EQ(host_.calls.back(), "editRunMenu");

  // 19 entries: of three programs only the first joins; at 20 a drop does nothing.
  runtime_.runList.resize(19, {"P", "C:\\p.exe"});
  std::vector<std::string> three = {makeFile("x.exe"), makeFile("y.exe"), makeFile("z.exe")};
  EXPECT_EQ(bar_.dropFiles(three), 1);
  EXPECT_EQ(runtime_.runList.back().caption, "x.exe");
  EXPECT_EQ(bar_.dropFiles(three), 0);
  EXPECT_EQ(runtime_.runList.size(), 20u);
}

TEST_F(LauncherBarTest, ADropKeepsWhatAnotherRuntimeStoredAndWhatWasDeletedHere) {
  const std::string file = runtime_.appFolder + "PemoUser\\PEMORUN.DAT";
  profile::writeProfileString("APP", "App0", "Old,C:\\old.exe", file);
  profile::writeProfileString("APP", "App1", "Gone,C:\\gone.exe", file);
  getRunInfo(runtime_);
  bar_.load();
  bar_.rightClicked(3);
  bar_.deleteLauncherEntry();
  // Another runtime registers a program and closes; then a program is dropped here.
  profile::writeProfileString("APP", "App2", "Theirs,C:\\theirs.exe", file);
  const std::string dropped = makeFile("a.EXE");
  EXPECT_EQ(bar_.dropFiles({dropped}), 1);
  // The bar keeps the order it showed; the other runtime's program follows.
  const std::vector<page::RunListEntry> expected = {
      {"Old", "C:\\old.exe"}, {"a.EXE", dropped}, {"Theirs", "C:\\theirs.exe"}};
  EXPECT_EQ(readRunInfo(file), expected);
  EXPECT_EQ(runtime_.runList, expected) << "the bar and the menu show the file's list";
  EXPECT_EQ(bar_.buttonCount(), 5);
}

TEST_F(LauncherBarTest, ADropRefusedWhileAnotherRuntimeWritesIsStoredWithTheNextOne) {
  ui::RecordingMessagePort messages;
  ui::ScopedMessagePort guard(&messages);
  const std::string file = runtime_.appFolder + "PemoUser\\PEMORUN.DAT";
  profile::writeProfileString("APP", "App0", "Old,C:\\old.exe", file);
  getRunInfo(runtime_);
  bar_.load();
  const std::string first = makeFile("first.exe");
  {
    shell::testing::LockHeldElsewhere other(folder_ / "PemoUser");
    ASSERT_TRUE(other.held());
    EXPECT_EQ(bar_.dropFiles({first}), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, file + "\rﾌｧｲﾙを保存できませんでした");
    EXPECT_EQ(runInfo(1), "");
    EXPECT_EQ(bar_.buttonCount(), 4) << "the bar shows what will be stored";
  }
  const std::string second = makeFile("second.exe");
  EXPECT_EQ(bar_.dropFiles({second}), 1);
  const std::vector<page::RunListEntry> expected = {
      {"Old", "C:\\old.exe"}, {"first.exe", first}, {"second.exe", second}};
  EXPECT_EQ(readRunInfo(file), expected);
  EXPECT_EQ(runtime_.runList, expected);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(LauncherBarTest, TheExplorerButtonCannotBeDeleted) {
  runtime_.runList = {{"A", "C:\\a.exe"}, {"B", "C:\\b.exe"}, {"C", "C:\\c.exe"}};
  bar_.load();
  bar_.rightClicked(1);
  EXPECT_FALSE(bar_.popupState().deleteEnabled);
  bar_.rightClicked(0);
  EXPECT_FALSE(bar_.popupState().deleteEnabled);
  bar_.deleteLauncherEntry();
  EXPECT_EQ(runtime_.runList.size(), 3u);
  bar_.rightClicked(3);
  EXPECT_TRUE(bar_.popupState().deleteEnabled);
  bar_.deleteLauncherEntry();
  ASSERT_EQ(runtime_.runList.size(), 2u);
  EXPECT_EQ(runtime_.runList[1].caption, "C");
  EXPECT_EQ(bar_.buttonCount(), 4);
}

TEST_F(LauncherBarTest, ADockedBarExpandsUnderTheCursorAndCollapsesAwayFromIt) {
  storeLaunchValue("Edge", "1");
  storeLaunchValue("WindowVec", "1");
  storeLaunchValue("Left", "14250");  // 950 pixels: right half
  storeLaunchValue("Top", "1500");
  bar_.load();
  EXPECT_EQ(view_.bar, (BarRect{990, 100, 10, 54}));  // flush with the right edge
  EXPECT_FALSE(view_.buttonsVisible);

  bar_.mouseMoved();
  EXPECT_EQ(bar_.hoverState(), Hover::Expanded);
  EXPECT_TRUE(view_.watching);
  EXPECT_EQ(view_.bar, (BarRect{946, 100, 54, 54}));  // expanded leftwards
  EXPECT_TRUE(view_.buttonsVisible);
  bar_.hoverTick(960, 120);
  EXPECT_EQ(bar_.hoverState(), Hover::Expanded);
  bar_.hoverTick(500, 120);
  EXPECT_EQ(bar_.hoverState(), Hover::Idle);
  EXPECT_FALSE(view_.watching);
  EXPECT_EQ(view_.bar, (BarRect{990, 100, 10, 54}));

  // Undocking during the watch ends it without collapsing.
  bar_.mouseMoved();
  bar_.toggleEdgeDock();
  EXPECT_EQ(bar_.hoverState(), Hover::Stopping);
  bar_.hoverTick(500, 120);
  EXPECT_EQ(bar_.hoverState(), Hover::Idle);
  EXPECT_EQ(view_.bar, (BarRect{946, 100, 54, 54}));
  // An undocked bar does not watch; docked again below the middle it is a bottom strip.
  bar_.mouseMoved();
  EXPECT_FALSE(view_.watching);
  bar_.setOrientation(Orientation::Horizontal);
  BarRect low = view_.bar;
  low.top = 500;
  bar_.pressed(0, 0);
  bar_.dragMoved(0, 400, 0, 0);
  bar_.released();
  bar_.toggleEdgeDock();
  EXPECT_EQ(view_.bar, (BarRect{946, 790, 54, 10}));
}

TEST_F(LauncherBarTest, DragsMoveTheBarFreelyOrAlongTheEdges) {
  runtime_.runList = {{"A", "C:\\a.exe"}, {"B", "C:\\b.exe"}, {"C", "C:\\c.exe"}};
  storeLaunchValue("Left", "3000");
  storeLaunchValue("Top", "3000");
  bar_.load();
  // Undocked: the ghost follows the displacement since the press, wherever the cursor is.
  bar_.pressed(10, 10);
  EXPECT_TRUE(bar_.dragging());
  bar_.dragMoved(-90, 60, 5000, -300);
  EXPECT_EQ(bar_.ghostRect(), (BarRect{100, 250, 176, 54}));
  bar_.released();
  EXPECT_FALSE(bar_.dragging());
  EXPECT_EQ(view_.bar, (BarRect{100, 250, 176, 54}));
  // Every ghost drawn was erased again.
  EXPECT_EQ(view_.ghosts.size() % 2, 0u);

  // Docked at the top, dragged to the left edge: the bar is rebuilt vertically.
  bar_.toggleEdgeDock();
  EXPECT_EQ(view_.bar, (BarRect{100, 0, 176, 10}));
  bar_.mouseMoved();
  bar_.pressed(50, 5);
  bar_.dragMoved(50, 240, 100, 240);  // 10 % / 30 %
  bar_.hoverTick(100, 240);           // dragging: the watch goes on
  EXPECT_EQ(bar_.hoverState(), Hover::Expanded);
  EXPECT_EQ(bar_.ghostRect(), (BarRect{0, 235, 176, 54}));
  bar_.dragMoved(50, 240, 100, 240);
  EXPECT_EQ(bar_.ghostRect(), (BarRect{0, 235, 54, 176}));
  bar_.released();
  EXPECT_EQ(bar_.settings().orientation, Orientation::Vertical);
  EXPECT_EQ(view_.bar, (BarRect{0, 235, 54, 176}));
  EXPECT_EQ(view_.buttons[1].rect, (BarRect{4, 45, 36, 36}));
  bar_.hoverTick(500, 500);
  EXPECT_EQ(view_.bar, (BarRect{0, 235, 10, 176}));
}

TEST_F(LauncherBarTest, DragsTurnsAndRebuildsKeepTheWholeBarOnTheScreen) {
  view_.screen = {1280, 1024};
  runtime_.runList.assign(20, {"P", "C:\\p.exe -x"});  // 21 buttons: 864 pixels long at 36

  // Docked at the top and dragged to 10 % / 30 %: the bar turns vertical at the left edge
  // and is pulled up, so that its last button stays within reach.
  storeLaunchValue("Edge", "1");
  storeLaunchValue("Left", "1500");
  storeLaunchValue("Top", "0");
  bar_.load();
  EXPECT_EQ(view_.bar, (BarRect{100, 0, 864, 10}));
  bar_.mouseMoved();
  bar_.pressed(50, 5);
  bar_.dragMoved(50, 300, 128, 307);
  bar_.dragMoved(50, 300, 128, 307);
  EXPECT_EQ(bar_.ghostRect(), (BarRect{0, 295, 54, 864}));
  bar_.released();
  EXPECT_EQ(view_.bar, (BarRect{0, 160, 54, 864}));
  bar_.hoverTick(600, 600);
  EXPECT_EQ(view_.bar, (BarRect{0, 160, 10, 864}));

  // Undocked and vertical near the right edge, turned horizontal: it moves left.
  storeLaunchValue("Edge", "0");
  storeLaunchValue("WindowVec", "1");
  storeLaunchValue("Left", "13890");  // 926 pixels
  storeLaunchValue("Top", "1500");
  LauncherBar undocked{runtime_, view_, host_, programs_};
  undocked.load();
  EXPECT_EQ(view_.bar, (BarRect{926, 100, 54, 864}));
  undocked.setOrientation(Orientation::Horizontal);
  EXPECT_EQ(view_.bar, (BarRect{416, 100, 864, 54}));

  // Dragged far beyond the bottom right corner: it stops in the corner.
  undocked.pressed(10, 10);
  undocked.dragMoved(3010, 3010, 3000, 3000);
  undocked.released();
  EXPECT_EQ(view_.bar, (BarRect{416, 970, 864, 54}));
  // Rebuilt with small buttons and back with large ones: the longer bar stays in the corner.
  undocked.setButtonSize(kSmallButton);
  EXPECT_EQ(view_.bar, (BarRect{416, 970, 480, 30}));
  undocked.pressed(0, 0);
  undocked.dragMoved(800, 0, 0, 0);
  undocked.released();
  EXPECT_EQ(view_.bar.right(), 1280);
  undocked.setButtonSize(kLargeButton);
  EXPECT_EQ(view_.bar, (BarRect{416, 970, 864, 54}));
}

TEST_F(LauncherBarTest, CloseItemHidesTheBarOrEndsTheLauncherOnlyProgram) {
  bar_.load();
  EXPECT_EQ(bar_.popupState().closeCaption, std::string("ﾗﾝﾁｬを閉じる(&X)"));
  EXPECT_TRUE(bar_.closeItem());
  EXPECT_FALSE(view_.shown);
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"checkOffShowLaunch"}));

  host_.calls.clear();
  bar_.toggleHideMenu();
  EXPECT_TRUE(bar_.hideMode());
  EXPECT_TRUE(view_.topmost);
  EXPECT_FALSE(bar_.popupState().mostTop);
  EXPECT_EQ(bar_.popupState().closeCaption, std::string("終了(&X)"));
  // The runtime window refuses (its programs still run): the bar stays, the program too.
  host_.runtimeWindowCloses = false;
  EXPECT_FALSE(bar_.closeItem());
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"hideRuntimeWindow", "closeRuntimeWindow"}));
  host_.runtimeWindowCloses = true;
  EXPECT_TRUE(bar_.closeItem());
  EXPECT_EQ(host_.calls.back(), "endProgram");
  EXPECT_TRUE(loadLauncherSettings().hideMenu);
}

}  // namespace
}  // namespace pemo::shell::launcher
