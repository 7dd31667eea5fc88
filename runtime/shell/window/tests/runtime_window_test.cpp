#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "kovan/tests/stored_window_place.h"
#include "platform/registry/registry.h"
#include "platform/ui/message_port.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/shell/window/tests/window_fixture.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/shell/view_settings.h"
#include "runtime/shell/window/running_apps_menu.h"

using namespace pemo::page;
using namespace pemo::page::testing;
using namespace pemo::shell;
using namespace pemo::shell::testing;
using pemo::testing::TempDir;

namespace {

struct Window : WindowFixture {
  QAbstractButton* button(int index) {
    return static_cast<QAbstractButton*>(widget(ObjectKind::Button, index));
  }
};

}  // namespace

TEST(RuntimeWindow, ClickingMenuLinksChangesThePage) {
  TempDir dir;
  Window w;
  auto top = writeMenu(dir / "TOP.FIL", buttons("top", {{(dir / "SUB.FIL").string(), 0}, {"tool.exe", 0}}));
  writeMenu(dir / "SUB.FIL", buttons("sub", {{"", 4}}));
  w.window.tree().setNodes({{0, top, "top"}, {1, (dir / "SUB.FIL").string(), "sub"}});
  w.window.tree().select(1);
  w.surface.openFirstMenu(top);
  EXPECT_EQ(w.window.windowTitle(), "top");
  ASSERT_NE(w.button(1), nullptr);
  EXPECT_TRUE(w.button(1)->isVisible());
  EXPECT_EQ(w.button(1)->x(), 10 + 204) << "the tree pane is shown";

  QTest::mouseClick(w.button(1), Qt::LeftButton);
  EXPECT_EQ(w.window.windowTitle(), "sub");
  EXPECT_EQ(w.button(2), nullptr) << "the first menu's objects are gone";
  EXPECT_EQ(w.window.tree().selectedNode(), 2);

  QTest::mouseClick(w.button(1), Qt::LeftButton);  // back to the parent menu
  EXPECT_EQ(w.window.windowTitle(), "top");
  EXPECT_EQ(w.window.tree().selectedNode(), 1);

  QTest::mouseClick(w.button(2), Qt::LeftButton);
  EXPECT_EQ(w.programs.started, std::vector<std::string>{"tool.exe"});
  EXPECT_EQ(w.runList.values().size(), 1u);

  // While the program runs the window refuses to close.
  EXPECT_FALSE(w.window.close());
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].prompt, "起動したｱﾌﾟﾘｹｰｼｮﾝを先に終了してください");
  w.programs.finishAll();
  EXPECT_TRUE(w.window.close());
}

TEST(RuntimeWindow, ALabelOrImageThatChangesTheMenuSurvivesItsOwnClick) {
  // The clicked widget goes with the page it belonged to while its release is still
  // being handled; the rest of that event must not reach it.
  TempDir dir;
  Window w;
  const std::string sub = (dir / "SUB.FIL").string();
  auto top = writeMenu(dir / "TOP.FIL",
                       {"BEGIN MENU", "CAPTION=top", "END MENU",
                        "BEGIN LABEL", "CAPTION=go", "LEFT=10", "TOP=10", "WIDTH=80", "HEIGHT=20",
                        "LINK=" + sub, "END LABEL",
                        "BEGIN IMAGE", "LEFT=10", "TOP=40", "WIDTH=40", "HEIGHT=30", "LINK=" + sub, "END IMAGE"});
  writeMenu(dir / "SUB.FIL", buttons("sub", {{top, 0}}));
  w.window.tree().setNodes({{0, top, "top"}, {1, sub, "sub"}});
  w.window.tree().select(1);
  for (ObjectKind kind : {ObjectKind::Label, ObjectKind::Image}) {
    w.surface.openFirstMenu(top);
    QPointer<QWidget> clicked = w.widget(kind, 1);
    ASSERT_NE(clicked, nullptr);
    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(w.window.windowTitle(), "sub");
    EXPECT_TRUE(clicked.isNull()) << "the old page's widget went with it";
    // The same through the window, as the user's mouse arrives.
    w.surface.openFirstMenu(top);
    clicked = w.widget(kind, 1);
    ASSERT_NE(clicked, nullptr);
    const QPoint at = clicked->mapTo(&w.window, QPoint(3, 3));
    QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_EQ(w.window.windowTitle(), "sub");
    EXPECT_TRUE(clicked.isNull());
  }
}





