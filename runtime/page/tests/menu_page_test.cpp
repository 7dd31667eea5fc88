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

namespace {

// What an observer of the page's reading hears.
struct HeardLines : MenuLineObserver {
  std::vector<std::pair<mf::MenuLine, std::size_t>> lines;
  std::vector<std::size_t> endings;  // the byte count at each end of reading
  size_t eventsAtEnd = 0;
  size_t messagesAtEnd = 0;
  const FakeScript* script = nullptr;
  const pemo::ui::RecordingMessagePort* messages = nullptr;
  void lineTaken(const mf::MenuLine& line, std::size_t endOffset) override { lines.emplace_back(line, endOffset); }
  void readingEnded(std::string_view bytes) override {
    endings.push_back(bytes.size());
    eventsAtEnd = script->events.size();
    messagesAtEnd = messages->shown.size();
  }
};

}  // namespace

TEST(MenuPage, OfferedBytesTellEachLineOnceAndTheEndBeforeTheLoadedEventOrTheMessage) {
  TempDir dir;
  const std::vector<std::string> lines{"BEGIN MENU",   "\tCAPTION=a\tb ", "END MENU",   "BEGIN BUTTON",
                                       "CAPTION=x",    "END BUTTON",      "BEGIN SCRIPT", "SUB MENU_LOADEDMENU()",
                                       "BEGIN LABEL",  "END LABEL",       "END SCRIPT"};
  const std::string bytes = mf::encodeLines(lines);
  auto path = writeMenu(dir / "m.fil", lines);
  Page p;
  HeardLines heard;
  heard.script = &p.script;
  heard.messages = &p.messages;
  {
    const auto offer = p.page.offerMenuBytes(path, bytes, &heard);
    ASSERT_TRUE(p.page.openMenuFile(path));
  }
  ASSERT_EQ(heard.lines.size(), 7u) << "up to the line that opens the script";
  std::size_t end = 0;
  for (size_t i = 0; i < heard.lines.size(); ++i) {
    end += mf::encodeLines({lines[i]}).size();
    EXPECT_EQ(heard.lines[i].first.kind, mf::classifyLine(lines[i]).kind) << i;
    EXPECT_EQ(heard.lines[i].first.value, mf::classifyLine(lines[i]).value) << i;
    EXPECT_EQ(heard.lines[i].second, end) << i;
  }
  EXPECT_EQ(p.page.state().menuCaption, "a b") << "the page reads the menu block as before";
  EXPECT_EQ(heard.endings, std::vector<std::size_t>{bytes.size()});
  EXPECT_EQ(heard.eventsAtEnd, 0u);
  EXPECT_EQ(p.script.events.size(), 1u);

  // A value the page cannot take ends the reading on its line; the end is told first.
  p.page.closeMenu();
  const std::vector<std::string> bad{"BEGIN MENU", "END MENU", "BEGIN BUTTON", "STYLE=zz", "END BUTTON"};
  path = writeMenu(dir / "bad.fil", bad);
  HeardLines cut;
  cut.script = &p.script;
  cut.messages = &p.messages;
  {
    const auto offer = p.page.offerMenuBytes(path, mf::encodeLines(bad), &cut);
    EXPECT_FALSE(p.page.openMenuFile(path));
  }
  EXPECT_EQ(cut.lines.size(), 4u);
  EXPECT_EQ(cut.endings.size(), 1u);
  EXPECT_EQ(cut.messagesAtEnd + 1, p.messages.shown.size());

  // Bytes offered for another path are dropped, and their observer hears nothing.
  HeardLines other;
  {
    const auto offer = p.page.offerMenuBytes(path + "x", bytes, &other);
    p.page.closeMenu();
    ASSERT_TRUE(p.page.openMenuFile(writeMenu(dir / "plain.fil", kMenu)));
  }
  EXPECT_TRUE(other.lines.empty());
  EXPECT_TRUE(other.endings.empty());

  // An offer that ended unused (the change it was made for refused) leaves nothing: the
  // next opening of its path reads the file as it is now, and the observer hears nothing.
  HeardLines ended;
  { const auto offer = p.page.offerMenuBytes(path, bytes, &ended); }
  p.page.closeMenu();
  ASSERT_TRUE(p.page.openMenuFile(writeMenu(dir / "bad.fil", {"BEGIN MENU", "CAPTION=now", "END MENU"})));
  EXPECT_EQ(p.page.state().menuCaption, "now");
  EXPECT_TRUE(ended.lines.empty());
  EXPECT_TRUE(ended.endings.empty());
}
