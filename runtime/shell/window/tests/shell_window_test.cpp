#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QTreeWidget>

#include "platform/fs/windows_path.h"
#include "runtime/shell/window/tests/window_fixture.h"

using namespace pemo::page;
using namespace pemo::page::testing;
using namespace pemo::shell;
using namespace pemo::shell::testing;
using pemo::testing::TempDir;

namespace {

QAction* item(QMenu* menu, const QString& caption) {
  for (QAction* a : menu->actions())
    if (a->text() == caption) return a;
  return nullptr;
}

QMenu* barMenu(RuntimeWindow& window, int i) { return window.menuBar()->actions().at(i)->menu(); }

// Answers the next modal dialog after it came up, and tells what it showed.
struct ModalWatch {
  QString title;
  QStringList texts;
  void arm() {
    QTimer::singleShot(50, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      title = dialog->windowTitle();
      for (QLabel* l : dialog->findChildren<QLabel*>()) texts << l->text();
      dialog->accept();
    });
  }
};

struct TreeWindow : WindowFixture {
  TempDir dir;
  std::string top, sub;
  TreeWindow() {
    sub = writeMenu(dir / "SUB.FIL", {"BEGIN MENU", "CAPTION=sub", "END MENU"});
    top = writeMenu(dir / "TOP.FIL", {"BEGIN MENU", "CAPTION=top", "END MENU", "BEGIN BUTTON", "INDEX=1",
                                      "CAPTION=s", "LINK=" + sub, "END BUTTON", "BEGIN BUTTON", "INDEX=2",
                                      "CAPTION=run", "LINK=tool.exe /a=b", "END BUTTON"});
    runtime.appFolder = pemo::fs::toWindowsPath(dir.path().string()) + "\\";
    Startup start;
    start.menuFile = top;
    shell->createWindow(start);
  }
  QTreeWidget* tv() { return static_cast<QTreeWidget*>(window.treeWidget()); }
  QTreeWidgetItem* itemOf(int node) {
    QTreeWidgetItem* root = tv()->topLevelItem(0);
    return node == 1 ? root : root->child(node - 2);
  }
  QRect rectOf(int node) { return tv()->visualItemRect(itemOf(node)); }
};

}  // namespace

TEST(ShellWindow, TreeEventsChangeThePageAndRunPrograms) {
  TreeWindow w;
  ASSERT_EQ(w.tv()->topLevelItemCount(), 1);
  EXPECT_EQ(w.itemOf(1)->text(0), "top");
  EXPECT_TRUE(w.itemOf(1)->isExpanded());
  EXPECT_EQ(w.itemOf(3)->text(0), "run");
  EXPECT_EQ(w.window.windowTitle(), "top");

  QTest::mouseClick(w.tv()->viewport(), Qt::LeftButton, {}, w.rectOf(2).center());
  EXPECT_EQ(w.window.windowTitle(), "sub");
  QTest::mouseClick(w.tv()->viewport(), Qt::LeftButton, {}, w.rectOf(3).center());
  EXPECT_EQ(w.window.windowTitle(), "top") << "a program node opens its menu";
  QTest::mouseDClick(w.tv()->viewport(), Qt::LeftButton, {}, w.rectOf(3).center());
  EXPECT_EQ(w.programs.started, std::vector<std::string>{"tool.exe /a=b"});

  // The right button opens the popup menu.
  QTest::mousePress(w.tv()->viewport(), Qt::RightButton, {}, w.rectOf(1).center());
  EXPECT_TRUE(w.window.popupMenu()->isVisible());
  EXPECT_EQ(w.hooks.popupsFilled, 1) << "the running programs are listed first";
  w.window.popupMenu()->hide();

  // Ctrl+T hides the pane; the menu item's mark follows.
  QAction* treeItem = item(barMenu(w.window, 0), "ﾘﾝｸﾂﾘｰ(&T)");
  ASSERT_NE(treeItem, nullptr);
  const bool shown = w.surface.treePaneShown();
  treeItem->trigger();
  EXPECT_EQ(w.surface.treePaneShown(), !shown);
  EXPECT_EQ(treeItem->isChecked(), !shown);
}

