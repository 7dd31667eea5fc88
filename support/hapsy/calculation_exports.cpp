// Calculation of an expression text into a fixed-width number field, in place.
#include <cstdint>
#include <cstring>

#include "support/common/expression.h"
#include "support/common/rounding.h"
#include "support/hapsy/blank_padded.h"
#include "support/hapsy/hapsy.h"
#include "support/hapsy/string_value.h"

using namespace pemo::support;

char* StringVal(char* buffer, int decimals, int mode) {
  if (!buffer) return buffer;
  // Both numbers arrive as 16-bit values.
  int places = static_cast<int16_t>(decimals);
  int rounding = static_cast<int16_t>(mode);
  trimTrailingBlanks(buffer);
  double value = evaluateExpression(prepareStringValExpression(buffer));
  // Whole numbers are counted in ten-thousands before the rest is rounded, decimals
  // after the whole number.
  double rounded = roundToUnit(value, -places, signAwareMode(rounding, value),
                               places > 0 ? 1.0 : 10000.0);
  std::string field = formatNumberField(rounded, places);
  std::memcpy(buffer, field.c_str(), field.size() + 1);
  return buffer;
}
