#include "platform/fs/atomic_file.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/fs/whole_file.h"

namespace pemo::fs {

namespace {

// A new, exclusively created file beside the target; -1 when none can be made.
int createSibling(const std::filesystem::path& file, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = uniqueNameBeside(file, ".tmp");
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool isWriteProtected(const std::filesystem::path& file) {
  struct stat status {};
  return ::stat(file.c_str(), &status) == 0 && (status.st_mode & 0222) == 0;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  std::error_code ec;
  std::filesystem::path target = file;
  if (std::filesystem::is_symlink(file, ec)) {
    target = std::filesystem::weakly_canonical(file, ec);
    if (ec) return false;
  }
  if (isWriteProtected(target)) return false;
  std::string temporary;
  const int fd = createSibling(target, temporary);
  if (fd < 0) return false;
  struct stat existing {};
  bool ok = writeAll(fd, bytes);
  if (ok && ::stat(target.c_str(), &existing) == 0) ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace pemo::fs
