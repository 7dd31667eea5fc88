#include <gtest/gtest.h>

#include "platform/fs/windows_path.h"
#include "platform/ui/message_port.h"
#include "runtime/page/link_actions.h"
#include "runtime/page/tests/page_fakes.h"

using namespace pemo::page;
using namespace pemo::page::testing;
namespace mf = pemo::menufile;
using pemo::testing::TempDir;

namespace {

struct Links : LinkedPage {

  PageObject& button(int index, const std::string& caption, const std::string& link = "") {
    PageObject& o = page.objects().load(ObjectKind::Button, index);
    o.caption = caption;
    o.link = link;
    return o;
  }
  std::string caption(ObjectKind kind, int index) { return page.objects().find(kind, index)->caption; }
};

const std::vector<std::string> kMenu{"BEGIN MENU", "CAPTION=m", "END MENU"};

}  // namespace

TEST(LinkActions, ToggledObjectsAreNumberedInClickOrder) {
  Links l;
  l.button(1, "A", "a.exe");
  l.button(2, "B", "b.exe");
  l.button(3, "C", "PROG.EXE X,Y");
  for (int i : {1, 2, 3}) l.links.doLink(ObjectKind::Button, i, l.caption(ObjectKind::Button, i) == "C" ? "PROG.EXE X,Y" : "x", 1);
  EXPECT_EQ(l.caption(ObjectKind::Button, 1), "1 A");
  EXPECT_EQ(l.caption(ObjectKind::Button, 2), "2 B");
  EXPECT_EQ(l.caption(ObjectKind::Button, 3), "3 C");
  l.links.doLink(ObjectKind::Button, 2, "x", 1);
  EXPECT_EQ(l.caption(ObjectKind::Button, 1), "1 A");
  EXPECT_EQ(l.caption(ObjectKind::Button, 2), "B");
  EXPECT_EQ(l.caption(ObjectKind::Button, 3), "2 C");
  ASSERT_EQ(l.page.selection().count(), 2);
  EXPECT_EQ(l.page.selection().items()[1], "2,3,PROG.EXE X,Y");

  // Running the selection waits for each link in order, then drops the numbers.
  l.links.doLink(ObjectKind::Button, 9, "", 2);
  EXPECT_EQ(l.programs.started, (std::vector<std::string>{"x", "PROG.EXE X,Y"}));
  EXPECT_EQ(l.programs.waited, (std::vector<long>{1000, 1001}));
  EXPECT_EQ(l.caption(ObjectKind::Button, 1), "A");
  EXPECT_EQ(l.caption(ObjectKind::Button, 3), "C");
  EXPECT_TRUE(l.page.selection().empty());
  EXPECT_NE(std::find(l.view.statusTexts.begin(), l.view.statusTexts.end(), "2 Cを実行中・・・"), l.view.statusTexts.end());
  EXPECT_EQ(l.view.statusTexts.back(), "");
  EXPECT_EQ(l.view.enables, (std::vector<bool>{false, true}));
  EXPECT_TRUE(l.runList.list.empty()) << "selection runs are not listed";
}

TEST(LinkActions, SelectionEventsAndFailures) {
  Links l;
  l.script.loaded = true;
  l.links.executeSelection(ObjectKind::Button, 1);
  EXPECT_TRUE(l.script.events.empty()) << "an empty selection fires nothing";

  l.button(1, "A", "bad.exe");
  l.links.toggleSelection(ObjectKind::Button, 1, "bad.exe");
  l.programs.failing.insert("bad.exe");
  l.links.executeSelection(ObjectKind::Button, 5);
  ASSERT_EQ(l.script.events.size(), 2u);
  EXPECT_EQ(l.script.events[0].event, mf::ScriptEvent::BeforeExecute);
  EXPECT_EQ(l.script.events[0].index, 5);
  EXPECT_EQ(l.script.events[1].event, mf::ScriptEvent::CommitExecute);
  ASSERT_EQ(l.messages.shown.size(), 1u);
  EXPECT_EQ(l.messages.shown[0].prompt, "起動に失敗しました");
  EXPECT_EQ(l.caption(ObjectKind::Button, 1), "1 A") << "a failed run keeps its list";
  EXPECT_EQ(l.page.selection().count(), 1);
  EXPECT_EQ(l.view.enables.back(), true);

  l.script.running = true;
  l.links.doLink(ObjectKind::Button, 1, "a.exe", 0);
  EXPECT_EQ(l.messages.shown.back().prompt, "ｽｸﾘﾌﾟﾄ実行中の為、選択された処理を行うことはできません");
  EXPECT_EQ(l.programs.started.size(), 1u);
}

