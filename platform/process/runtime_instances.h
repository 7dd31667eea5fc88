#pragma once
// Which runtimes run at the same time: every `pemo` holds a share of one lock file for
// its whole life, so a runtime that starts can tell whether it is the only one. The
// lock goes with the process however it ends; programs started from it do not inherit it.
#include <filesystem>
#include <functional>

namespace pemo::process {

// The lock file in the user's Pemo configuration folder.
std::filesystem::path runtimeLockFile();

class RuntimeInstanceLock {
 public:
  explicit RuntimeInstanceLock(std::filesystem::path file = runtimeLockFile());
  ~RuntimeInstanceLock();
  RuntimeInstanceLock(const RuntimeInstanceLock&) = delete;
  RuntimeInstanceLock& operator=(const RuntimeInstanceLock&) = delete;

  // Takes this runtime's share (once; later calls do nothing). When no other runtime
  // held a share, `whileAlone` runs first, before a runtime starting meanwhile can take
  // its share. A lock file that cannot be opened counts as another runtime, so that
  // nothing of another one's is cleared on a guess. True when this runtime was alone.
  bool join(const std::function<void()>& whileAlone = {});

 private:
  std::filesystem::path file_;
  int fd_ = -1;
  bool joined_ = false;
};

}  // namespace pemo::process
