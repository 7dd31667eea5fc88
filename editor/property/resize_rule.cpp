#include "editor/property/resize_rule.h"

#include <cmath>

namespace pemo::editor::property {

void ResizeRule::start(double widthTwips, double heightTwips) {
  fixedHeight_ = static_cast<int>(std::lround(heightTwips));
  lastWidth_ = static_cast<int>(std::lround(widthTwips));
}

std::optional<ResizeRule::Outcome> ResizeRule::resized(double widthTwips) {
  if (widthTwips < kMinimumWidthTwips) return std::nullopt;
  int width = static_cast<int>(std::lround(widthTwips));
  Outcome outcome{width - lastWidth_, fixedHeight_};
  lastWidth_ = width;
  return outcome;
}

}  // namespace pemo::editor::property
