// Width conversion of a whole buffer with the library's table, in place.
#include <cstring>

#include "support/common/width_conversion.h"
#include "support/zebric/zebric.h"
#include "support/zebric/zebric_width_table.h"

using namespace pemo::support;

namespace {
void overwrite(char* buffer, const std::string& text) {
  std::memcpy(buffer, text.c_str(), text.size() + 1);
}
}  // namespace

void HalfToAll(char* buffer) {
  if (!buffer) return;
  overwrite(buffer, toFullWidth(zebricWidthTable(), buffer, isSingleByteCharacter));
}

void AllToHalf(char* buffer) {
  if (!buffer) return;
  overwrite(buffer, toHalfWidth(zebricWidthTable(), buffer, isSingleByteCharacter));
}