TEST(RuntimeWindow, ViewSettingsComeFromTheRegistryAndGoBackAtClose) {
  ViewSettings stored;
  stored.treeView = false;
  stored.segmentPosition = 260;
  stored.treeFont = TreeFont{"ＭＳ ゴシック", 12.0, true, false, false, true};
  saveViewSettings(stored, {});
  loadViewSettings();  // the key exists only once a window has read it
  saveViewSettings(stored, {});
  {
    Window w;
    w.shell->createWindow(Startup{});
    EXPECT_FALSE(w.surface.treePaneShown());
    EXPECT_EQ(w.surface.splitterLeft(), 260);
    QWidget* tree = w.window.treeWidget();
    EXPECT_EQ(tree->font().pointSizeF(), 12.0);
    EXPECT_TRUE(tree->font().bold());
    EXPECT_TRUE(tree->font().underline());
    w.window.toggleTreePane();
    EXPECT_TRUE(w.window.close());
  }
  auto saved = loadViewSettings();
  EXPECT_TRUE(saved.treeView);
  EXPECT_EQ(saved.segmentPosition, 260);
  ASSERT_TRUE(saved.treeFont);
  EXPECT_EQ(saved.treeFont->name, "ＭＳ ゴシック") << "the stored name, not the font shown for it";
  EXPECT_EQ(saved.treeFont->size, 12.0);

  // A position beyond the window (a damaged setting) puts the splitter in the middle, with
  // the page beside the tree, and the close stores where it then stood.
  for (int far : {99999, 616}) {
    stored.treeView = true;
    stored.segmentPosition = far;
    saveViewSettings(stored, {});
    {
      Window w;
      w.shell->createWindow(Startup{});
      QWidget* tree = w.window.treeWidget();
      EXPECT_EQ(w.surface.splitterLeft(), (640 - 17) / 2) << far;
      EXPECT_EQ(tree->width(), w.surface.splitterLeft());
      EXPECT_TRUE(tree->isVisible());
      EXPECT_LT(w.surface.splitterLeft() + w.surface.splitterWidth(), w.surface.width() - 17) << "the page shows";
      EXPECT_TRUE(w.window.close());
    }
    EXPECT_EQ(loadViewSettings().segmentPosition, (640 - 17) / 2) << far;
  }
  // Dragged far right in the maximised window, it stays there; when the window is made
  // normal it comes into the narrower window, with the page beside the tree.
  const int maximisedWidth = QApplication::primaryScreen()->availableGeometry().width();
  stored.segmentPosition = maximisedWidth - 100;
  stored.windowState = WindowShowState::Maximized;
  saveViewSettings(stored, {});
  {
    Window w;
    w.shell->createWindow(Startup{});
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.surface.width() > 640; }));
    EXPECT_EQ(w.surface.splitterLeft(), maximisedWidth - 100);
    w.window.showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.surface.width() == 640; }));
    EXPECT_EQ(w.surface.splitterLeft(), (640 - 17) / 2);
    EXPECT_EQ(w.window.treeWidget()->width(), w.surface.splitterLeft());
    EXPECT_TRUE(w.window.close());
  }
  EXPECT_EQ(loadViewSettings().segmentPosition, (640 - 17) / 2);
  stored.windowState = WindowShowState::Normal;

  // One that a drag in this window could give stays where it was.
  stored.segmentPosition = 615;
  saveViewSettings(stored, {});
  Window w;
  w.shell->createWindow(Startup{});
  EXPECT_EQ(w.surface.splitterLeft(), 615);
}

