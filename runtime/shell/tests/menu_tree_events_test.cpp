#include <gtest/gtest.h>

#include "platform/text/strings.h"
#include "runtime/shell/tests/shell_fakes.h"

using namespace pemo::shell;
using namespace pemo::shell::testing;
using pemo::page::MenuTreeNode;
using pemo::page::MenuTreeNodeKind;
using pemo::page::testing::writeMenu;
using pemo::testing::TempDir;

namespace {

struct TreeRig : ShellRig {
  TempDir dir;
  std::string top, sub;
  TreeRig() {
    top = writeMenu(dir / "TOP.FIL", {"BEGIN MENU", "CAPTION=top", "END MENU"});
    sub = writeMenu(dir / "SUB.FIL", {"BEGIN MENU", "CAPTION=sub", "END MENU"});
    treeView.setNodes({{0, top, "top", MenuTreeNodeKind::Root, ""},
                       {1, "prog.exe /a=b", "go", MenuTreeNodeKind::Program, "2,5,0"},
                       {1, sub, "sub", MenuTreeNodeKind::LinkedMenu, ""},
                       {1, "GONE.FIL", "(ﾌｧｲﾙなし) GONE.FIL", MenuTreeNodeKind::MissingMenu, ""}});
  }
  MenuTreeEvents& events() { return shell.treeEvents(); }
};

}  // namespace

TEST(MenuTreeEvents, ClicksAndExpansionsOpenTheNodesMenu) {
  TreeRig r;
  r.events().nodeClicked(3);
  EXPECT_EQ(r.page.state().currentMenuFile, r.sub);
  // A program node opens its parent's menu.
  r.events().nodeClicked(2);
  EXPECT_EQ(r.page.state().currentMenuFile, r.top);
  // A missing file keeps the page and says so.
  r.events().nodeClicked(4);
  EXPECT_EQ(r.page.state().currentMenuFile, r.top);
  ASSERT_EQ(r.messages.shown.size(), 1u);
  EXPECT_EQ(r.messages.shown[0].prompt, "GONE.FIL\rﾒﾆｭｰﾌｧｲﾙを開けません");

  // While the program moves the tree itself, an expansion opens nothing.
  r.page.state().treeSync = true;
  r.events().expanded(3);
  EXPECT_EQ(r.page.state().currentMenuFile, r.top);
  r.page.state().treeSync = false;
  r.events().expanded(3);
  EXPECT_EQ(r.page.state().currentMenuFile, r.sub);
  EXPECT_EQ(r.treeView.selected, 3);
  r.events().collapsed(1);
  EXPECT_EQ(r.treeView.selected, 1);
  EXPECT_EQ(r.page.state().currentMenuFile, r.sub) << "a collapse opens nothing";
  r.events().nodeClicked(99);
  EXPECT_EQ(r.messages.shown.size(), 1u);
}

TEST(MenuTreeEvents, OneKeyPressOpensOnlyTheMenuOfTheNodeItActedOn) {
  TreeRig r;
  r.treeView.select(1);
  r.events().nodeClicked(1);
  // Keypad "*" on the root: every other node the key expands opens nothing, selects
  // nothing and reports nothing (the missing file among them).
  r.events().keyPressed(1, [&] {
    r.events().expanded(3);
    r.events().expanded(4);
  });
  EXPECT_EQ(r.page.state().currentMenuFile, r.top);
  EXPECT_EQ(r.treeView.selected, 1);
  EXPECT_TRUE(r.messages.shown.empty());
  // The node the key acted on opens as any expansion does.
  r.treeView.select(3);
  r.events().keyPressed(3, [&] {
    r.events().expanded(3);
    r.events().expanded(1);
  });
  EXPECT_EQ(r.page.state().currentMenuFile, r.sub);
  // Once the key was handled, expansions by the mouse open their menus again, and a
  // script running during a key press refuses only for the acted-on node.
  r.events().expanded(1);
  EXPECT_EQ(r.page.state().currentMenuFile, r.top);
  r.script.running = true;
  r.events().keyPressed(1, [&] {
    r.events().expanded(3);
    r.events().expanded(1);
  });
  EXPECT_EQ(r.messages.shown.size(), 1u);
}

