#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <tuple>

#include "menufile/types.h"
#include "platform/fs/current_folder.h"
#include "platform/fs/windows_path.h"
#include "platform/registry/registry.h"
#include "platform/registry/tests/lock_holder.h"
#include "runtime/messages.h"
#include "runtime/shell/tests/shell_fakes.h"

using namespace pemo::shell;
using namespace pemo::shell::testing;
using pemo::page::testing::writeMenu;
using pemo::testing::TempDir;
namespace reg = pemo::registry;

namespace {

bool has(const Calls& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

int storedSettingCount() {
  reg::Key key = 0;
  if (reg::openKey(reg::kUsers, ".Default\\Software\\Kalvo\\Pemo\\SW", key) != reg::kSuccess) return -1;
  reg::KeyInfo info;
  reg::queryInfoKey(key, info);
  reg::closeKey(key);
  return static_cast<int>(info.values);
}

struct Menus {
  TempDir dir;
  std::string top, sub;
  Menus() {
    sub = writeMenu(dir / "SUB.FIL", {"BEGIN MENU", "CAPTION=sub", "END MENU"});
    top = writeMenu(dir / "TOP.FIL", {"BEGIN MENU", "CAPTION=top", "END MENU", "BEGIN BUTTON", "INDEX=1",
                                      "LINK=" + sub, "END BUTTON", "BEGIN BUTTON", "INDEX=2", "CAPTION=go",
                                      "LINK=prog.exe", "END BUTTON"});
  }
};

// A write lease on a file, held by a second thread: the next opening of the file waits
// until the holder has run `onOpening` and let the lease go.
class LeaseHolder {
 public:
  LeaseHolder(const std::filesystem::path& file, std::function<void()> onOpening) {
    fd_ = ::open(file.c_str(), O_RDONLY);
    leased_ = fd_ >= 0 && ::fcntl(fd_, F_SETLEASE, F_WRLCK) == 0;
    if (!leased_) return;
    ::fcntl(fd_, F_SETOWN, 0);  // no SIGIO: the thread looks for the opening itself
    thread_ = std::thread([this, onOpening = std::move(onOpening)] {
      while (!ended_ && ::fcntl(fd_, F_GETLEASE) == F_WRLCK) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      if (!ended_) onOpening();
      ::fcntl(fd_, F_SETLEASE, F_UNLCK);
    });
  }
  ~LeaseHolder() {
    ended_ = true;
    if (thread_.joinable()) thread_.join();
    if (fd_ >= 0) ::close(fd_);
  }
  bool leased() const { return leased_; }

 private:
  int fd_ = -1;
  bool leased_ = false;
  std::atomic<bool> ended_{false};
  std::thread thread_;
};

void startOn(ShellRig& r, const std::string& menuFile) {
  Startup start;
  start.menuFile = menuFile;
  r.shell.createWindow(start);
}

// A menu captioned caption, made up to size bytes by a script of NUL bytes that take no
// room on disk (and no time: neither the page nor the tree takes a script apart).
std::string sparseMenu(const std::filesystem::path& file, const std::string& caption, std::uintmax_t size) {
  writeMenu(file, {"BEGIN MENU", "CAPTION=" + caption, "END MENU", "BEGIN SCRIPT"});
  std::filesystem::resize_file(file, size);
  return file.string();
}

}  // namespace

TEST(RuntimeShell, StartsOnTheStartMenuWithItsTreeInOrder) {
  Menus m;
  ShellRig r;
  r.runtime.appFolder = pemo::fs::toWindowsPath(m.dir.path().string()) + "\\";
  startOn(r, m.top);

  // A first start has no rectangle to restore.
  EXPECT_EQ(r.calls, (Calls{"applyViewSettings", "showWindow", "clearRunList", "showRunMenuItems", "showFavouriteItems",
                            "createLauncher"}));
  EXPECT_EQ(r.page.state().currentMenuFile, m.top);
  EXPECT_EQ(r.treeView.nodeCount(), 3);
  EXPECT_EQ(r.treeView.expanded, std::vector<int>{1}) << "more than one node: the first is expanded";
  EXPECT_EQ(r.treeView.selected, 1);
  EXPECT_TRUE(std::filesystem::is_directory(m.dir / "PemoUser"));
  EXPECT_EQ(r.runtime.favouritesFile, r.runtime.appFolder + "PemoUser\\top.USER");
  EXPECT_EQ(r.runtime.explorerPath, pemo::fs::windowsFolder() + "\\explorer.exe");
  EXPECT_EQ(r.runtime.startFolder, pemo::fs::currentFolder());
  EXPECT_TRUE(r.window.disabled.empty());
  EXPECT_FALSE(r.window.applied.treeView) << "no stored settings: the pane is hidden";
  EXPECT_TRUE(r.messages.shown.empty());

  // Once a close stored one, the next start restores it.
  reg::Key key = 0;
  ASSERT_EQ(reg::createKey(reg::kUsers, ".Default\\Software\\Kalvo\\Pemo", "", key), reg::kSuccess);
  for (const char* name : {"Left", "Top", "Width", "Height"}) reg::setValue(key, name, reg::kString, "300");
  reg::closeKey(key);
  ShellRig next;
  startOn(next, m.top);
  EXPECT_EQ(next.calls.at(0), "restoreWindowRect") << "the splitter is placed within the restored size";
  EXPECT_EQ(next.calls.at(1), "applyViewSettings");
}

TEST(RuntimeShell, AStartReadsItsMenuOnceForTheTreeAndThePage) {
  Menus m;
  ShellRig r;
  r.runtime.appFolder = pemo::fs::toWindowsPath(m.dir.path().string()) + "\\";
  const MenuFileReader disk = fileSystemMenuReader("C:");
  int reads = 0;
  Startup start;
  start.menuFile = m.top;
  r.shell.createWindow(start, [&](const std::string& path) {
    auto bytes = disk(path);
    if (path == m.top && ++reads == 1) writeMenu(m.dir / "TOP.FIL", {"BEGIN MENU", "CAPTION=rewritten", "END MENU"});
    return bytes;
  });
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(r.treeView.nodeCount(), 3);
  EXPECT_EQ(r.page.state().menuCaption, "top") << "the page shows the bytes the tree was scanned from";
}

TEST(RuntimeShell, AStartMenuThePageRefusesLeavesNothingToTheNextOpeningOfItsPath) {
  Menus m;
  const std::string bytes = pemo::testing::readFileBytes(m.top);
  const MenuFileReader disk = fileSystemMenuReader("C:");
  // The start's read has the bytes before the file goes.
  const MenuFileReader read = [&](const std::string& path) { return path == m.top ? std::optional(bytes) : disk(path); };
  auto refusedThenOpened = [&](ShellRig& r) {
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].prompt, m.top + "\rﾒﾆｭｰﾌｧｲﾙを開けません");
    EXPECT_TRUE(r.page.state().currentMenuFile.empty());
    EXPECT_EQ(r.treeView.nodeCount(), 3);
    // The file is back, changed: its next opening reads it as it is now.
    writeMenu(m.top, {"BEGIN MENU", "CAPTION=back", "END MENU"});
    r.shell.run(ShellCommand::TopMenu);
    EXPECT_EQ(r.page.state().currentMenuFile, m.top);
    EXPECT_EQ(r.page.state().menuCaption, "back");
    EXPECT_EQ(r.messages.shown.size(), 1u);
  };
  Startup start;
  start.menuFile = m.top;
  {
    SCOPED_TRACE("gone between the start's look at the file and the page's");
    ShellRig r;
    r.runtime.appFolder = pemo::fs::toWindowsPath(m.dir.path().string()) + "\\";
    {
      // The start's look opens the file; a second thread takes it away meanwhile.
      LeaseHolder lease(m.top, [&] { std::filesystem::rename(m.top, m.top + ".away"); });
      if (!lease.leased()) GTEST_SKIP() << "this file system takes no lease";
      r.shell.createWindow(start, read);
    }
    refusedThenOpened(r);
  }
  {
    SCOPED_TRACE("gone before the start looks");
    std::filesystem::remove(m.top);
    ShellRig r;
    r.runtime.appFolder = pemo::fs::toWindowsPath(m.dir.path().string()) + "\\";
    r.shell.createWindow(start, read);
    refusedThenOpened(r);
  }
}

