#include "platform/ui/picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QPixmapCache>
#include <unordered_map>

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

struct PicturesReadOnce::Reads {
  struct Read {
    bool picture = false;  // the file holds a picture in a format Qt reads
    QPixmap pixmap;        // null when it could not be read after all
  };
  std::unordered_map<std::string, Read> byHostPath;
  const Read& of(const std::string& hostPath);
};

namespace {

thread_local PicturesReadOnce::Reads* openReads = nullptr;

QPixmap cachedPixmap(PictureFile& file) {
  // A changed file has another identity and is read again.
  const QString key = QStringLiteral("pemo_picture:") + file.identity();
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  pixmap = QPixmap::fromImageReader(&file.reader());
  if (!pixmap.isNull()) QPixmapCache::insert(key, pixmap);
  return pixmap;
}

}  // namespace

const PicturesReadOnce::Reads::Read& PicturesReadOnce::Reads::of(const std::string& hostPath) {
  auto [it, isNew] = byHostPath.try_emplace(hostPath);
  if (isNew) {
    PictureFile file(hostPath);
    it->second.picture = file.isOpen() && file.reader().canRead();
    if (it->second.picture) it->second.pixmap = cachedPixmap(file);
  }
  return it->second;
}

PicturesReadOnce::PicturesReadOnce() {
  if (openReads) return;
  reads_ = std::make_unique<Reads>();
  openReads = reads_.get();
}

PicturesReadOnce::~PicturesReadOnce() {
  if (reads_) openReads = nullptr;
}

bool isPictureFile(const std::string& hostPath) {
  if (openReads) return openReads->of(hostPath).picture;
  PictureFile file(hostPath);
  return file.isOpen() && file.reader().canRead();
}

QImage readPicture(const std::string& hostPath) {
  PictureFile file(hostPath);
  return file.isOpen() ? file.reader().read() : QImage();
}

QPixmap loadPixmap(const std::string& hostPath) {
  if (openReads) return openReads->of(hostPath).pixmap;
  PictureFile file(hostPath);
  return file.isOpen() ? cachedPixmap(file) : QPixmap();
}

}  // namespace pemo::ui