TEST(ShellWindow, CloseRefusedThenAllowedAndShiftEscape) {
  TreeWindow w;
  w.links.runProgram("tool.exe");
  item(barMenu(w.window, 0), "終了(&X)")->trigger();
  EXPECT_TRUE(w.window.isVisible());
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].prompt, "起動したｱﾌﾟﾘｹｰｼｮﾝを先に終了してください");
  // Shift+Esc closes without asking.
  QTest::keyClick(&w.window, Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_FALSE(w.window.isVisible());
  EXPECT_EQ(w.messages.shown.size(), 1u);
}

TEST(ShellWindow, HelpVersionAndPowerCommands) {
  TreeWindow w;
  QMenu* help = barMenu(w.window, 3);
  w.programs.failing.insert(w.runtime.appFolder + "doc\\pemo.html");
  item(help, "HTMLﾍﾙﾌﾟ(&H)")->trigger();
  EXPECT_EQ(w.programs.opened, std::vector<std::string>{w.runtime.appFolder + "doc\\pemo.html"});
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].prompt, "HTMLﾄﾞｷｭﾒﾝﾄを開けません");

  ModalWatch watch;
  watch.arm();
  item(help, "ﾊﾞｰｼﾞｮﾝ情報(&A)")->trigger();
  EXPECT_EQ(watch.title, "バージョン情報");
  EXPECT_TRUE(watch.texts.contains("Pemo Version 1.0"));
  EXPECT_TRUE(watch.texts.contains("Copyright (C) 2026 Kalvo"));

  w.messages.answers = {pemo::ui::kNo, pemo::ui::kYes};
  QAction* shutdown = item(barMenu(w.window, 0), "Windowsの終了(&E)");
  shutdown->trigger();
  EXPECT_TRUE(w.power.requests.empty());
  shutdown->trigger();
  EXPECT_EQ(w.power.requests, std::vector<std::string>{"shutdown"});
}

TEST(ShellWindow, ATestRunSwitchesTheUsersCommandsOff) {
  WindowFixture w;
  w.runtime.testRun = true;
  w.shell->createWindow(Startup{});
  EXPECT_FALSE(barMenu(w.window, 1)->isEnabled());
  EXPECT_FALSE(barMenu(w.window, 2)->isEnabled());
  EXPECT_FALSE(barMenu(w.window, 3)->isEnabled());
  QMenu* menu = barMenu(w.window, 0);
  EXPECT_FALSE(item(menu, "Windowsの終了(&E)")->isEnabled());
  EXPECT_FALSE(item(menu, "ｺﾝﾋﾟｭｰﾀを再起動(&R)")->isEnabled());
  EXPECT_FALSE(w.window.favouritesMenu()->menuAction()->isEnabled());
  EXPECT_TRUE(item(menu, "ﾘﾝｸﾂﾘｰ(&T)")->isEnabled());
  EXPECT_TRUE(item(menu, "終了(&X)")->isEnabled());
}