TEST(LinkActions, ProgramsStartOnceWhileTheyRun) {
  Links l;
  l.runtime.menuDrive = "D:";
  l.links.doLink(ObjectKind::Button, 1, "", 0);
  EXPECT_TRUE(l.programs.started.empty()) << "an empty link does nothing";
  l.links.doLink(ObjectKind::Button, 1, "\\APP\\A.EXE", 0);
  ASSERT_EQ(l.programs.started, std::vector<std::string>{"D:\\APP\\A.EXE"});
  ASSERT_EQ(l.runList.list.size(), 1u);
  EXPECT_EQ(l.runList.list[0], (std::pair<std::string, std::string>{"1000", "\\APP\\A.EXE"}));
  EXPECT_TRUE(l.links.checkRunningPrograms());

  l.links.doLink(ObjectKind::Button, 1, "\\APP\\A.EXE", 0);
  EXPECT_EQ(l.programs.started.size(), 1u);
  EXPECT_EQ(l.messages.shown.back().prompt, "このｱﾌﾟﾘｹｰｼｮﾝは既に起動しています");

  l.programs.finishAll();  // the program ended
  EXPECT_FALSE(l.links.checkRunningPrograms());
  l.links.doLink(ObjectKind::Button, 1, "\\APP\\A.EXE", 0);
  EXPECT_EQ(l.runList.list.size(), 2u);

  l.programs.failing.insert("broken.exe");
  l.links.runProgram("broken.exe");
  EXPECT_EQ(l.messages.shown.back().prompt, "broken.exe\r起動に失敗しました");
  EXPECT_EQ(l.runList.list.size(), 2u);
}

TEST(LinkActions, ReusedProcessIdsDoNotBlockAStart) {
  Links l;
  // A value left by an earlier run names an id that is no child of this runtime.
  l.runList.list.emplace_back("1", "a.exe");
  EXPECT_FALSE(l.links.checkRunningPrograms());
  l.links.runProgram("a.exe");
  EXPECT_EQ(l.programs.started.size(), 1u);
  EXPECT_TRUE(l.messages.shown.empty());
}

TEST(LinkActions, MenuLinksChangeThePageAndTheTreeFollows) {
  TempDir dir;
  Links l;
  auto top = writeMenu(dir / "TOP.FIL", kMenu);
  auto sub = writeMenu(dir / "SUB.FIL", {"BEGIN MENU", "CAPTION=sub", "END MENU", "BEGIN BUTTON", "END BUTTON"});
  int root = l.tree.add(0, top);
  int child = l.tree.add(root, sub);
  l.tree.selected = root;
  l.page.openMenuFile(top);

  l.links.doLink(ObjectKind::Label, 1, sub, 0);
  EXPECT_EQ(l.page.state().currentMenuFile, sub);
  EXPECT_EQ(l.view.relayouts, 1);
  EXPECT_EQ(l.tree.selected, child);
  EXPECT_FALSE(l.page.state().treeSync);

  // The parent menu comes back through the same change: layout and tree included.
  l.links.doLink(ObjectKind::Button, 1, "", 4);
  EXPECT_EQ(l.page.state().currentMenuFile, top);
  EXPECT_EQ(l.view.relayouts, 2);
  EXPECT_EQ(l.tree.selected, root);
  // At the top of the tree the window is asked to close.
  l.links.goParentMenu();
  EXPECT_EQ(l.view.closeRequests, 1);

  // The open menu is not reopened, but the tree still follows.
  l.tree.selected = root;
  l.links.openLink(top);
  EXPECT_EQ(l.view.relayouts, 2);
}

TEST(LinkActions, AMenuThatCannotBeOpenedKeepsThePage) {
  TempDir dir;
  Links l;
  auto top = writeMenu(dir / "TOP.FIL", {"BEGIN MENU", "END MENU", "BEGIN BUTTON", "CAPTION=b", "END BUTTON"});
  l.page.openMenuFile(top);
  l.links.openLink((dir / "GONE.FIL").string());
  EXPECT_EQ(l.page.state().currentMenuFile, top);
  EXPECT_NE(l.page.objects().find(ObjectKind::Button, 1), nullptr);
  ASSERT_EQ(l.messages.shown.size(), 1u);
  EXPECT_EQ(l.messages.shown[0].title, "Pemo");
  EXPECT_EQ(l.view.relayouts, 0);
}

