// The held picture at a fractional pixel ratio: one logical pixel is one and a half on
// the screen. This program's own executable, as the factor holds for its whole run.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QPainter>

#include "platform/testing/shown_pixels.h"
#include "platform/ui/outline.h"

using namespace pemo::ui;
using pemo::testing::differingPixels;
using pemo::testing::freshlyPainted;
using pemo::testing::shownPixels;

namespace {

// Before main makes the application, which reads the factor once.
const bool kScaled = setenv("QT_SCALE_FACTOR", "1.5", 1) == 0;

// A small picture stretched over the object and a one-pixel border: where a pixel lands
// shows at once.
class PatternWidget : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QImage checks(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < checks.height(); ++y)
      for (int x = 0; x < checks.width(); ++x) checks.setPixel(x, y, (x + y) % 2 ? 0xff0000ff : 0xffffff00);
    QPainter painter(this);
    painter.drawImage(rect(), checks);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

}  // namespace

TEST(ScaledOutline, OutlinesDraggedOverAHeldPictureLeaveEveryPixelAsAFreshPaintGivesIt) {
  QWidget window;
  window.resize(201, 151);
  window.setAutoFillBackground(true);
  for (int i = 0; i < 12; ++i) (new PatternWidget(&window))->setGeometry(3 + i * 13, 7 + i * 9, 37, 23);
  OutlineOverlay overlay(&window);
  window.show();
  ASSERT_TRUE(kScaled);
  ASSERT_EQ(window.devicePixelRatioF(), 1.5);
  ASSERT_EQ(differingPixels(shownPixels(window), freshlyPainted(window, &overlay)), 0);

  overlay.holdBackground();
  QRect outline(11, 13, 41, 27);
  overlay.invert(outline, 2);
  for (int step = 0; step < 40; ++step) {
    QApplication::processEvents();
    overlay.invert(outline, 2);
    outline.translate(3, 2);
    overlay.invert(outline, 2);
  }
  overlay.invert(outline, 2);
  EXPECT_EQ(differingPixels(shownPixels(window), freshlyPainted(window, &overlay)), 0);
  overlay.releaseBackground();
  EXPECT_EQ(differingPixels(shownPixels(window), freshlyPainted(window, &overlay)), 0);
}
