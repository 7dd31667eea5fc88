#pragma once
// Where a window stays within the mouse's reach: wholly on the screen where it fits, and
// from the screen's top-left corner where it does not, so that its caption can always be
// taken hold of. A place stored on a larger screen, or a damaged one, comes back by it.
#include <algorithm>
#include <cstdint>

#include "platform/ui/window_port.h"

namespace pemo::ui {

inline int32_t withinScreen(int32_t position, int32_t length, int32_t extent) {
  return std::max(0, std::min(position, extent - length));
}

inline WindowRect withinScreen(const WindowRect& rect, ScreenSize screen) {
  const int32_t left = withinScreen(rect.left, rect.width(), screen.width);
  const int32_t top = withinScreen(rect.top, rect.height(), screen.height);
  return {left, top, left + rect.width(), top + rect.height()};
}

// Moves one of our windows back within reach; false for a number that names no window.
bool bringWithinReach(WindowHandle handle);

}  // namespace pemo::ui