TEST(MenuTreeEvents, AMenuThatCannotOpenGivesTheSelectionBackToTheShownMenu) {
  TreeRig r;
  r.treeView.setNodes({{0, r.top, "top", MenuTreeNodeKind::Root, ""},
                       {1, r.sub, "sub", MenuTreeNodeKind::LinkedMenu, ""},
                       {2, "NOFILE.FIL", "(ﾌｧｲﾙなし) NOFILE.FIL", MenuTreeNodeKind::MissingMenu, ""},
                       {1, "GONE.FIL", "(ﾌｧｲﾙなし) GONE.FIL", MenuTreeNodeKind::MissingMenu, ""}});
  r.events().nodeClicked(2);
  // The missing node under the shown menu: back to that menu's node.
  r.treeView.select(3);
  r.events().nodeClicked(3);
  EXPECT_EQ(r.treeView.selected, 2);
  // Under another menu: back to the first node of the shown menu.
  r.treeView.select(4);
  r.events().nodeClicked(4);
  EXPECT_EQ(r.treeView.selected, 2);
  EXPECT_EQ(r.page.state().currentMenuFile, r.sub);
  EXPECT_EQ(r.messages.shown.size(), 2u);
  // A menu opened by other means, named in another letter case, is found all the same.
  r.page.state().currentMenuFile = pemo::text::LCase(r.sub);
  r.treeView.select(3);
  r.events().nodeClicked(3);
  EXPECT_EQ(r.treeView.selected, 2);
}

TEST(MenuTreeEvents, DoubleClickRunsAProgramNodesWholeLink) {
  TreeRig r;
  r.treeView.select(3);
  r.events().doubleClicked();
  EXPECT_TRUE(r.programs.started.empty()) << "a menu node does nothing on a double click";
  r.treeView.select(2);
  r.events().doubleClicked();
  EXPECT_EQ(r.programs.started, std::vector<std::string>{"prog.exe /a=b"});
  EXPECT_TRUE(r.script.events.empty()) << "no click event";
}

TEST(MenuTreeEvents, RefusedWhileAScriptRunsAndMouseMoves) {
  TreeRig r;
  r.script.running = true;
  r.treeView.select(2);
  r.events().nodeClicked(3);
  r.events().expanded(3);
  r.events().collapsed(3);
  r.events().doubleClicked();
  EXPECT_EQ(r.messages.shown.size(), 4u);
  EXPECT_TRUE(r.page.state().currentMenuFile.empty());
  EXPECT_TRUE(r.programs.started.empty());
  EXPECT_EQ(r.treeView.selected, 2);

  r.view.statusTexts.clear();
  r.page.state().menuOpening = true;
  r.events().mouseMoved();
  EXPECT_TRUE(r.view.statusTexts.empty());
  r.page.state().menuOpening = false;
  r.events().mouseMoved();
  EXPECT_EQ(r.view.statusTexts, std::vector<std::string>{""});
}

TEST(MenuTreeEvents, TheShownMenusNodeNotTheSelectionLeadsTheParentLinkAndTheTree) {
  TreeRig r;
  const std::string sub2 = writeMenu(r.dir / "SUB2.FIL", {"BEGIN MENU", "CAPTION=sub2", "END MENU"});
  r.treeView.setNodes({{0, r.top, "top", MenuTreeNodeKind::Root, ""},
                       {1, r.sub, "sub", MenuTreeNodeKind::LinkedMenu, ""},
                       {2, sub2, "sub2", MenuTreeNodeKind::LinkedMenu, ""}});
  auto parentLink = [&] { r.treeLinks.doLink(pemo::page::ObjectKind::Button, 1, "", 4); };
  // The sub-menu opened from the tree, then the root collapsed (and selected).
  r.events().expanded(2);
  r.events().collapsed(1);
  EXPECT_EQ(r.pageEvents.styleHelp(4, ""), "親ﾒﾆｭｰへ移動します");
  parentLink();
  EXPECT_EQ(r.page.state().currentMenuFile, r.top);
  EXPECT_EQ(r.view.closeRequests, 0);

  // The third level opened from the tree, its parent collapsed: back to that parent.
  r.events().expanded(2);
  r.events().expanded(3);
  r.events().collapsed(2);
  parentLink();
  EXPECT_EQ(r.page.state().currentMenuFile, r.sub);
  EXPECT_EQ(r.treeView.selected, 2);

  // A link on the page moves the tree down from the shown menu's node.
  r.events().collapsed(1);
  r.treeLinks.openLink(sub2);
  EXPECT_EQ(r.treeView.selected, 3);
  parentLink();
  EXPECT_EQ(r.page.state().currentMenuFile, r.sub);
  EXPECT_EQ(r.view.closeRequests, 0);
}
