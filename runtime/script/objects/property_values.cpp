#include "runtime/script/objects/property_values.h"

#include <cmath>

#include "menufile/values.h"
#include "platform/text/numbers.h"
#include "runtime/script/objects/object_reference.h"

namespace pemo::script {
std::optional<std::uint32_t> colourOf(const std::string& text) {
  double number = text::RoundHalfEven(numberOf(text));
  if (number < 0 && number >= -2147483648.0) number += 4294967296.0;
  if (number >= 0 && number <= 0xFFFFFF) return static_cast<std::uint32_t>(number);
  if (number >= 0x80000000u && number <= 0x800000FFu) return static_cast<std::uint32_t>(number);
  return std::nullopt;
}

std::string colourText(std::uint32_t bgr) { return text::ToHex(bgr); }

Edge edgeOf(const std::string& p) {
  if (p == "LEFT") return Edge::Left;
  if (p == "TOP") return Edge::Top;
  if (p == "WIDTH") return Edge::Width;
  return Edge::Height;
}

std::optional<double> edgeValueOf(Edge edge, const std::string& text) {
  const double pixels = numberOf(text);
  if (!std::isfinite(pixels)) return std::nullopt;
  if ((edge == Edge::Width || edge == Edge::Height) && pixels < 0) return std::nullopt;
  return menufile::clampCoordinate(pixels);
}

}  // namespace pemo::script
