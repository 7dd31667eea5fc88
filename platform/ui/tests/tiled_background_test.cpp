#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <fstream>

#include "platform/testing/temp_dir.h"
#include "platform/ui/tiled_background.h"

namespace pemo::ui {
namespace {

using pemo::testing::TempDir;

// A picture whose every pixel tells where in it it lies, so a wrong origin shows.
QImage telltalePicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(10 + x * 20, 10 + y * 20, 200));
  return picture;
}

std::string saved(const QImage& picture, const TempDir& dir, const char* name) {
  const std::string file = (dir / name).string();
  EXPECT_TRUE(picture.save(QString::fromStdString(file)));
  return file;
}

// What the area shows in `part` when only that part is painted.
QImage paintedPart(QWidget& area, const QRect& part) {
  QImage shown(area.size(), QImage::Format_RGB32);
  shown.fill(Qt::black);
  area.render(&shown, part.topLeft(), QRegion(part));
  return shown;
}

TEST(TiledBackground, CoversTheScreenFromTheCornerWhateverPartIsPainted) {
  TempDir dir;
  const QImage picture = telltalePicture(3, 5);
  QWidget area;
  area.setAutoFillBackground(true);
  area.setStyleSheet("background: white");
  area.resize(1300, 900);
  TiledBackground background(&area);
  // 1024 / 3 + 1 columns, 768 / 5 + 1 rows.
  EXPECT_EQ(background.tile(saved(picture, dir, "t.png"), QSize(1024, 768)), 342 * 154);

  const QImage whole = area.grab().toImage();
  for (const QPoint at : {QPoint(0, 0), QPoint(257, 259), QPoint(1000, 700), QPoint(1025, 769)})
    EXPECT_EQ(whole.pixel(at), picture.pixel(at.x() % 3, at.y() % 5)) << at.x() << "," << at.y();
  EXPECT_EQ(QColor(whole.pixel(1026, 100)), QColor(Qt::white)) << "past the last column the back colour shows";
  EXPECT_EQ(QColor(whole.pixel(100, 770)), QColor(Qt::white)) << "past the last row the back colour shows";

  // A scroll or an uncovered window repaints a strip that starts anywhere.
  const QRect strip(301, 517, 130, 211);
  const QImage part = paintedPart(area, strip);
  for (int y = strip.top(); y <= strip.bottom(); y += 7)
    for (int x = strip.left(); x <= strip.right(); x += 11)
      ASSERT_EQ(part.pixel(x, y), picture.pixel(x % 3, y % 5)) << x << "," << y;
}

TEST(TiledBackground, KeepsWhatWasPaintedAndLaysLaterPicturesOver) {
  TempDir dir;
  QWidget area;
  area.resize(400, 300);
  TiledBackground background(&area);
  QImage red(100, 100, QImage::Format_RGB32);
  red.fill(Qt::red);
  EXPECT_EQ(background.tile(saved(red, dir, "red.png"), QSize(400, 300)), 20);
  EXPECT_EQ(background.tile((dir / "none.png").string(), QSize(400, 300)), -1);
  const std::string notAPicture = (dir / "text.bmp").string();
  { std::ofstream(notAPicture) << "BM but not a picture"; }
  EXPECT_EQ(background.tile(notAPicture, QSize(400, 300)), -1);
  EXPECT_EQ(QColor(area.grab().toImage().pixel(350, 250)), QColor(Qt::red)) << "a failed picture keeps the tiles";

  // Half transparent: the red shows through its clear half.
  QImage half(50, 50, QImage::Format_ARGB32);
  half.fill(Qt::transparent);
  QPainter(&half).fillRect(0, 0, 25, 50, Qt::blue);
  background.tile(saved(half, dir, "half.png"), QSize(400, 300));
  QImage shown = area.grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(310, 10)), QColor(Qt::blue));
  EXPECT_EQ(QColor(shown.pixel(340, 10)), QColor(Qt::red));
  EXPECT_EQ(background.layerCount(), 2);

  // An opaque picture over all of them hides them for good.
  QImage green(40, 40, QImage::Format_RGB32);
  green.fill(Qt::green);
  background.tile(saved(green, dir, "green.png"), QSize(600, 500));
  EXPECT_EQ(background.layerCount(), 1);
  EXPECT_EQ(QColor(area.grab().toImage().pixel(340, 10)), QColor(Qt::green));
}

}  // namespace
}  // namespace pemo::ui
