#include <gtest/gtest.h>

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

#include "platform/registry/registry.h"
#include "platform/ui/message_port.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/page/window/runtime_window.h"
#include "runtime/page/window/view_settings.h"
#include "runtime/page/window/tests/window_fixture.h"

using namespace pemo::page;
using namespace pemo::page::testing;
using pemo::testing::TempDir;

namespace {

struct Window : WindowFixture {
  QAbstractButton* button(int index) {
    return static_cast<QAbstractButton*>(window.objectWidget(ObjectKind::Button, index));
  }
};

std::vector<std::string> buttons(const std::string& caption, const std::vector<std::pair<std::string, int>>& links) {
  std::vector<std::string> lines{"BEGIN MENU", "CAPTION=" + caption, "END MENU"};
  int top = 10;
  for (const auto& [link, style] : links) {
    lines.insert(lines.end(), {"BEGIN BUTTON", "CAPTION=" + link, "LEFT=10", "TOP=" + std::to_string(top),
                               "WIDTH=120", "HEIGHT=24", "LINK=" + link, "STYLE=" + std::to_string(style),
                               "END BUTTON"});
    top += 30;
  }
  return lines;
}

}  // namespace

TEST(RuntimeWindow, ClickingMenuLinksChangesThePage) {
  TempDir dir;
  Window w;
  auto top = writeMenu(dir / "TOP.FIL", buttons("top", {{(dir / "SUB.FIL").string(), 0}, {"tool.exe", 0}}));
  writeMenu(dir / "SUB.FIL", buttons("sub", {{"", 4}}));
  w.window.setMenuTree({{0, top, "top"}, {1, (dir / "SUB.FIL").string(), "sub"}});
  w.window.openFirstMenu(top);
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
  EXPECT_EQ(w.processes.started, std::vector<std::string>{"tool.exe"});
  EXPECT_EQ(w.runList.list.size(), 1u);

  // While the program runs the window refuses to close.
  EXPECT_FALSE(w.window.close());
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].prompt, "起動したｱﾌﾟﾘｹｰｼｮﾝを先に終了してください");
  w.processes.running.clear();
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
  w.window.setMenuTree({{0, top, "top"}, {1, sub, "sub"}});
  for (ObjectKind kind : {ObjectKind::Label, ObjectKind::Image}) {
    w.window.openFirstMenu(top);
    QPointer<QWidget> clicked = w.window.objectWidget(kind, 1);
    ASSERT_NE(clicked, nullptr);
    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(w.window.windowTitle(), "sub");
    EXPECT_TRUE(clicked.isNull()) << "the old page's widget went with it";
    // The same through the window, as the user's mouse arrives.
    w.window.openFirstMenu(top);
    clicked = w.window.objectWidget(kind, 1);
    ASSERT_NE(clicked, nullptr);
    const QPoint at = clicked->mapTo(&w.window, QPoint(3, 3));
    QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_EQ(w.window.windowTitle(), "sub");
    EXPECT_TRUE(clicked.isNull());
  }
}

