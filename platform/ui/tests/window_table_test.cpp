#include <gtest/gtest.h>

#include <stdlib.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>

#include "platform/testing/temp_dir.h"

#include "platform/ui/qt_frame_watch.h"
#include "platform/ui/qt_outer_place.h"
#include "platform/ui/qt_window_port.h"
#include "platform/ui/window_table.h"

namespace pemo::ui {
namespace {

TEST(WindowTable, HandlesLiveAsLongAsTheirWidgets) {
  auto first = std::make_unique<QWidget>();
  QWidget second;
  WindowHandle a = registerWindow(first.get());
  WindowHandle b = registerWindow(&second);
  EXPECT_NE(a, 0);
  EXPECT_NE(a, -1);
  EXPECT_NE(a, b);
  EXPECT_EQ(registerWindow(first.get()), a);
  EXPECT_EQ(windowFromHandle(a), first.get());
  EXPECT_EQ(handleOfWindow(&second), b);
  EXPECT_EQ(windowFromHandle(0), nullptr);

  first.reset();
  EXPECT_EQ(windowFromHandle(a), nullptr);
  unregisterWindow(&second);
  EXPECT_EQ(windowFromHandle(b), nullptr);
  EXPECT_EQ(handleOfWindow(&second), 0);
  // A widget registered again gets a new number.
  EXPECT_NE(registerWindow(&second), b);
}

TEST(WindowTable, NumbersWithoutTheSharedCounter) {
  // With no usable registry database, numbers still come out distinct and non-zero.
  std::string saved = getenv("XDG_CONFIG_HOME");
  testing::TempDir dir;
  testing::writeFileBytes(dir / "file", "");
  setenv("XDG_CONFIG_HOME", (dir / "file").c_str(), 1);
  QWidget a, b;
  WindowHandle first = registerWindow(&a);
  WindowHandle second = registerWindow(&b);
  setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  EXPECT_GT(first, 0);
  EXPECT_GT(second, 0);
  EXPECT_NE(first, second);
  EXPECT_EQ(windowFromHandle(second), &b);
}

TEST(WindowTable, PlacesWindowsByOuterRectangle) {
  QWidget window;
  window.setGeometry(100, 120, 300, 200);
  window.show();
  QWidget child(&window);
  child.setGeometry(10, 20, 50, 40);
  QtWindowPort port;
  WindowHandle w = registerWindow(&window);
  WindowHandle c = registerWindow(&child);

  WindowRect rect;
  ASSERT_TRUE(port.windowRect(w, rect));
  QRect frame = window.frameGeometry();
  EXPECT_EQ(rect.left, frame.left());
  EXPECT_EQ(rect.width(), frame.width());
  EXPECT_TRUE(port.moveWindow(w, 30, 40));
  EXPECT_TRUE(port.resizeWindow(w, 400, 250));
  ASSERT_TRUE(port.windowRect(w, rect));
  EXPECT_EQ(rect.left, 30);
  EXPECT_EQ(rect.top, 40);
  EXPECT_EQ(rect.width(), 400);
  EXPECT_EQ(rect.height(), 250);

  ASSERT_TRUE(port.windowRect(c, rect));
  QPoint childAt = child.mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(rect.left, childAt.x());
  EXPECT_EQ(rect.width(), 50);
  EXPECT_TRUE(port.moveWindow(c, childAt.x() + 5, childAt.y()));
  EXPECT_EQ(child.x(), 15);

  EXPECT_FALSE(port.windowRect(0, rect));
  EXPECT_FALSE(port.moveWindow(123456789, 0, 0));
  EXPECT_GT(port.screenSize().width, 0);
}

// Stored places are restored before the window is shown, when nobody knows its frame yet.
TEST(WindowTable, AnOuterPlaceGivenBeforeTheFrameIsKnownHoldsOnceItIs) {
  QWidget window;
  QtWindowPort port;
  WindowHandle w = registerWindow(&window);
  EXPECT_TRUE(port.moveWindow(w, 100, 80));
  EXPECT_TRUE(port.resizeWindow(w, 500, 400));
  EXPECT_EQ(outerPlace(&window), QRect(100, 80, 500, 400)) << "the place it takes once framed";
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QApplication::processEvents();
  ASSERT_TRUE(frameKnown(&window)) << "the offscreen platform frames its windows";
  WindowRect rect;
  ASSERT_TRUE(port.windowRect(w, rect));
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.top, 80);
  EXPECT_EQ(rect.width(), 500);
  EXPECT_EQ(rect.height(), 400);
  EXPECT_EQ(outerPlace(&window), QRect(100, 80, 500, 400));
}

}  // namespace
}  // namespace pemo::ui
