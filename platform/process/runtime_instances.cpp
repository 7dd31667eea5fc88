#include "platform/process/runtime_instances.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/fs/config_folders.h"

namespace pemo::process {
namespace {

int flockRetrying(int fd, int operation) {
  int result;
  do result = ::flock(fd, operation);
  while (result != 0 && errno == EINTR);
  return result;
}

}  // namespace

std::filesystem::path runtimeLockFile() { return fs::pemoConfigFolder() / "pemo.lock"; }

RuntimeInstanceLock::RuntimeInstanceLock(std::filesystem::path file) : file_(std::move(file)) {}

RuntimeInstanceLock::~RuntimeInstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool RuntimeInstanceLock::join(const std::function<void()>& whileAlone) {
  if (joined_) return false;
  joined_ = true;
  std::error_code ignored;
  std::filesystem::create_directories(file_.parent_path(), ignored);
  fd_ = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return false;
  // Changing a held lock is not atomic (a failed try would lose the share), so the
  // exclusive try comes first and then gives way to a share.
  const bool alone = flockRetrying(fd_, LOCK_EX | LOCK_NB) == 0;
  if (alone && whileAlone) whileAlone();
  flockRetrying(fd_, LOCK_SH);
  return alone;
}

}  // namespace pemo::process
