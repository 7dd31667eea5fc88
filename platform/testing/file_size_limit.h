#pragma once
#include <cstddef>
#include <sys/resource.h>

namespace pemo::testing {

// While it lives, no file of the process grows beyond the given size, as on a full disk:
// a write past it fails instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(size_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

}  // namespace pemo::testing
