#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "platform/fs/windows_path.h"
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

  // START → D1 → D2 → D3 → D4, and D2 (with all below it) linked again from E: the menus
  // shown through E at depths 2 to 4, each ancestor collapsed, then the selection left
  // there or moved (as the Down key moves it, opening nothing) onto the same menu's node
  // under D1. The parent links walk back the way the menu came, the status line says
  // where they go, and the page's links, a failed node and a favourite keep to that way.
  std::filesystem::create_directories(r.dir / "PemoUser");
  r.runtime.appFolder = pemo::fs::toWindowsPath(r.dir.path().string()) + "\\";
  std::map<std::string, std::string> file;
  for (const char* name : {"START", "D1", "E", "D2", "D3", "D4"})
    file[name] = writeMenu(r.dir / (std::string(name) + ".FIL"), {"BEGIN MENU", "CAPTION=" + std::string(name), "END MENU"});
  const std::vector<std::string> names{"START", "D1", "D2", "D3", "D4", "E", "D2", "D3", "D4", "GONE"};
  const std::vector<int> parents{0, 1, 2, 3, 4, 1, 6, 7, 8, 8};
  std::vector<MenuTreeNode> nodes;
  for (size_t i = 0; i < names.size(); ++i) {
    const bool second = i >= 5;
    nodes.push_back({parents[i], names[i] == "GONE" ? "GONE.FIL" : file[names[i]],
                     names[i] + (second ? " via E" : ""), i == 0 ? MenuTreeNodeKind::Root : MenuTreeNodeKind::LinkedMenu,
                     ""});
  }
  const std::vector<int> throughE{1, 6, 7, 8, 9};    // the nodes by depth
  const std::vector<int> throughD1{1, 2, 3, 4, 5};
  r.treeView.setNodes(nodes);
  r.shell.favourites().startWith("START");
  r.window.deleteDialog = [] { return std::vector<pemo::page::FavouriteMenu>{}; };
  const std::string parentHelp = "親ﾒﾆｭｰへ移動します";
  for (int depth = 2; depth <= 4; ++depth) {
    for (int ancestor = 0; ancestor < depth; ++ancestor) {
      for (bool moved : {false, true}) {
        SCOPED_TRACE("depth " + std::to_string(depth) + ", ancestor " + std::to_string(ancestor) +
                     (moved ? ", selection moved" : ""));
        r.events().nodeClicked(1);
        for (int d = 1; d <= depth; ++d) r.treeLinks.openLink(file[names[throughE[d] - 1]]);
        ASSERT_EQ(r.treeView.selected, throughE[depth]);
        r.events().collapsed(throughE[ancestor]);
        if (moved) r.treeView.select(throughD1[depth]);
        EXPECT_EQ(r.pageEvents.styleHelp(4, ""), parentHelp);
        r.shell.favourites().clicked(kAddFavouriteItem);
        EXPECT_EQ(r.runtime.favouriteMenus[0].caption, names[throughE[depth] - 1] + " via E");
        r.shell.favourites().clicked(kDeleteFavouritesItem);
        if (depth == 3) {
          r.events().nodeClicked(10);  // the missing menu below D3: back to the shown node
          EXPECT_EQ(r.treeView.selected, throughE[depth]);
          r.treeLinks.openLink(file["D4"]);
          EXPECT_EQ(r.treeView.selected, throughE[4]);
          parentLink();
        }
        for (int d = depth - 1; d >= 0; --d) {
          // Every other step through a selection run whose object has no link of its own.
          r.treeLinks.doLink(pemo::page::ObjectKind::Button, 1, "", d % 2 ? 4 : 3);
          EXPECT_EQ(r.page.state().currentMenuFile, file[names[throughE[d] - 1]]);
          EXPECT_EQ(r.treeView.selected, throughE[d]);
        }
        EXPECT_NE(r.pageEvents.styleHelp(4, ""), parentHelp) << "the start menu's parent link closes";
        const int closes = r.view.closeRequests;
        parentLink();
        EXPECT_EQ(r.view.closeRequests, closes + 1);
      }
    }
  }
}
