#include "runtime/shell/list_lock.h"

#include <cerrno>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/fs/windows_path.h"

namespace pemo::shell {

LockState lockExclusively(int descriptor, std::chrono::milliseconds bound) {
  using namespace std::chrono_literals;
  const auto giveUp = std::chrono::steady_clock::now() + bound;
  while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    // A network file system takes an exclusive lock only on a descriptor open for
    // writing, which a folder never is; waiting would change nothing.
    if (errno != EWOULDBLOCK) return LockState::None;
    if (std::chrono::steady_clock::now() >= giveUp) return LockState::Busy;
    std::this_thread::sleep_for(10ms);
  }
  return LockState::Held;
}

ListFileLock::ListFileLock(const std::string& file) {
  const auto host = fs::toHostPath(file);
  if (!host) return;
  // The folder itself is locked: a lock file beside the lists would be one more file in
  // the user's folder.
  folder_ = ::open(std::filesystem::path(*host).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_ >= 0) state_ = lockExclusively(folder_, kListLockWait);
}

ListFileLock::~ListFileLock() {
  if (folder_ >= 0) ::close(folder_);  // lets go of the lock
}

}  // namespace pemo::shell
