#pragma once
// The stack limit of this process, raised for its own needs while the programs it starts
// keep the one it was given.
#include <cstddef>

namespace pemo::process {

// Raises the soft stack limit, up to which the main thread's stack grows, to `bytes` (or
// to the hard limit when that is lower); never lowers it. Threads started later keep
// their usual size.
void raiseStackLimit(std::size_t bytes);

// While it lives, the limit is the one the process was given, for a program being
// started to inherit; then it is raised again.
class GivenStackLimit {
 public:
  GivenStackLimit();
  ~GivenStackLimit();
  GivenStackLimit(const GivenStackLimit&) = delete;
  GivenStackLimit& operator=(const GivenStackLimit&) = delete;
};

}  // namespace pemo::process
