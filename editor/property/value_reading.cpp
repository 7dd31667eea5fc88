#include "editor/property/value_reading.h"

#include <array>
#include <cmath>

#include "menufile/values.h"
#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "platform/ui/system_colours.h"

namespace pemo::editor::property {

double numberOf(std::string_view text) { return text::Val(text); }

std::optional<std::uint32_t> colourOf(std::string_view text) {
  auto colour = menufile::readColour(text);
  if (!colour || !ui::isShowableColour(*colour)) return std::nullopt;
  return colour;
}

std::optional<bool> truthWordOf(std::string_view text) { return menufile::readBoolean(text); }

bool nonEmpty(std::string_view text) { return !text::Trim(text).empty(); }

namespace {

constexpr std::size_t kFontFields = 5;
// The largest size in points a font takes; a larger one draws nothing.
constexpr double kLargestFontSize = 2160;

// Up to five fields split at ","; the last keeps whatever follows. The count found.
std::size_t splitFontFields(std::string_view text, std::array<std::string, kFontFields>& fields) {
  std::size_t count = 0;
  while (count + 1 < kFontFields) {
    std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) break;
    fields[count++] = std::string(text.substr(0, comma));
    text.remove_prefix(comma + 1);
  }
  fields[count++] = std::string(text);
  return count;
}

}  // namespace

FontText fontOf(std::string_view text) {
  FontText result;
  std::array<std::string, kFontFields> fields;
  if (!nonEmpty(text) || splitFontFields(text, fields) != kFontFields) return result;
  result.reading = FontText::Reading::Refused;
  auto bold = truthWordOf(fields[2]);
  auto italic = truthWordOf(fields[3]);
  auto underline = truthWordOf(fields[4]);
  double size = numberOf(fields[1]);
  if (!bold || !italic || !underline || !(size > 0 && size <= kLargestFontSize)) return result;
  result.font = {fields[0], size, *bold, *italic, *underline};
  result.reading = FontText::Reading::Font;
  return result;
}

}  // namespace pemo::editor::property
