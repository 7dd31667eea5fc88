#include "menufile/values.h"

#include <algorithm>
#include <cmath>

#include "platform/text/numbers.h"
#include "platform/text/strings.h"

namespace pemo::menufile {

double readNumber(std::string_view value) {
  double number = text::Val(value);
  return std::isfinite(number) ? number : 0;
}

double clampCoordinate(double pixels) {
  if (std::isnan(pixels)) return 0;
  return std::clamp(pixels, -kLargestCoordinate, kLargestCoordinate);
}

double readCoordinate(std::string_view value) { return clampCoordinate(readNumber(value)); }

std::optional<long> readWholeNumber(std::string_view value, long min, long max) {
  std::string_view text = text::TrimBlanksAndTabs(value);
  if (text.empty() || !text::IsNumeric(text)) return std::nullopt;
  double rounded = text::RoundHalfEven(text::Val(text));
  if (!std::isfinite(rounded) || rounded < static_cast<double>(min) ||
      rounded > static_cast<double>(max))
    return std::nullopt;
  return static_cast<long>(rounded);
}

int linkStyleOf(double number) {
  const double rounded = text::RoundHalfEven(number);
  const bool named = rounded >= static_cast<int>(LinkStyle::ExecuteLink) &&
                     rounded <= static_cast<int>(LinkStyle::ExecuteAndWait);
  return named ? static_cast<int>(rounded) : kNoLinkStyle;
}

std::optional<std::uint32_t> readColour(std::string_view value) {
  std::string_view text = text::TrimBlanksAndTabs(value);
  if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h'))
    text.remove_prefix(2);
  std::uint64_t number = 0;
  for (char c : text) {
    int digit = text::HexDigitValue(c);
    if (digit < 0) break;
    number = number * 16 + static_cast<unsigned>(digit);
    if (number > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<std::uint32_t>(number);
}

std::optional<bool> readBoolean(std::string_view value) {
  std::string_view text = text::TrimBlanksAndTabs(value);
  if (text::EqualsNoCase(text, "True")) return true;
  if (text::EqualsNoCase(text, "False")) return false;
  if (text.empty() || !text::IsNumeric(text)) return std::nullopt;
  return text::Val(text) != 0;
}

std::string formatNumber(long value) { return std::to_string(value); }

std::string formatColour(std::uint32_t value) { return text::ToHex(value); }

std::string formatBoolean(bool value) { return value ? "True" : "False"; }

std::string formatGeometry(double pixels) { return text::FormatGeneral(pixels); }

std::string formatFontSize(double points) {
  return text::FormatGeneral(text::RoundHalfEven(points, 4));
}

}  // namespace pemo::menufile
