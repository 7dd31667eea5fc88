#include "support/zebric/zebric_width_table.h"

namespace pemo::support {

const WidthTable& zebricWidthTable() {
  static const WidthTable table({{"＿", "_"}}, {{"っ", "ッ", "ｯ"}});
  return table;
}

}  // namespace pemo::support
