#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QWidget>
#include <filesystem>

#include "platform/testing/temp_dir.h"
#include "platform/ui/picture_file.h"
#include "platform/ui/tiled_background.h"

namespace pemo::ui {
namespace {

using pemo::testing::TempDir;

QImage filled(int side, Qt::GlobalColor colour) {
  QImage picture(side, side, QImage::Format_RGB32);
  picture.fill(colour);
  return picture;
}

// A FIFO, a device or a folder named as a picture is no picture, found out at once; so is
// a file far larger than any picture, whatever its start says.
TEST(PictureFile, OnlyPlainFilesOfAPicturesSizeAreRead) {
  TempDir dir;
  const std::string fifo = (dir / "fifo.png").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  const std::string huge = (dir / "huge.png").string();
  ASSERT_TRUE(filled(4, Qt::red).save(QString::fromStdString(huge)));
  std::filesystem::resize_file(huge, kLargestPictureFile + 1);
  for (const std::string& file : {fifo, std::string("/dev/zero"), dir.path().string(), huge}) {
    EXPECT_FALSE(isPictureFile(file)) << file;
    EXPECT_TRUE(readPicture(file).isNull()) << file;
    EXPECT_TRUE(loadPixmap(file).isNull()) << file;
  }
  QWidget area;
  EXPECT_EQ(TiledBackground(&area).tile(fifo, QSize(400, 300)), -1);
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));

  // A picture changed on the disk shows as it is now.
  const std::string file = (dir / "p.png").string();
  ASSERT_TRUE(filled(4, Qt::red).save(QString::fromStdString(file)));
  EXPECT_TRUE(isPictureFile(file));
  EXPECT_EQ(loadPixmap(file).toImage().pixel(0, 0), qRgb(255, 0, 0));
  const auto before = std::filesystem::last_write_time(file);
  ASSERT_TRUE(filled(6, Qt::blue).save(QString::fromStdString(file)));
  std::filesystem::last_write_time(file, before + std::chrono::seconds(1));  // however coarse the clock
  EXPECT_EQ(loadPixmap(file).size(), QSize(6, 6));
  EXPECT_EQ(readPicture(file).pixel(0, 0), qRgb(0, 0, 255));
}

}  // namespace
}  // namespace pemo::ui
