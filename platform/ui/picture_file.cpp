#include "platform/ui/picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QPixmapCache>

#include "platform/fs/regular_file.h"

namespace pemo::ui {

PictureFile::PictureFile(const std::string& hostPath) {
  const int fd = fs::openRegularFile(hostPath, O_RDONLY);
  if (fd < 0) return;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || status.st_size > kLargestPictureFile ||
      !file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return;
  }
  // No format is given: the reader tells it by the file's contents, whatever its name
  // says, and menus name PNG data ".bmp" as often as not.
  reader_.setDevice(&file_);
  identity_ = QStringLiteral("%1:%2:%3.%4:%5")
                  .arg(status.st_dev)
                  .arg(status.st_ino)
                  .arg(status.st_mtim.tv_sec)
                  .arg(status.st_mtim.tv_nsec)
                  .arg(status.st_size);
}

bool isPictureFile(const std::string& hostPath) {
  PictureFile file(hostPath);
  return file.isOpen() && file.reader().canRead();
}

QImage readPicture(const std::string& hostPath) {
  PictureFile file(hostPath);
  return file.isOpen() ? file.reader().read() : QImage();
}

QPixmap loadPixmap(const std::string& hostPath) {
  PictureFile file(hostPath);
  if (!file.isOpen()) return {};
  // A changed file has another identity and is read again.
  const QString key = QStringLiteral("pemo_picture:") + file.identity();
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  pixmap = QPixmap::fromImageReader(&file.reader());
  if (!pixmap.isNull()) QPixmapCache::insert(key, pixmap);
  return pixmap;
}

}  // namespace pemo::ui
