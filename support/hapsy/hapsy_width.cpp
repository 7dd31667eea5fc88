#include "support/hapsy/hapsy_width.h"

namespace pemo::support {

const WidthTable& hapsyWidthTable() {
  static const WidthTable table({}, {});
  return table;
}

bool isHapsySingleByte(unsigned char byte) {
  return (byte >= 0x20 && byte <= 0x7E) || (byte >= 0xA0 && byte <= 0xDF);
}

}  // namespace pemo::support
