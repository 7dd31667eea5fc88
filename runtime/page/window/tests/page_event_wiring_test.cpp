#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "platform/ui/colours.h"
#include "platform/ui/message_port.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/page/window/page_event_wiring.h"
#include "runtime/page/window/tests/surface_fixture.h"

using namespace pemo::page;
using namespace pemo::page::testing;
using pemo::testing::TempDir;

namespace {

struct Window : SurfaceFixture {
  QWidget* widget(ObjectKind kind, int index) { return surface.objectWidget(kind, index); }
  const std::vector<pemo::ui::OutlineSet::Outline>& outlines() {
    return surface.pageEvents().outlines().outlines().outlines();
  }
};

// Two labels, a button and an image on the page, and a label inside a frame.
std::vector<std::string> page() {
  return {"BEGIN MENU", "CAPTION=p", "END MENU",
          "BEGIN LABEL", "CAPTION=one", "LEFT=10", "TOP=10", "WIDTH=80", "HEIGHT=20", "LINK=one.exe",
          "FORECOLOR=0", "ONCURSORCOLOR=ff0000", "END LABEL",
          "BEGIN LABEL", "CAPTION=two", "LEFT=10", "TOP=40", "WIDTH=80", "HEIGHT=20", "LINK=two.exe",
          "STYLE=2", "END LABEL",
          "BEGIN BUTTON", "CAPTION=b", "LEFT=10", "TOP=70", "WIDTH=80", "HEIGHT=24", "LINK=b.exe", "END BUTTON",
          "BEGIN IMAGE", "LEFT=10", "TOP=100", "WIDTH=40", "HEIGHT=30", "LINK=img.exe", "STYLE=4", "END IMAGE",
          "BEGIN FRAME", "LEFT=120", "TOP=10", "WIDTH=150", "HEIGHT=120", "END FRAME",
          "BEGIN LABEL", "PARENT=1", "CAPTION=in", "LEFT=20", "TOP=30", "WIDTH=60", "HEIGHT=20", "END LABEL"};
}

QColor textColour(QWidget* w) { return w->palette().color(QPalette::WindowText); }

}  // namespace

TEST(PageEventWiring, HoverColourAndStatusLineFollowTheMouse) {
  TempDir dir;
  Window w;
  w.surface.showTreePane(false);
  w.surface.openFirstMenu(writeMenu(dir / "P.FIL", page()));
  QWidget* one = w.widget(ObjectKind::Label, 1);
  QWidget* two = w.widget(ObjectKind::Label, 2);

  w.script.loaded = true;
  QTest::mouseMove(one, QPoint(5, 5));
  EXPECT_EQ(textColour(one), QColor(0, 0, 255));
  ASSERT_EQ(w.script.events.size(), 1u) << "one mouse-move SUB per move";
  EXPECT_EQ(w.script.events[0].event, pemo::menufile::ScriptEvent::MouseMove);
  EXPECT_EQ(w.window.status, "one.exe");
  QTest::mouseMove(two, QPoint(5, 5));
  EXPECT_EQ(textColour(one), QColor(0, 0, 0));
  EXPECT_EQ(textColour(two), QColor(0, 0, 255));
  EXPECT_EQ(w.window.status, "選択されたﾘﾝｸを実行します");
  QTest::mouseMove(w.widget(ObjectKind::Button, 1), QPoint(5, 5));
  EXPECT_EQ(textColour(two), QApplication::palette(two).color(QPalette::WindowText));
  EXPECT_EQ(w.window.status, "b.exe");
  QTest::mouseMove(w.widget(ObjectKind::Image, 1), QPoint(5, 5));
  EXPECT_EQ(w.window.status, "img.exe") << "an image shows its link whatever its style";
  QTest::mouseMove(&w.window, QPoint(500, 300));
  EXPECT_EQ(w.window.status, "");
}

