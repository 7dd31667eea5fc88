#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QWidget>
#include <filesystem>

#include "platform/testing/picture_samples.h"
#include "platform/testing/temp_dir.h"
#include "platform/ui/picture_file.h"
#include "platform/ui/tiled_background.h"

namespace pemo::ui {
namespace {

using pemo::testing::isSampleRed;
using pemo::testing::pictureSamples;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

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

// Menus name PNG data ".bmp", BMP data ".png" and JPEG data ".JPG": every use of a
// picture tells its format by the contents, whatever the name, its case or a link says.
TEST(PictureFile, TheFormatIsToldByTheContentsWhateverTheName) {
  TempDir dir;
  QWidget area;
  const std::vector<std::string> names{".bmp", ".png", ".jpg", ".gif", ".BMP", ".PNG", ".JPG", ".Gif", ".jpeg", ".ico",
                                       ".txt", "", "."};
  for (const auto& sample : pictureSamples()) {
    std::vector<std::string> files;
    for (const std::string& name : names) {
      files.push_back((dir / (sample.suffix + "_data" + name)).string());
      writeFileBytes(files.back(), sample.bytes);
    }
    // A link named for one format to a file named for another.
    const std::string link = (dir / (sample.suffix + "_link.png")).string();
    std::filesystem::create_symlink(dir / (sample.suffix + "_data.JPG"), link);
    files.push_back(link);
    for (const std::string& file : files) {
      EXPECT_TRUE(isPictureFile(file)) << file;
      const QImage picture = readPicture(file);
      EXPECT_EQ(picture.size(), sample.size) << file;
      EXPECT_TRUE(isSampleRed(picture.pixel(0, 0))) << file;
      const QPixmap pixmap = loadPixmap(file);
      EXPECT_EQ(pixmap.size(), sample.size) << file;
      EXPECT_TRUE(!pixmap.isNull() && isSampleRed(pixmap.toImage().pixel(0, 0))) << file;
      EXPECT_GT(TiledBackground(&area).tile(file, QSize(40, 30)), 0) << file;
    }
  }

  // What holds no picture shows nothing under a picture's name, and stops nothing.
  const std::string file = (dir / "none.png").string();
  for (const std::string& text : {std::string(), std::string("not a picture")}) {
    writeFileBytes(file, text);
    EXPECT_FALSE(isPictureFile(file)) << text;
  }
  // Nor does a picture's start alone, whatever it claims.
  const std::string png = pictureSamples()[1].bytes;
  for (const std::string& bytes : {std::string("not a picture"), std::string("BM not a picture"), png.substr(0, 8),
                                   png.substr(0, 40), std::string("\xFF\xD8\xFF"), std::string("GIF89a")}) {
    writeFileBytes(file, bytes);
    EXPECT_TRUE(readPicture(file).isNull()) << bytes;
    EXPECT_TRUE(loadPixmap(file).isNull()) << bytes;
    EXPECT_EQ(TiledBackground(&area).tile(file, QSize(40, 30)), -1) << bytes;
  }
}

// While a page is built, a picture that many objects name is opened and read once; the
// page built next, or anything after the build, sees the file as it is then.
TEST(PictureFile, APageBuildReadsEachPictureOnce) {
  TempDir dir;
  const std::string file = (dir / "p.bmp").string();
  const std::string none = (dir / "none.png").string();
  ASSERT_TRUE(filled(4, Qt::red).save(QString::fromStdString(file), "PNG"));
  {
    PicturesReadOnce page;
    EXPECT_TRUE(isPictureFile(file));
    EXPECT_FALSE(isPictureFile(none));
    std::filesystem::remove(file);
    writeFileBytes(none, pictureSamples()[1].bytes);
    {
      PicturesReadOnce inner;  // one page inside another's build shares its reads
    }
    for (int object = 0; object < 3; ++object) {
      EXPECT_TRUE(isPictureFile(file));
      EXPECT_EQ(loadPixmap(file).size(), QSize(4, 4));
      EXPECT_FALSE(isPictureFile(none));
      EXPECT_TRUE(loadPixmap(none).isNull());
    }
  }
  EXPECT_FALSE(isPictureFile(file));
  EXPECT_TRUE(loadPixmap(file).isNull());
  EXPECT_TRUE(isPictureFile(none));
  EXPECT_EQ(loadPixmap(none).size(), QSize(6, 4));
}

}  // namespace
}  // namespace pemo::ui
