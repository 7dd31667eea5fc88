#include "support/hapsy/string_value.h"

#include <cmath>

#include "platform/text/cp932.h"
#include "support/common/expression.h"
#include "support/common/rounding.h"
#include "support/common/width_conversion.h"
#include "support/hapsy/hapsy_width.h"

namespace pemo::support {

std::string prepareStringValExpression(std::string_view cp932Text) {
  std::string half = toHalfWidth(hapsyWidthTable(), cp932Text, isHapsySingleByte);
  std::string out;
  bool quoted = false;
  for (size_t pos = 0; pos < half.size();) {
    if (text::isLeadByte(static_cast<unsigned char>(half[pos])) && pos + 1 < half.size()) {
      std::string_view character = std::string_view(half).substr(pos, 2);
      pos += 2;
      char sign = operatorOfSign(character);
      if (sign && !quoted) out += sign;
      continue;
    }
    char c = half[pos++];
    if (c == '"')
      quoted = !quoted;
    else if (!quoted)
      out += c;
  }
  return out;
}

int signAwareMode(int mode, double value) {
  if (value >= 0) return mode;
  if (mode == kCut) return kUp;
  if (mode == kUp) return kCut;
  return mode;
}

std::string formatNumberField(double value, int decimals) {
  double magnitude = std::fabs(value);
  int integerWidth = 0;  // c: how often 1 is multiplied by 10 to reach the magnitude
  for (double reach = 1; reach < magnitude; reach *= 10) ++integerWidth;
  std::string digits = formatFixed(magnitude, decimals);
  size_t point = digits.find('.');
  std::string integerDigits = digits.substr(0, point);
  size_t needed = integerDigits.size() + (integerDigits.size() - 1) / 3 + 1;
  size_t fieldWidth = static_cast<size_t>(integerWidth) + 4;
  if (needed > fieldWidth) return {};
  if (value < 0 && magnitude > 0) integerDigits = "-" + integerDigits;
  std::string field(fieldWidth - integerDigits.size(), ' ');
  field += integerDigits;
  if (decimals > 0) {
    std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    fraction.resize(static_cast<size_t>(decimals), '0');
    field += '.' + fraction;
  }
  return field;
}

}  // namespace pemo::support
