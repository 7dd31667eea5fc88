#include "platform/ui/paint_stack.h"

#include "platform/process/stack_limit.h"

namespace pemo::ui {

void raiseStackLimitForPainting() {
  // About 300 bytes a child: room for eight full kinds of objects on one page, and more.
  process::raiseStackLimit(std::size_t{256} * 1024 * 1024);
}

}  // namespace pemo::ui
