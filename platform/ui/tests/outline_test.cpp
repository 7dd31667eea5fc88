#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "platform/ui/outline.h"

using namespace pemo::ui;

namespace {

long area(const QRegion& region) {
  long sum = 0;
  for (const QRect& r : region) sum += long(r.width()) * r.height();
  return sum;
}

// A window of 200 by 150 pixels, white.
void paintWhite(QWidget& window) {
  window.resize(200, 150);
  window.setAutoFillBackground(true);
  QPalette p = window.palette();
  p.setColor(QPalette::Window, Qt::white);
  window.setPalette(p);
}

// Pixels of the widget as shown, overlay included.
QImage shown(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

TEST(Outline, StripsLieInsideAndNeverOverlap) {
  QRegion one = outlineStrips(QRect(5, 5, 10, 6), 1);
  EXPECT_EQ(area(one), 2 * 10 + 2 * 4);
  EXPECT_EQ(one.boundingRect(), QRect(5, 5, 10, 6));
  EXPECT_FALSE(one.contains(QPoint(6, 6)));
  EXPECT_EQ(area(outlineStrips(QRect(0, 0, 4, 100), 2)), 4 * 100);  // the splitter: all of it
  EXPECT_EQ(area(outlineStrips(QRect(0, 0, 3, 3), 2)), 9);
  EXPECT_TRUE(outlineStrips(QRect(0, 0, 0, 5), 1).isEmpty());

  OutlineSet set;
  EXPECT_TRUE(set.toggle(QRect(1, 1, 5, 5), 1));
  EXPECT_TRUE(set.toggle(QRect(1, 1, 5, 5), 2));
  EXPECT_FALSE(set.toggle(QRect(1, 1, 5, 5), 1));
  ASSERT_EQ(set.outlines().size(), 1u);
  EXPECT_EQ(set.outlines()[0].penWidth, 2);
}

TEST(Outline, OverlayInvertsAlongTheWidgetsRealPlaceAndErasesOnTheSecondDraw) {
  QWidget window;
  paintWhite(window);
  QWidget frame(&window);
  frame.setGeometry(10, 10, 120, 100);
  QWidget object(&frame);
  object.setGeometry(30, 20, 40, 25);
  OutlineOverlay overlay(&window);
  const QImage before = shown(window);

  QRect placed = overlay.invert(&object, object.rect(), 1);
  EXPECT_EQ(placed, QRect(40, 30, 40, 25));
  QImage on = shown(window);
  EXPECT_EQ(on.pixelColor(40, 30), QColor(Qt::black));
  EXPECT_EQ(on.pixelColor(79, 54), QColor(Qt::black));
  EXPECT_EQ(on.pixelColor(41, 31), QColor(Qt::white));
  EXPECT_EQ(on.pixelColor(80, 30), QColor(Qt::white));

  // A widget created later stays beneath the outline.
  QWidget later(&window);
  later.setGeometry(0, 0, 5, 5);
  later.show();
  EXPECT_EQ(shown(window).pixelColor(40, 30), QColor(Qt::black));

  overlay.invert(&object, object.rect(), 1);
  EXPECT_EQ(shown(window), before);

  overlay.invert(QRect(0, 0, 4, 150), 2);
  overlay.clear();
  EXPECT_EQ(shown(window), before);
}

namespace {

// An object that counts how often it paints itself.
class CountingWidget : public QWidget {
 public:
  using QWidget::QWidget;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    ++paints;
    QPainter(this).fillRect(rect(), Qt::darkBlue);
  }
};

}  // namespace

TEST(Outline, HeldOverlayMovesOutlinesWithoutRepaintingTheObjectsAndLetsChangesShowAfter) {
  QWidget window;
  paintWhite(window);
  CountingWidget object(&window);
  object.setGeometry(20, 20, 100, 80);
  OutlineOverlay overlay(&window);
  window.show();
  QApplication::processEvents();
  const QImage before = shown(window);
  overlay.invert(QRect(10, 10, 50, 40), 2);
  QApplication::processEvents();
  const QImage marked = shown(window);

  overlay.holdBackground();
  QApplication::processEvents();
  object.paints = 0;
  for (int step = 1; step <= 5; ++step) {
    overlay.invert(QRect(10 + step - 1, 10, 50, 40), 2);
    overlay.invert(QRect(10 + step, 10, 50, 40), 2);
    QApplication::processEvents();
  }
  EXPECT_EQ(object.paints, 0) << "the objects beneath stay as they were painted";
  overlay.invert(QRect(15, 10, 50, 40), 2);
  overlay.invert(QRect(10, 10, 50, 40), 2);
  EXPECT_EQ(shown(window), marked) << "held or not, the outline inverts the same pixels";
  overlay.invert(QRect(10, 10, 50, 40), 2);
  EXPECT_EQ(shown(window), before);

  overlay.releaseBackground();
  EXPECT_FALSE(overlay.holdsBackground());
  object.paints = 0;
  object.update();
  QApplication::processEvents();
  EXPECT_GT(object.paints, 0) << "once let go, a change beneath shows again";

  overlay.holdBackground();
  overlay.invert(QRect(30, 30, 20, 20), 1);
  window.resize(220, 160);
  EXPECT_FALSE(overlay.holdsBackground()) << "a picture of the old size no longer fits";
  overlay.clear();
}

TEST(Outline, ScreenOutlineIsAShapedWindowUntilDrawnAgain) {
  ScreenOutline outline;
  outline.invert(QRect(100, 50, 30, 20), 2);
  QWidgetList shown;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) shown << w;
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(shown[0]->geometry(), QRect(100, 50, 30, 20));
  EXPECT_FALSE(shown[0]->mask().contains(QPoint(15, 10))) << "the inside stays untouched";
  EXPECT_TRUE(shown[0]->mask().contains(QPoint(1, 1)));
  outline.invert(QRect(100, 50, 30, 20), 2);
  EXPECT_TRUE(outline.outlines().empty());
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible());
}