TEST(RuntimeWindow, AStoredPlaceComesBackExactlyStartAfterStartPartlyOffScreenMaximisedOrDamaged) {
  using pemo::kovan::testing::StoredPlace;
  using pemo::kovan::testing::storedPlace;
  using pemo::kovan::testing::storePlace;
  const StoredPlace place{100, 80, 500, 400};
  storePlace(kRuntimeRegistryKey, place);
  auto startAndClose = [](const std::function<void(RuntimeWindow&)>& whileShown = {}) {
    WindowFixture w({640, 480}, false);
    w.shell->createWindow(Startup{});
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    QApplication::processEvents();
    if (whileShown) whileShown(w.window);
    EXPECT_TRUE(w.window.close());
  };
  for (int start = 1; start <= 5; ++start) {
    startAndClose();
    EXPECT_EQ(storedPlace(kRuntimeRegistryKey), place) << "start " << start;
  }

  // Closed maximised, it starts maximised and keeps the place of its last normal close.
  startAndClose([](RuntimeWindow& window) { window.showMaximized(); });
  for (int start = 1; start <= 2; ++start)
    startAndClose([&](RuntimeWindow& window) { EXPECT_TRUE(window.isMaximized()) << "start " << start; });
  EXPECT_EQ(loadViewSettings().windowState, WindowShowState::Maximized);
  EXPECT_EQ(storedPlace(kRuntimeRegistryKey), place);
  // Made normal again, it is at that place.
  startAndClose([](RuntimeWindow& window) {
    window.showNormal();
    QTest::qWait(300);
  });
  EXPECT_EQ(loadViewSettings().windowState, WindowShowState::Normal);
  EXPECT_EQ(storedPlace(kRuntimeRegistryKey), place);

  // Showing at least 100 by 50 pixels past the right and bottom edges, it stays where the
  // user left it. Showing less, it comes back just far enough to show whole; showing
  // nothing or its title bar above the top, it comes back to the screen's left or top.
  const QSize screen = QApplication::primaryScreen()->size();
  const int w = screen.width(), h = screen.height();
  storePlace(kRuntimeRegistryKey, {100, 80, 0, 0});
  startAndClose();
  const StoredPlace own = storedPlace(kRuntimeRegistryKey);  // the window's own size, frame and all
  const std::pair<StoredPlace, StoredPlace> places[] = {
      {{w - 100, h - 100, 500, 400}, {w - 100, h - 100, 500, 400}},
      {{w - 100, h - 50, 500, 400}, {w - 100, h - 50, 500, 400}},
      {{w - 99, h - 49, 500, 400}, {w - 500, h - 400, 500, 400}},
      {{w - 1, h - 1, 500, 400}, {w - 500, h - 400, 500, 400}},
      {{w, h, 500, 400}, {0, 0, 500, 400}},
      {{w + 10, -20, 500, 400}, {0, 0, 500, 400}},
      {{-501, -1, 500, 400}, {0, 0, 500, 400}},
  };
  for (const auto& [stored, comesTo] : places) {
    storePlace(kRuntimeRegistryKey, stored);
    startAndClose();
    EXPECT_EQ(storedPlace(kRuntimeRegistryKey), comesTo) << "stored at " << stored;
  }
  // A size too small to be used keeps the window's own, which the check then counts (as it
  // is before the frame comes, which the window manager may add).
  storePlace(kRuntimeRegistryKey, {w - 1, h - 1, 1, 1});
  startAndClose();
  const StoredPlace back = storedPlace(kRuntimeRegistryKey);
  EXPECT_EQ(QSize(back.width, back.height), QSize(own.width, own.height));
  EXPECT_TRUE(back.left >= w - own.width && back.left <= w - 100) << back;
  EXPECT_TRUE(back.top >= h - own.height && back.top <= h - 50) << back;

  // A size below 100 by 50 keeps the window's own; one at that bound is given (and then
  // grows to the window's least).
  for (const auto& [width, height] : {std::pair{1, 1}, {99, 400}, {500, 49}, {-5, 400}}) {
    storePlace(kRuntimeRegistryKey, {100, 80, width, height});
    startAndClose();
    EXPECT_EQ(storedPlace(kRuntimeRegistryKey), own) << width << "x" << height;
  }
  storePlace(kRuntimeRegistryKey, {100, 80, 150, 150});
  startAndClose();
  const StoredPlace least = storedPlace(kRuntimeRegistryKey);  // the window's least, frame and all
  for (const auto& [width, height] : {std::pair{100, 50}, {101, 51}, {500, 50}}) {
    storePlace(kRuntimeRegistryKey, {100, 80, width, height});
    startAndClose();
    EXPECT_EQ(storedPlace(kRuntimeRegistryKey), (StoredPlace{100, 80, std::max(width, least.width), least.height}))
        << width << "x" << height;
  }

  // A damaged size comes back at the screen's available area.
  const QSize available = QApplication::primaryScreen()->availableSize();
  for (int damaged : {40000, 2147483647}) {
    storePlace(kRuntimeRegistryKey, {0, 0, damaged, damaged});
    startAndClose();
    EXPECT_EQ(storedPlace(kRuntimeRegistryKey), (StoredPlace{0, 0, available.width(), available.height()})) << damaged;
  }
}

