#include "runtime/page/runtime_state.h"

namespace pemo::page {

RuntimeState& runtimeState() {
  static RuntimeState state;
  return state;
}

}  // namespace pemo::page
