#include "editor/document/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace pemo::editor {
namespace {

bool writeAllAndSync(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return ::fsync(fd) == 0;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

CreateResult createNewFile(const std::filesystem::path& file, const std::string& bytes) {
  int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return errno == EEXIST ? CreateResult::AlreadyExists : CreateResult::Failed;
  bool ok = writeAllAndSync(fd, bytes);
  ok = ::close(fd) == 0 && ok;
  if (ok) return CreateResult::Created;
  std::error_code ec;
  std::filesystem::remove(file, ec);
  return CreateResult::Failed;
}

bool replaceFileContents(const std::filesystem::path& file, const std::string& bytes) {
  std::error_code ec;
  std::filesystem::path target = file;
  if (std::filesystem::is_symlink(target, ec)) {
    target = std::filesystem::weakly_canonical(target, ec);
    if (ec) return false;
  }
  struct stat old {};
  bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && !S_ISREG(old.st_mode)) return false;

  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path temp = target;
    temp += ".~" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
    CreateResult created = createNewFile(temp, bytes);
    if (created == CreateResult::AlreadyExists) continue;
    if (created == CreateResult::Failed) return false;
    if (existed) ::chmod(temp.c_str(), old.st_mode & 07777);
    if (::rename(temp.c_str(), target.c_str()) == 0) return true;
    std::filesystem::remove(temp, ec);
    return false;
  }
  return false;
}

}  // namespace pemo::editor