TEST(RuntimeWindow, EndedProgramsLeaveTheRunList) {
  Window w;
  RegistryRunList& list = w.runList;
  FakePrograms& programs = w.programs;
  pemo::ui::NoOtherWindows desktop;
  RunningPrograms running(list, programs, desktop);
  w.links.runProgram("a.exe");
  w.links.runProgram("b.exe");
  ASSERT_EQ(list.values().size(), 2u);
  programs.finish(1000, 0);
  running.dropEnded();
  ASSERT_EQ(list.values().size(), 1u);
  EXPECT_EQ(list.values()[0].second, "b.exe");
  // Values named by no process id (the key edited by hand) go too, and the sweep
  // goes on past them.
  {
    namespace reg = pemo::registry;
    reg::Key key = 0;
    ASSERT_EQ(reg::openKey(reg::kUsers, std::string(kRuntimeRegistryKey) + "\\Run\\" +
                                            std::to_string(w.window.registryHandle()), key),
              reg::kSuccess);
    reg::setValue(key, "notes", reg::kString, "x");
    reg::setValue(key, "99999999999999999999999", reg::kString, "y");
    reg::closeKey(key);
  }
  ASSERT_EQ(list.values().size(), 3u);
  running.dropEnded();
  ASSERT_EQ(list.values().size(), 1u);
  EXPECT_EQ(list.values()[0].second, "b.exe");
  programs.finishAll();
  EXPECT_TRUE(w.window.close());
  EXPECT_TRUE(list.values().empty()) << "the key goes with the window";
}

TEST(RuntimeWindow, RunningAppsSubmenuShowsTitlesAndBringsTheChosenWindowForward) {
  Window w;
  struct : pemo::ui::OtherWindowsPort {
    std::vector<pemo::ui::OtherWindow> topLevelWindows() override { return windows; }
    void bringToFront(uint32_t id) override { fronted.push_back(id); }
    std::vector<pemo::ui::OtherWindow> windows;
    std::vector<uint32_t> fronted;
  } desktop;
  RunningPrograms running(w.runList, w.programs, desktop);
  QMenu& submenu = *w.window.runningAppsMenu();
  RunningAppsMenu menu(submenu, running);
  auto captions = [&] {
    QStringList shown;
    for (QAction* action : submenu.actions()) shown << action->text();
    return shown;
  };
  ASSERT_EQ(captions(), QStringList{"なし"}) << "the item there from the start";

  w.links.runProgram("edit.exe");
  w.links.runProgram("calc.exe");
  desktop.windows = {{40, w.programs.lastPid, false, "Calc & Co"}, {41, w.programs.lastPid - 1, false, "Editor"}};
  menu.rebuild();
  ASSERT_EQ(captions(), (QStringList{"Editor", "Calc && Co"})) << "an & in a title is no access key";
  submenu.actions()[1]->trigger();
  EXPECT_EQ(desktop.fronted, std::vector<uint32_t>{40});

  // The window's timer drops the ended programs; the next popup says "なし" again.
  w.programs.finishAll();
  QTRY_VERIFY(w.runList.values().empty());
  menu.rebuild();
  EXPECT_EQ(captions(), QStringList{"なし"});
  submenu.actions()[0]->trigger();
  EXPECT_EQ(desktop.fronted.size(), 1u);
}

TEST(RuntimeWindow, LockedPageAndMinimumSize) {
  TempDir dir;
  Window w;
  w.surface.openFirstMenu(writeMenu(dir / "L.FIL", buttons("l", {{"x.exe", 0}})));
  w.surface.enablePage(false);
  EXPECT_FALSE(w.button(1)->isEnabled());
  auto menus = w.window.menuBar()->actions();
  EXPECT_FALSE(menus.at(0)->menu()->isEnabled());
  EXPECT_FALSE(menus.at(1)->menu()->isEnabled());
  w.surface.enablePage(true);
  // A test run leaves the run, option and help menus alone.
  w.runtime.testRun = true;
  w.surface.enablePage(false);
  EXPECT_FALSE(menus.at(0)->menu()->isEnabled());
  EXPECT_TRUE(menus.at(1)->menu()->isEnabled());
  w.surface.enablePage(true);

  w.window.resize(150, 150);
  EXPECT_GE(w.window.width(), 200);
  EXPECT_GE(w.window.height(), 200);
}

TEST(RuntimeWindow, TreeItemsGetTheirPicturesOnceTheTreeShows) {
  TempDir dir;
  Window w;
  auto* tree = static_cast<QTreeWidget*>(w.window.treeWidget());
  const auto top = writeMenu(dir / "TOP.FIL", buttons("top", {{"", 4}}));
  auto iconsShown = [tree] {
    int shown = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) shown += (*it)->icon(0).isNull() ? 0 : 1;
    return shown;
  };
  w.window.tree().setNodes({{0, top, "top"}, {1, "tool.exe", "tool"}});
  ASSERT_TRUE(tree->isVisible());
  EXPECT_EQ(iconsShown(), 2) << "a tree in view gets its pictures at once";

  w.surface.showTreePane(false);
  w.window.tree().setNodes({{0, top, "top"}, {1, "tool.exe", "tool"}, {1, "more.exe", "more"}});
  EXPECT_EQ(iconsShown(), 0);
  w.surface.showTreePane(true);
  EXPECT_EQ(iconsShown(), 3);
}
