#pragma once
// The calculation routine Keisan of libzebric, bound by name at its first use from the
// folder that holds libkovanc. A bind that fails raises the error and is tried again
// at the next call; one that succeeds is kept for the program's lifetime.
#include <mutex>
#include <string>

namespace pemo::kovan {

using KeisanFunction = void (*)(char* buffer, int unitExponent, int mode);

class ZebricBinding {
 public:
  explicit ZebricBinding(std::string folder);
  // The bound routine; raises KovanError 48 when the library cannot be loaded and 453
  // when it has no Keisan.
  KeisanFunction keisan();

 private:
  std::string folder_;
  std::mutex mutex_;
  KeisanFunction keisan_ = nullptr;
};

// The folder libkovanc was loaded from.
std::string kovanLibraryFolder();

}  // namespace pemo::kovan
