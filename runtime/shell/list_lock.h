#pragma once
// The lock that keeps runtimes from writing the user folder's list files at the same
// time. Each read-and-write of a list happens under it, so that a write never lands
// between another runtime's read and its write.
#include <chrono>
#include <string>

namespace pemo::shell {

// How long a write waits for another runtime that holds the lock: long enough for a
// slow disk, short enough that a window does not stop for good.
inline constexpr std::chrono::milliseconds kListLockWait{3000};

enum class LockState {
  Held,  // taken
  Busy,  // another holder kept it for longer than the wait
  None,  // this file system gives no such lock (a network file system, for one)
};

// Takes the exclusive lock of an open file or folder, waiting up to `bound` only while
// another holder keeps it; any other refusal gives None at once.
LockState lockExclusively(int descriptor, std::chrono::milliseconds bound);

// Held while a list file is read and written again. A list is written only when the
// lock is held, or at once where the folder can give none: writing while another
// runtime holds it would lose what that one writes.
class ListFileLock {
 public:
  explicit ListFileLock(const std::string& file);
  ~ListFileLock();
  ListFileLock(const ListFileLock&) = delete;
  ListFileLock& operator=(const ListFileLock&) = delete;

  // False when another runtime kept the lock for longer than the wait: nothing may be
  // written now.
  bool mayWrite() const { return state_ != LockState::Busy; }

 private:
  int folder_ = -1;
  LockState state_ = LockState::None;
};

}  // namespace pemo::shell
