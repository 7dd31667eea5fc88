#pragma once
// The user folder's lock held by another process, as another runtime holds it while a
// slow disk delays its write, until release() or the end of the holder.
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pemo::shell::testing {

class LockHeldElsewhere {
 public:
  explicit LockHeldElsewhere(const std::filesystem::path& userFolder) {
    int ready[2];
    int release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      ::close(release[1]);
      const int folder = ::open(userFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (folder < 0 || ::flock(folder, LOCK_EX) != 0) ::_exit(1);
      char byte = 'r';
      if (::write(ready[1], &byte, 1) != 1) ::_exit(1);
      // Held until the test closes its end of the pipe.
      while (::read(release[0], &byte, 1) > 0) {
      }
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    release_ = release[1];
    char byte = 0;
    held_ = pid_ > 0 && ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
  }
  ~LockHeldElsewhere() { release(); }
  LockHeldElsewhere(const LockHeldElsewhere&) = delete;
  LockHeldElsewhere& operator=(const LockHeldElsewhere&) = delete;

  bool held() const { return held_; }
  void release() {
    if (release_ >= 0) ::close(release_);
    release_ = -1;
    if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int release_ = -1;
  bool held_ = false;
};

}  // namespace pemo::shell::testing
