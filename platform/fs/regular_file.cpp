#include "platform/fs/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace pemo::fs {

int openRegularFile(const std::filesystem::path& file, int flags, mode_t mode) {
  // Without O_NONBLOCK the open of a FIFO itself waits, and so does a read of a file that
  // waits for what comes next; O_NOCTTY keeps a terminal named as a file from becoming the
  // program's own.
  const int fd = ::open(file.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
  if (fd < 0) return -1;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    const int refused = S_ISDIR(status.st_mode) ? EISDIR : ENXIO;
    ::close(fd);
    errno = refused;
    return -1;
  }
  return fd;
}

}  // namespace pemo::fs
