#include "kovan/kovan.h"

namespace pemo::kovan {

KOVAN& KovanObject() {
  static KOVAN instance;
  return instance;
}

}  // namespace pemo::kovan
