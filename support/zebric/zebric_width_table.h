#pragma once
#include "support/common/width_table.h"

namespace pemo::support {

// The table of libzebric: the shared one with the underscore and the small tsu.
const WidthTable& zebricWidthTable();

}  // namespace pemo::support
