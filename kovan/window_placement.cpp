#include "kovan/window_placement.h"

#include "platform/text/numbers.h"

namespace pemo::kovan {

std::optional<int32_t> storedPixels(const std::string& text) {
  const double value = text::RoundHalfEven(text::Val(text));
  if (!(value >= INT32_MIN && value <= INT32_MAX)) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t onScreen(int32_t position, int32_t extent) {
  if (position >= extent) position = extent - position;
  return position < 0 ? 0 : position;
}

int32_t withinExtent(int32_t length, int32_t extent) { return extent > 0 && length > extent ? extent : length; }

}  // namespace pemo::kovan
