#include "platform/fs/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/fs/regular_file.h"

namespace pemo::fs {

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(size_t(written));
  }
  return true;
}

namespace {

// Hands each piece of an open file to take, to the end; false when a read fails (one
// that would wait among them) or take refuses a piece.
template <typename Take>
bool readPieces(int fd, Take take) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    if (!take(std::string_view(buffer, size_t(n)))) return false;
  }
}

// A plain file open for reading that says it holds no more than largest bytes; -1 else.
int openWithin(const std::filesystem::path& file, std::uintmax_t largest, struct stat& status) {
  const int fd = openRegularFile(file, O_RDONLY);
  if (fd < 0) return -1;
  if (::fstat(fd, &status) == 0 && std::uintmax_t(status.st_size) <= largest) return fd;
  ::close(fd);
  return -1;
}

}  // namespace

bool canReadWholeFile(const std::filesystem::path& file, std::uintmax_t largest) {
  struct stat status {};
  const int fd = openWithin(file, largest, status);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::uintmax_t largest) {
  struct stat status {};
  const int fd = openWithin(file, largest, status);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  bytes.reserve(size_t(status.st_size));
  // A file that grows past the limit while it is read is refused as well.
  const bool read = readPieces(fd, [&](std::string_view piece) {
    if (bytes.size() + piece.size() > largest) return false;
    bytes.append(piece);
    return true;
  });
  ::close(fd);
  if (!read) return std::nullopt;
  return bytes;
}

bool copyWholeFile(const std::filesystem::path& source, int fd) {
  const int from = openRegularFile(source, O_RDONLY);
  if (from < 0) return false;
  const bool copied = readPieces(from, [fd](std::string_view piece) { return writeAll(fd, piece); });
  ::close(from);
  return copied;
}

CreateResult createNewFile(const std::filesystem::path& file, const std::string& bytes) {
  int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return errno == EEXIST ? CreateResult::AlreadyExists : CreateResult::Failed;
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) return CreateResult::Created;
  std::error_code ec;
  std::filesystem::remove(file, ec);
  return CreateResult::Failed;
}

bool appendToFile(const std::filesystem::path& file, std::string_view bytes) {
  bool created = false;
  int fd = openRegularFile(file, O_WRONLY | O_APPEND);
  if (fd < 0 && errno == ENOENT) {
    fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    created = fd >= 0;
  }
  if (fd < 0) return false;
  struct stat before {};
  // The same test as a replacing write's: without any write permission bit the file is
  // read-only, also for a user whom the system would let write.
  if (::fstat(fd, &before) != 0 || (before.st_mode & 0222) == 0) {
    ::close(fd);
    return false;
  }
  bool ok = writeAll(fd, bytes);
  if (!ok && !created) ::ftruncate(fd, before.st_size);
  ok = ::close(fd) == 0 && ok;
  if (!ok && created) ::unlink(file.c_str());
  return ok;
}

}  // namespace pemo::fs
