#pragma once
#include "support/common/width_conversion.h"
#include "support/common/width_table.h"

namespace pemo::support {

// The table of libhapsy: the shared one, without the underscore and the small tsu.
const WidthTable& hapsyWidthTable();

// libhapsy converts printable ASCII and half-width kana (0x20-0x7E, 0xA0-0xDF) one byte
// at a time and takes every other byte with the byte after it.
bool isHapsySingleByte(unsigned char byte);

}  // namespace pemo::support