TEST(RuntimeWindow, AClickedLabelTakesItsReleaseEvenWhenItIsDeletedByTheClick) {
  // Qt offers an unhandled release to the widget's parents, reading the widget as it
  // goes; a label deleted by its own click must mark the release as handled.
  QWidget parent;
  auto* label = new ClickableLabel(&parent);
  label->resize(40, 20);
  QObject::connect(label, &ClickableLabel::clicked, label, [label] { delete label; });
  QPointer<ClickableLabel> alive = label;
  const QPointF at(3, 3);
  QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(label, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
  release.ignore();
  static_cast<QObject*>(label)->event(&release);  // not through the application: see above
  EXPECT_TRUE(alive.isNull());
  EXPECT_TRUE(release.isAccepted());
}

TEST(RuntimeWindow, ToggledButtonsShowTheirNumbers) {
  TempDir dir;
  Window w;
  w.window.openFirstMenu(writeMenu(dir / "S.FIL", buttons("s", {{"a.exe", 1}, {"b.exe", 1}, {"", 2}})));
  QTest::mouseClick(w.button(2), Qt::LeftButton);
  QTest::mouseClick(w.button(1), Qt::LeftButton);
  EXPECT_EQ(w.button(2)->text(), "1 b.exe");
  EXPECT_EQ(w.button(1)->text(), "2 a.exe");
  QTest::mouseClick(w.button(3), Qt::LeftButton);
  EXPECT_EQ(w.processes.started, (std::vector<std::string>{"b.exe", "a.exe"}));
  EXPECT_EQ(w.button(2)->text(), "b.exe");
  EXPECT_TRUE(w.button(1)->isEnabled());
}

TEST(RuntimeWindow, ScrollBarsMoveThePageObjects) {
  TempDir dir;
  Window w;
  w.window.toggleTreePane();  // hide the tree: objects at their file positions
  w.window.openFirstMenu(writeMenu(dir / "W.FIL", {"BEGIN MENU", "END MENU", "BEGIN LABEL", "CAPTION=far",
                                                   "LEFT=300", "TOP=20", "WIDTH=1200", "HEIGHT=900", "END LABEL",
                                                   "BEGIN FRAME", "LEFT=10", "TOP=10", "WIDTH=100", "HEIGHT=100",
                                                   "END FRAME", "BEGIN BUTTON", "PARENT=1", "LEFT=5", "TOP=15",
                                                   "WIDTH=50", "HEIGHT=20", "END BUTTON"}));
  w.window.relayout();  // the second pass settles both bars
  QScrollBar* hsc = w.window.horizontalBar();
  QScrollBar* vsc = w.window.verticalBar();
  ASSERT_TRUE(hsc->isVisible());
  ASSERT_TRUE(vsc->isVisible());
  QWidget* label = w.window.objectWidget(ObjectKind::Label, 1);
  hsc->setValue(40);
  vsc->setValue(15);
  EXPECT_EQ(label->x(), 260);
  EXPECT_EQ(label->y(), 5);
  EXPECT_EQ(w.button(1)->x(), 5) << "an object in a frame moves with its frame only";
  EXPECT_EQ(w.window.objectWidget(ObjectKind::Frame, 1)->x(), -30);

  // A window large enough hides the bars and scrolls the page back.
  w.window.resize(1800, 1400);
  QApplication::processEvents();
  w.window.relayout();
  EXPECT_FALSE(hsc->isVisible());
  EXPECT_FALSE(vsc->isVisible());
  EXPECT_EQ(label->x(), 300);
  EXPECT_EQ(label->y(), 20);
  EXPECT_EQ(w.window.page().state().scrollX, 0);
}

TEST(RuntimeWindow, TreePaneToggleShiftsThePage) {
  TempDir dir;
  Window w;
  w.window.openFirstMenu(writeMenu(dir / "T.FIL", buttons("t", {{"x.exe", 0}})));
  EXPECT_EQ(w.button(1)->x(), 214);
  w.window.toggleTreePane();
  EXPECT_EQ(w.button(1)->x(), 10);
  w.window.toggleTreePane();
  EXPECT_EQ(w.button(1)->x(), 214);
}

TEST(RuntimeWindow, ViewSettingsComeFromTheRegistryAndGoBackAtClose) {
  pemo::page::saveViewSettings({false, 260});
  {
    RuntimeState runtime;
    NoScript script;
    RuntimeWindow window(runtime, script);
    EXPECT_FALSE(window.treePaneShown());
    EXPECT_EQ(window.splitterLeft(), 260);
    window.toggleTreePane();
    EXPECT_TRUE(window.close());
  }
  auto saved = pemo::page::loadViewSettings();
  EXPECT_TRUE(saved.treeView);
  EXPECT_EQ(saved.segmentPosition, 260);

  // A damaged position never puts the splitter out of the mouse's reach.
  pemo::page::saveViewSettings({true, -500});
  EXPECT_EQ(pemo::page::loadViewSettings().segmentPosition, 100);
  pemo::page::saveViewSettings({true, 0});
  EXPECT_EQ(pemo::page::loadViewSettings().segmentPosition, 200);
  pemo::page::saveViewSettings({true, 99999});
  RuntimeState runtime;
  NoScript script;
  RuntimeWindow window(runtime, script);
  EXPECT_LT(window.splitterLeft(), window.screen()->availableGeometry().width());
}

TEST(RuntimeWindow, EndedProgramsLeaveTheRunList) {
  RuntimeState runtime;
  NoScript script;
  FakeProcesses processes;
  RuntimeWindow window(runtime, script, &processes);
  RegistryRunList list(window.registryHandle());
  window.links().runProgram("a.exe");
  window.links().runProgram("b.exe");
  ASSERT_EQ(list.values().size(), 2u);
  processes.running.erase(1000);
  list.dropEnded(processes);
  ASSERT_EQ(list.values().size(), 1u);
  EXPECT_EQ(list.values()[0].second, "b.exe");
  // Values named by no process id (the key edited by hand) go too, and the sweep
  // goes on past them.
  {
    namespace reg = pemo::registry;
    reg::Key key = 0;
    ASSERT_EQ(reg::openKey(reg::kUsers, std::string(kRuntimeRegistryKey) + "\\Run\\" +
                                            std::to_string(window.registryHandle()), key),
              reg::kSuccess);
    reg::setValue(key, "notes", reg::kString, "x");
    reg::setValue(key, "99999999999999999999999", reg::kString, "y");
    reg::closeKey(key);
  }
  ASSERT_EQ(list.values().size(), 3u);
  list.dropEnded(processes);
  ASSERT_EQ(list.values().size(), 1u);
  EXPECT_EQ(list.values()[0].second, "b.exe");
  processes.running.clear();
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(list.values().empty()) << "the key goes with the window";
}

TEST(RuntimeWindow, LockedPageAndMinimumSize) {
  TempDir dir;
  Window w;
  w.window.openFirstMenu(writeMenu(dir / "L.FIL", buttons("l", {{"x.exe", 0}})));
  w.window.enablePage(false);
  EXPECT_FALSE(w.button(1)->isEnabled());
  auto menus = w.window.menuBar()->actions();
  EXPECT_FALSE(menus.at(0)->menu()->isEnabled());
  EXPECT_FALSE(menus.at(1)->menu()->isEnabled());
  w.window.enablePage(true);
  // A test run leaves the run, option and help menus alone.
  w.runtime.testRun = true;
  w.window.enablePage(false);
  EXPECT_FALSE(menus.at(0)->menu()->isEnabled());
  EXPECT_TRUE(menus.at(1)->menu()->isEnabled());
  w.window.enablePage(true);

  w.window.resize(150, 150);
  EXPECT_GE(w.window.width(), 200);
  EXPECT_GE(w.window.height(), 200);
}