TEST(LinkActions, SelectionThenLinkGoesOnThroughTheMenuChange) {
  TempDir dir;
  Links l;
  auto top = writeMenu(dir / "top.fil", kMenu);
  auto sub = writeMenu(dir / "sub.fil", kMenu);
  int root = l.tree.add(0, top);
  int child = l.tree.add(root, sub);
  l.tree.selected = root;
  l.page.openMenuFile(top);
  l.button(1, "go", sub);
  l.button(2, "x", "x.exe");
  l.links.toggleSelection(ObjectKind::Button, 2, "x.exe");
  // A lower-case ".fil" link is a menu too, and the layout and tree follow.
  l.links.doLink(ObjectKind::Button, 1, sub, 3);
  EXPECT_EQ(l.programs.started, std::vector<std::string>{"x.exe"});
  EXPECT_EQ(l.page.state().currentMenuFile, sub);
  EXPECT_EQ(l.view.relayouts, 1);
  EXPECT_EQ(l.tree.selected, child);

  // A blank own link runs the selection and goes to the parent menu.
  l.button(1, "back", "  ");
  l.links.executeSelectionThenLink(ObjectKind::Button, 1);
  EXPECT_EQ(l.page.state().currentMenuFile, top);
}

TEST(LinkActions, ExecuteAndWaitLocksThePage) {
  Links l;
  PageObject& image = l.page.objects().load(ObjectKind::Image, 1);
  image.link = "tool.exe";
  l.links.doLink(ObjectKind::Image, 1, "ignored", 5);
  EXPECT_EQ(l.programs.started, std::vector<std::string>{"tool.exe"});
  EXPECT_EQ(l.programs.waited.size(), 1u);
  EXPECT_EQ(l.view.enables, (std::vector<bool>{false, true}));
  EXPECT_TRUE(l.runList.list.empty());
}

TEST(LinkActions, ParentOfAProgramNodeIsTheMenuAboveItsMenu) {
  TempDir dir;
  Links l;
  auto top = writeMenu(dir / "TOP.FIL", kMenu);
  auto sub = writeMenu(dir / "SUB.FIL", kMenu);
  int root = l.tree.add(0, top);
  int menu = l.tree.add(root, sub);
  int program = l.tree.add(menu, "prog.exe");
  l.tree.selected = program;
  l.page.openMenuFile(sub);
  l.links.goParentMenu();
  EXPECT_EQ(l.page.state().currentMenuFile, top);
  EXPECT_EQ(l.tree.selected, root);
  l.tree.selected = 0;
  l.links.goParentMenu();
  EXPECT_EQ(l.view.closeRequests, 1) << "no tree node: the window is asked to close";
}

TEST(LinkActions, ADocumentWhoseOpenerFailsIsReported) {
  Links l;
  l.programs.documents = {"C:\\DOC\\A.TXT", "C:\\DOC\\B.TXT"};
  l.links.runProgram("C:\\DOC\\A.TXT");
  EXPECT_TRUE(l.messages.shown.empty()) << "the page does not wait for the opener";
  EXPECT_TRUE(l.programs.waited.empty());
  l.programs.finish(l.programs.lastPid, 3);
  ASSERT_EQ(l.messages.shown.size(), 1u);
  EXPECT_EQ(l.messages.shown[0].prompt, "C:\\DOC\\A.TXT\r起動に失敗しました");
  l.links.runProgram("C:\\DOC\\B.TXT");
  l.programs.finish(l.programs.lastPid, 0);
  EXPECT_EQ(l.messages.shown.size(), 1u) << "an opener that shows the document says nothing";

  // In a selection run the failed opener stops the run like a failed start.
  l.button(1, "A", "C:\\DOC\\A.TXT");
  l.links.toggleSelection(ObjectKind::Button, 1, "C:\\DOC\\A.TXT");
  l.programs.exitCodeOnWait = 4;
  l.links.executeSelection(ObjectKind::Button, 1);
  ASSERT_EQ(l.messages.shown.size(), 2u);
  EXPECT_EQ(l.messages.shown[1].prompt, "起動に失敗しました");
  EXPECT_EQ(l.page.selection().count(), 1) << "a failed run keeps its list";
}
