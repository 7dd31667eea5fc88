#include "platform/testing/file_size_limit.h"

#include <signal.h>

namespace pemo::testing {

FileSizeLimit::FileSizeLimit(size_t bytes) {
  oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
  ::getrlimit(RLIMIT_FSIZE, &old_);
  rlimit small = old_;
  small.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &small);
}

FileSizeLimit::~FileSizeLimit() {
  ::setrlimit(RLIMIT_FSIZE, &old_);
  ::signal(SIGXFSZ, oldHandler_);
}

}  // namespace pemo::testing