TEST(PageEventWiring, PressedFrameSitsOnTheObjectAlsoInsideAFrame) {
  TempDir dir;
  Window w;
  w.surface.openFirstMenu(writeMenu(dir / "P.FIL", page()));
  QWidget* image = w.widget(ObjectKind::Image, 1);
  QTest::mousePress(image, Qt::LeftButton, {}, QPoint(3, 3));
  ASSERT_EQ(w.outlines().size(), 1u);
  EXPECT_EQ(w.outlines()[0].rect, QRect(image->mapTo(&w.window, QPoint(0, 0)), image->size()));
  QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(w.outlines().empty());

  QWidget* inFrame = w.widget(ObjectKind::Label, 3);
  QWidget* frame = w.widget(ObjectKind::Frame, 1);
  QTest::mousePress(inFrame, Qt::LeftButton, {}, QPoint(3, 3));
  ASSERT_EQ(w.outlines().size(), 1u);
  EXPECT_EQ(w.outlines()[0].rect.topLeft(), frame->mapTo(&w.window, inFrame->pos()));
  // The click's SUB opens another menu before the release: the frame goes with the page.
  w.surface.openFirstMenu(writeMenu(dir / "Q.FIL", {"BEGIN MENU", "END MENU"}));
  EXPECT_TRUE(w.outlines().empty());
}

TEST(PageEventWiring, SplitterDragMovesThePageWithinItsLimits) {
  TempDir dir;
  Window w;
  w.surface.openFirstMenu(writeMenu(dir / "P.FIL", page()));
  QWidget* seg = w.window.findChild<QWidget*>("SEG");
  QWidget* button = w.widget(ObjectKind::Button, 1);
  ASSERT_EQ(seg->x(), 200);
  ASSERT_EQ(button->x(), 214);

  QTest::mousePress(seg, Qt::LeftButton, {}, QPoint(2, 100));
  ASSERT_EQ(w.outlines().size(), 1u);
  EXPECT_EQ(w.outlines()[0].penWidth, 2);
  QTest::mouseMove(seg, QPoint(30, 100));
  QTest::mouseMove(seg, QPoint(52, 100));
  ASSERT_EQ(w.outlines().size(), 1u);
  EXPECT_EQ(w.outlines()[0].rect.x(), seg->mapTo(&w.window, QPoint(50, 0)).x());
  QTest::mouseRelease(seg, Qt::LeftButton, {}, QPoint(52, 100));
  EXPECT_TRUE(w.outlines().empty());
  EXPECT_EQ(seg->x(), 250);
  EXPECT_EQ(button->x(), 264);
  EXPECT_EQ(w.window.findChild<QWidget*>("TV")->width(), 250);

  // Far to the left stops at 100.
  QTest::mousePress(seg, Qt::LeftButton, {}, QPoint(2, 100));
  QTest::mouseRelease(seg, Qt::LeftButton, {}, QPoint(-500, 100));
  EXPECT_EQ(seg->x(), 100);
  EXPECT_EQ(button->x(), 114);
}

TEST(PageEventWiring, ShiftEscClosesDespiteRunningProgramsAndF1AsksForHelp) {
  TempDir dir;
  Window w;
  w.surface.openFirstMenu(writeMenu(dir / "P.FIL", page()));
  QTest::mouseClick(w.widget(ObjectKind::Button, 1), Qt::LeftButton);
  ASSERT_EQ(w.programs.started, std::vector<std::string>{"b.exe"});

  w.programs.failing.insert(w.runtime.appFolder + "doc\\pemo.html");
  w.widget(ObjectKind::Button, 1)->setFocus();
  QTest::keyClick(w.widget(ObjectKind::Button, 1), Qt::Key_F1, Qt::ShiftModifier);
  ASSERT_EQ(w.messages.shown.size(), 1u);
  EXPECT_EQ(w.messages.shown[0].prompt, "HTMLﾄﾞｷｭﾒﾝﾄを開けません");
  QTest::keyClick(w.widget(ObjectKind::Button, 1), Qt::Key_Escape, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_TRUE(w.window.isVisible());
  QTest::keyClick(w.widget(ObjectKind::Button, 1), Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_FALSE(w.window.isVisible());
  EXPECT_EQ(w.messages.shown.size(), 1u) << "no question about the running program";
}

TEST(PageEventWiring, ClicksOnTheBarePageGoToTheMenusScript) {
  TempDir dir;
  Window w;
  w.surface.openFirstMenu(writeMenu(dir / "P.FIL", page()));
  w.script.loaded = true;
  QTest::mouseClick(w.window.centralWidget(), Qt::LeftButton, {}, QPoint(500, 300));
  QTest::mouseClick(w.widget(ObjectKind::Label, 2), Qt::LeftButton, {}, QPoint(3, 3));
  ASSERT_EQ(w.script.events.size(), 2u);
  EXPECT_EQ(w.script.events[0].kind, ObjectKind::Menu);
  EXPECT_EQ(w.script.events[1].kind, ObjectKind::Label) << "a click on a label is not the page's too";
}

