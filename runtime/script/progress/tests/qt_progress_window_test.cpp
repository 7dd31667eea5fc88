#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "runtime/script/progress/qt_progress_window.h"

namespace pemo::script {
namespace {

TEST(QtProgressWindow, ShowsPlacesAndCloses) {
  QtProgressWindowOnDemand progress;
  EXPECT_FALSE(progress.made()) << "no window before a script asks for one";
  ProgressWindow& rules = progress.rules();
  rules.setValue(40);
  ASSERT_TRUE(progress.made());
  QtProgressWindow& window = progress.window();
  ASSERT_TRUE(window.isVisible());
  EXPECT_EQ(window.bar()->value(), 40);
  EXPECT_EQ(window.bar()->minimum(), 0);
  EXPECT_EQ(window.bar()->maximum(), 100);

  rules.setWidth(420);
  rules.setAlign(1);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect frame = window.frameGeometry();
  EXPECT_EQ(frame.width(), 420);
  EXPECT_EQ(frame.right() + 1, screen.width());
  EXPECT_EQ(frame.bottom() + 1, screen.height());
  // Eight pixels on each side of the message and the bar.
  for (QWidget* control : {static_cast<QWidget*>(window.messageLabel()), static_cast<QWidget*>(window.bar())}) {
    EXPECT_EQ(control->x(), 8);
    EXPECT_EQ(control->x() + control->width() + 8, window.width());
  }
  rules.setMessage("処理中です");
  EXPECT_EQ(window.messageLabel()->text(), QString::fromUtf8("処理中です"));

  window.close();  // closed by the user: a later value opens it again
  EXPECT_FALSE(rules.loaded());
  rules.setValue(10);
  EXPECT_TRUE(window.isVisible());
  rules.setValue(-1);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(rules.loaded());
}

}  // namespace
}  // namespace pemo::script
