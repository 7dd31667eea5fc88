#include "platform/ui/paint_stack.h"

#include <sys/resource.h>

namespace pemo::ui {

namespace {

// About 300 bytes a child: room for eight full kinds of objects on one page, and more.
constexpr rlim_t kPaintingStack = 256u * 1024 * 1024;

}  // namespace

void raiseStackLimitForPainting() {
  rlimit limit{};
  if (getrlimit(RLIMIT_STACK, &limit) != 0) return;
  if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= kPaintingStack) return;
  limit.rlim_cur = limit.rlim_max == RLIM_INFINITY || limit.rlim_max > kPaintingStack ? kPaintingStack : limit.rlim_max;
  setrlimit(RLIMIT_STACK, &limit);
}

}  // namespace pemo::ui