TEST(RuntimeShell, TheStartTreeIsTheScannedTreeWhereverThePageStopsReading) {
  Menus m;
  const std::vector<std::string> rest{"BEGIN BUTTON", "INDEX=7", "END BUTTON", "BEGIN LABEL", "CAPTION=p",
                                      "LINK=prog.exe", "END LABEL", "BEGIN BUTTON", "LINK=" + m.sub, "END BUTTON",
                                      "BEGIN SCRIPT", "SUB MENU_LOADEDMENU()", "END SUB", "BEGIN BUTTON",
                                      "LINK=late.exe", "END BUTTON", "END SCRIPT"};
  auto startMenu = [&](std::vector<std::string> lines) {
    lines.insert(lines.end(), rest.begin(), rest.end());
    return writeMenu(m.dir / "START.FIL", lines);
  };
  const std::vector<std::string> tabbedMenu{"BEGIN MENU", "\tCAPTION=a\tb ", "END MENU"};
  struct Case {
    const char* what;
    std::vector<std::string> head;
    size_t nodes;
  };
  const Case cases[] = {
      {"read to its script", tabbedMenu, 3},
      {"a block runs into the next BEGIN", {"BEGIN MENU", "CAPTION=s", "END MENU", "BEGIN BUTTON", "LINK=x.exe"}, 3},
      {"a value the page cannot take", {"BEGIN MENU", "CAPTION=s", "END MENU", "BEGIN BUTTON", "STYLE=zz", "END BUTTON"}, 3},
      {"no menu caption", {"CAPTION=before the menu block"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string start = startMenu(c.head);
    const MenuTree scanned = scanMenuTree(start, fileSystemMenuReader("C:"));
    ShellRig r;
    r.runtime.appFolder = pemo::fs::toWindowsPath(m.dir.path().string()) + "\\";
    int nodesAtLoad = -1;
    r.script.onEvent = [&] { nodesAtLoad = r.treeView.nodeCount(); };
    startOn(r, start);
    EXPECT_EQ(r.page.state().currentMenuFile, start);
    ASSERT_EQ(scanned.nodes.size(), c.nodes);
    ASSERT_EQ(r.treeView.nodeCount(), static_cast<int>(c.nodes));
    for (int i = 1; i <= r.treeView.nodeCount(); ++i) {
      const auto& want = scanned.nodes[i - 1];
      const auto* got = r.treeView.node(i);
      EXPECT_EQ(std::tie(got->parent, got->file, got->caption, got->kind, got->programTag),
                std::tie(want.parent, want.file, want.caption, want.kind, want.programTag));
    }
    if (!r.script.events.empty()) EXPECT_EQ(nodesAtLoad, static_cast<int>(c.nodes)) << "the load script sees the tree";
  }
}

// A menu file larger than any menu is refused as one that cannot be read, without a read
// of what it holds: as the start menu, in the tree of the menus the start links to, and
// opened by a link, named directly or (from the limit up) through a symbolic link.
TEST(RuntimeShell, AMenuFilePastItsLimitIsRefusedAsOneThatCannotBeRead) {
  const std::uintmax_t limit = pemo::menufile::kLargestMenuFile;
  for (std::uintmax_t size : {std::uintmax_t(1) << 10, limit - 1, limit, limit + 1, std::uintmax_t(3) << 30,
                              std::uintmax_t(1) << 40}) {
    for (bool throughLink : {false, true}) {
      if (throughLink && size < limit) continue;
      SCOPED_TRACE(std::to_string(size) + (throughLink ? " bytes through a link" : " bytes"));
      TempDir dir;
      const std::string big = sparseMenu(dir / "BIG.FIL", "big", size);
      const std::string named = throughLink ? (dir / "LINK.FIL").string() : big;
      if (throughLink) std::filesystem::create_symlink(big, named);
      const bool fits = size <= limit;
      const std::string refused = named + "\r" + pemo::runtime_messages::kCannotOpenMenu;

      ShellRig start;
      startOn(start, named);
      EXPECT_EQ(start.page.state().currentMenuFile, fits ? named : "");
      EXPECT_EQ(start.page.state().menuCaption, fits ? "big" : "");
      ASSERT_EQ(start.messages.shown.size(), fits ? 0u : 1u);
      if (!fits) EXPECT_EQ(start.messages.shown[0].prompt, refused);

      const std::string top = writeMenu(dir / "TOP.FIL", {"BEGIN MENU", "CAPTION=top", "END MENU", "BEGIN BUTTON",
                                                          "CAPTION=b", "LINK=" + named, "END BUTTON"});
      ShellRig linked;
      startOn(linked, top);
      ASSERT_EQ(linked.treeView.nodeCount(), 2);
      EXPECT_EQ(linked.treeView.node(2)->caption, fits ? "big" : kMissingMenuPrefix + named);
      linked.treeLinks.openLink(named);
      EXPECT_EQ(linked.page.state().currentMenuFile, fits ? named : top) << "a refused menu keeps the page";
      EXPECT_EQ(linked.page.state().menuCaption, fits ? "big" : "top");
      ASSERT_EQ(linked.messages.shown.size(), fits ? 0u : 1u);
      if (!fits) EXPECT_EQ(linked.messages.shown[0].prompt, refused);
      EXPECT_EQ(std::filesystem::file_size(big), size);
    }
  }
}

TEST(RuntimeShell, TestRunLeavesTheUsersPartsAloneAndSwitchesCommandsOff) {
  TempDir dir;
  pemo::testing::writeFileBytes(dir / "!.tmp", pemo::menufile::encodeLines({"BEGIN MENU", "CAPTION=t", "END MENU"}));
  ShellRig r;
  Startup start = prepareStartup(r.runtime, dir.path(), "\xFF");
  ASSERT_TRUE(checkStartFile(start));
  r.shell.createWindow(start);

  EXPECT_EQ(r.page.state().currentMenuFile, r.runtime.appFolder + "!.FIL");
  EXPECT_FALSE(std::filesystem::exists(dir / "PemoUser"));
  EXPECT_FALSE(has(r.calls, "showRunMenuItems"));
  EXPECT_FALSE(has(r.calls, "showFavouriteItems"));
  EXPECT_FALSE(has(r.calls, "createLauncher"));
  EXPECT_EQ(r.window.disabled, (std::vector<ShellItem>{ShellItem::RunMenu, ShellItem::OptionMenu, ShellItem::HelpMenu,
                                                      ShellItem::Favourites, ShellItem::Shutdown, ShellItem::Restart}));
  r.calls.clear();
  EXPECT_TRUE(r.shell.closeRequested());
  EXPECT_EQ(r.calls, (Calls{"storeWindowRect", "clearRunProcessList", "closeLauncher"})) << "no run list written";
  EXPECT_EQ(storedSettingCount(), 10) << "a test run writes the view settings too";
}

TEST(RuntimeShell, NoStartFileOrAStartMenuWithoutCaption) {
  ShellRig none;
  Startup empty;
  empty.noStartFile = true;
  none.view.caption = "old";
  none.shell.createWindow(empty);
  EXPECT_EQ(none.view.caption, "");
  EXPECT_EQ(none.window.disabled, (std::vector<ShellItem>{ShellItem::TopMenu, ShellItem::Favourites}));
  EXPECT_EQ(none.treeView.nodeCount(), 0);
  EXPECT_TRUE(none.page.state().currentMenuFile.empty());

  // The start menu opens all the same; the commands that need its node are off.
  TempDir dir;
  ShellRig bare;
  Startup start;
  start.menuFile = writeMenu(dir / "BARE.FIL", {"BEGIN MENU", "BACKCOLOR=FF", "END MENU"});
  bare.shell.createWindow(start);
  EXPECT_EQ(bare.page.state().currentMenuFile, start.menuFile);
  EXPECT_EQ(bare.window.disabled, (std::vector<ShellItem>{ShellItem::TopMenu, ShellItem::Favourites}));
  EXPECT_FALSE(has(bare.calls, "showFavouriteItems"));
  bare.shell.run(ShellCommand::TopMenu);
  EXPECT_EQ(bare.page.state().currentMenuFile, start.menuFile);
}

TEST(RuntimeShell, CloseIsRefusedWhileProgramsRunThenCleansUpInOrder) {
  Menus m;
  ShellRig r;
  std::filesystem::create_directories(m.dir / "PemoUser");
  startOn(r, m.top);
  r.script.loaded = true;
  r.treeLinks.runProgram("prog.exe");
  r.runtime.startFolder = pemo::fs::toWindowsPath(m.dir.path().string());
  std::filesystem::create_directories(m.dir / "elsewhere");
  pemo::fs::changeFolder(pemo::fs::toWindowsPath((m.dir / "elsewhere").string()));
  r.calls.clear();

  EXPECT_FALSE(r.shell.closeRequested());
  ASSERT_EQ(r.messages.shown.size(), 1u);
  EXPECT_EQ(r.messages.shown[0].prompt, "起動したｱﾌﾟﾘｹｰｼｮﾝを先に終了してください");
  EXPECT_TRUE(r.calls.empty()) << "a refused close changes nothing";
  EXPECT_TRUE(r.script.events.empty() || r.script.events.back().event != pemo::menufile::ScriptEvent::UnloadMenu);

  r.programs.finishAll();
  r.window.current.windowState = WindowShowState::Maximized;
  r.runtime.appFolder = pemo::fs::toWindowsPath(m.dir.path().string()) + "\\";
  r.runtime.runList = {{"tool", "C:\\TOOL.EXE"}};
  EXPECT_TRUE(r.shell.closeRequested());
  EXPECT_EQ(pemo::testing::readFileBytes(m.dir / "PemoUser" / "PEMORUN.DAT"), "[APP]\r\nApp0=tool,C:\\TOOL.EXE\r\n")
      << "the run list is written back";
  EXPECT_EQ(r.script.events.back().kind, pemo::menufile::ObjectKind::Menu);
  EXPECT_EQ(r.script.events.back().event, pemo::menufile::ScriptEvent::UnloadMenu);
  EXPECT_FALSE(r.script.loaded);
  EXPECT_EQ(r.calls, (Calls{"clearRunProcessList", "closeLauncher"}));
  EXPECT_EQ(storedSettingCount(), 10);
  EXPECT_EQ(pemo::fs::currentFolder(), r.runtime.startFolder);

  // A forced close skips the check.
  ShellRig forced;
  forced.treeLinks.runProgram("prog.exe");
  forced.page.state().unloadModeValue = 1;
  EXPECT_TRUE(forced.shell.closeRequested());
}

// Another program holding the registry: the close is over in moments, its settings not
// stored, and what an earlier close stored is kept.
TEST(RuntimeShell, ACloseWhileAnotherProgramHoldsTheRegistryTakesMomentsAndLosesNothing) {
  using namespace std::chrono_literals;
  Menus m;
  ShellRig earlier;
  startOn(earlier, m.top);
  ASSERT_TRUE(earlier.shell.closeRequested());
  ShellRig r;
  startOn(r, m.top);
  {
    pemo::registry::testing::LockHolder holder("BEGIN EXCLUSIVE");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(r.shell.closeRequested());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 4s);
  }
  EXPECT_EQ(storedSettingCount(), 10);
}

TEST(RuntimeShell, CommandsRefusedWhileAScriptRunsAndTheQuestions) {
  Menus m;
  ShellRig r;
  startOn(r, m.top);
  r.calls.clear();
  r.script.running = true;
  for (auto c : {ShellCommand::TopMenu, ShellCommand::OpenFavourites, ShellCommand::Shutdown, ShellCommand::Restart,
                 ShellCommand::Exit})
    r.shell.run(c);
  ASSERT_EQ(r.messages.shown.size(), 5u);
  for (const auto& shown : r.messages.shown) EXPECT_EQ(shown.prompt, "ｽｸﾘﾌﾟﾄ実行中の為、選択された処理を行うことはできません");
  EXPECT_EQ(r.view.closeRequests, 0);
  r.shell.run(ShellCommand::TreePane);
  r.shell.run(ShellCommand::TreeFont);
  r.shell.run(ShellCommand::Launcher);
  EXPECT_EQ(r.calls, (Calls{"toggleTreePane", "chooseTreeFont", "showLauncher"}));
  EXPECT_TRUE(r.window.launcherChecked);
  EXPECT_TRUE(r.shell.showLaunchSetting());
  r.shell.checkOffShowLaunch();
  EXPECT_FALSE(r.window.launcherChecked);
  EXPECT_FALSE(r.shell.showLaunchSetting());

  r.script.running = false;
  r.messages.shown.clear();
  r.calls.clear();
  r.messages.answers = {pemo::ui::kNo, pemo::ui::kNo, pemo::ui::kYes, pemo::ui::kYes};
  r.shell.run(ShellCommand::Shutdown);
  r.shell.run(ShellCommand::Restart);
  EXPECT_TRUE(r.calls.empty()) << "No changes nothing";
  r.shell.run(ShellCommand::Shutdown);
  r.shell.run(ShellCommand::Restart);
  EXPECT_EQ(r.calls, (Calls{"shutdown", "restart"}));
  ASSERT_EQ(r.messages.shown.size(), 4u);
  EXPECT_EQ(r.messages.shown[0].prompt, "Windowsを終了しますか？");
  EXPECT_EQ(r.messages.shown[0].style, pemo::ui::kYesNo | pemo::ui::kExclamation);
  EXPECT_EQ(r.messages.shown[1].prompt, "ｺﾝﾋﾟｭｰﾀを再起動しますか？");

  // The top menu: node 1 selected and clicked, from a sub-menu back to the start menu.
  r.shell.treeEvents().nodeClicked(2);
  EXPECT_EQ(r.page.state().currentMenuFile, m.sub);
  r.shell.run(ShellCommand::TopMenu);
  EXPECT_EQ(r.page.state().currentMenuFile, m.top);
  EXPECT_EQ(r.treeView.selected, 1);
  r.shell.run(ShellCommand::Exit);
  EXPECT_EQ(r.view.closeRequests, 1);
}

TEST(RuntimeShell, AStoredTreeFontIsTheFontOfNewObjectsWithoutOne) {
  ViewSettings stored;
  stored.treeFont = TreeFont{"ＭＳ 明朝", 12.0, true, std::nullopt, std::nullopt, std::nullopt};
  loadViewSettings();
  saveViewSettings(stored, {});
  TempDir dir;
  ShellRig r;
  startOn(r, writeMenu(dir / "F.FIL", {"BEGIN MENU", "CAPTION=f", "END MENU", "BEGIN BUTTON", "INDEX=1", "END BUTTON",
                                       "BEGIN LABEL", "INDEX=1", "FONTNAME=ＭＳ ゴシック", "END LABEL"}));
  const auto* button = r.page.objects().find(pemo::page::ObjectKind::Button, 1);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->font.name, "ＭＳ 明朝");
  EXPECT_EQ(button->font.size, 12.0);
  EXPECT_TRUE(button->font.bold);
  EXPECT_FALSE(button->font.italic) << "a part not stored stays the template's own";
  const auto* label = r.page.objects().find(pemo::page::ObjectKind::Label, 1);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->font.name, "ＭＳ ゴシック") << "the block's own font keys win";
  EXPECT_EQ(label->font.size, 12.0);
}