TEST(ShellWindow, KeypadStarExpandsTheTreeAndAFailedNodeGivesTheSelectionBack) {
  WindowFixture w;
  TempDir dir;
  std::string sub = writeMenu(dir / "SUB.FIL", {"BEGIN MENU", "CAPTION=sub", "END MENU", "BEGIN BUTTON", "INDEX=1",
                                                "CAPTION=g", "LINK=GONE.FIL", "END BUTTON"});
  std::string top = writeMenu(dir / "TOP.FIL", {"BEGIN MENU", "CAPTION=top", "END MENU", "BEGIN BUTTON", "INDEX=1",
                                                "CAPTION=s", "LINK=" + sub, "END BUTTON"});
  w.runtime.appFolder = pemo::fs::toWindowsPath(dir.path().string()) + "\\";
  Startup start;
  start.menuFile = top;
  w.shell->createWindow(start);
  auto* tv = static_cast<QTreeWidget*>(w.window.treeWidget());
  QTreeWidgetItem* root = tv->topLevelItem(0);
  QTreeWidgetItem* subItem = root->child(0);
  ASSERT_NE(subItem, nullptr);
  ASSERT_EQ(subItem->childCount(), 1);

  // Keypad "*" on the root expands the whole branch; no menu opens, nothing is reported.
  tv->setCurrentItem(root);
  QTest::keyClick(tv, Qt::Key_Asterisk, Qt::KeypadModifier);
  EXPECT_TRUE(subItem->isExpanded());
  EXPECT_EQ(w.window.windowTitle(), "top");
  EXPECT_EQ(tv->currentItem(), root);
  EXPECT_TRUE(w.messages.shown.empty());

  // The missing file's node: reported, and the selection is back on the shown menu's node.
  QTest::mouseClick(tv->viewport(), Qt::LeftButton, {}, tv->visualItemRect(subItem->child(0)).center());
  EXPECT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.window.windowTitle(), "top");
  EXPECT_EQ(tv->currentItem(), root);
}

TEST(ShellWindow, TheParentLinkOpensTheShownMenusParentWhateverTheTreeShowsOrSelects) {
  // START → D1 → D2 → D3 → D4, each menu's first button links the next, its second is the
  // parent link. START's third starts a program, whose node follows D1's.
  TempDir dir;
  std::vector<std::string> menus(5);
  for (int depth = 4; depth >= 0; --depth) {
    const std::string name = depth == 0 ? "START" : "D" + std::to_string(depth);
    std::vector<std::pair<std::string, int>> links{{"", 4}};
    if (depth < 4) links.insert(links.begin(), {menus[depth + 1], 0});
    if (depth == 0) links.push_back({"tool.exe", 0});
    menus[depth] = writeMenu(dir / (name + ".FIL"), buttons(name, links));
  }
  auto title = [](int depth) { return QString::fromStdString(depth == 0 ? "START" : "D" + std::to_string(depth)); };
  for (int depth = 2; depth <= 4; ++depth) {
    for (int collapsed = 0; collapsed < depth; ++collapsed) {
      for (bool down : {false, true}) {
        SCOPED_TRACE("shown D" + std::to_string(depth) + ", collapsed " + title(collapsed).toStdString() +
                     (down ? ", then Down" : ""));
        WindowFixture w;
        w.runtime.appFolder = pemo::fs::toWindowsPath(dir.path().string()) + "\\";
        Startup start;
        start.menuFile = menus[0];
        w.shell->createWindow(start);
        if (!w.surface.treePaneShown()) w.window.toggleTreePane();
        for (int d = 1; d <= depth; ++d)
          QTest::mouseClick(static_cast<QAbstractButton*>(w.widget(ObjectKind::Button, 1)), Qt::LeftButton);
        ASSERT_EQ(w.window.windowTitle(), title(depth));
        auto* tv = static_cast<QTreeWidget*>(w.window.treeWidget());
        QTreeWidgetItem* item = tv->topLevelItem(0);
        for (int d = 0; d < collapsed; ++d) item = item->child(0);
        tv->collapseItem(item);
        if (down) {
          // The Down key selects the next node shown without opening it.
          QTest::keyClick(tv, Qt::Key_Down);
          if (collapsed > 0) ASSERT_EQ(tv->currentItem(), tv->topLevelItem(0)->child(1));
        }
        const int parentButton = depth < 4 ? 2 : 1;
        QTest::mouseClick(static_cast<QAbstractButton*>(w.widget(ObjectKind::Button, parentButton)), Qt::LeftButton);
        EXPECT_EQ(w.window.windowTitle().toStdString(), title(depth - 1).toStdString());
        QTreeWidgetItem* parentItem = tv->topLevelItem(0);
        for (int d = 1; d < depth; ++d) parentItem = parentItem->child(0);
        EXPECT_EQ(tv->currentItem(), parentItem) << "the tree follows the page";
        EXPECT_TRUE(w.messages.shown.empty());
      }
    }
  }
}
