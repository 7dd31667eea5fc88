#pragma once
// Pictures read from files named by menus and scripts. Only a plain file of a size a
// picture can have is handed to Qt's readers: a FIFO or a device named as a picture would
// stop the window for good, and a huge file would be read whole to find its format.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <memory>
#include <string>

namespace pemo::ui {

// Far beyond any picture a menu shows.
inline constexpr qint64 kLargestPictureFile = qint64(256) << 20;

// A picture file opened for reading; its reader reads nothing when the file was refused.
class PictureFile {
 public:
  explicit PictureFile(const std::string& hostPath);
  PictureFile(const PictureFile&) = delete;
  PictureFile& operator=(const PictureFile&) = delete;

  bool isOpen() const { return file_.isOpen(); }
  QImageReader& reader() { return reader_; }
  // The same for every opening of one unchanged file, whatever name it was opened by.
  const QString& identity() const { return identity_; }

 private:
  QFile file_;
  QImageReader reader_;
  QString identity_;
};

// True when the file holds a picture in a format Qt reads.
bool isPictureFile(const std::string& hostPath);
// The picture; a null image when the file holds none or was refused.
QImage readPicture(const std::string& hostPath);
// The picture as a pixmap, shared with every other use of the same unchanged file.
QPixmap loadPixmap(const std::string& hostPath);

// A page that names one picture on many of its objects opens a PicturesReadOnce for its
// build. While one is open on a thread, isPictureFile and loadPixmap open and read each
// file once; later uses of the same host path take what that read found, without asking
// the disk again. A scope opened inside another shares the outer one's reads.
class PicturesReadOnce {
 public:
  PicturesReadOnce();
  ~PicturesReadOnce();
  PicturesReadOnce(const PicturesReadOnce&) = delete;
  PicturesReadOnce& operator=(const PicturesReadOnce&) = delete;

  struct Reads;  // what was read, by host path

 private:
  std::unique_ptr<Reads> reads_;  // none when an outer scope is open
};

}  // namespace pemo::ui
