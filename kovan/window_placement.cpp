#include "kovan/window_placement.h"

#include <algorithm>

#include "platform/text/numbers.h"

namespace pemo::kovan {

std::optional<int32_t> storedPixels(const std::string& text) {
  const double value = text::RoundHalfEven(text::Val(text));
  if (!(value >= INT32_MIN && value <= INT32_MAX)) return std::nullopt;
  return static_cast<int32_t>(value);
}

namespace {

// Where the window's edge comes along one side of the screen, the window `length` long.
int32_t onScreen(int32_t position, int32_t length, int32_t usable, int32_t extent) {
  if (position < 0 || position >= extent) return 0;
  if (extent - position >= std::min(usable, length)) return position;
  return static_cast<int32_t>(std::max<int64_t>(0, int64_t{extent} - length));
}

}  // namespace

bool keepOnScreen(ui::WindowPort& windows, ui::WindowHandle wnd, int32_t left, int32_t top,
                  std::optional<PixelSize> size) {
  ui::WindowRect rect;
  if (!windows.windowRect(wnd, rect)) return false;
  if (!size) size = PixelSize{rect.width(), rect.height()};
  const ui::ScreenSize screen = windows.screenSize();
  return windows.moveWindow(wnd, onScreen(left, size->width, kUsableWidth, screen.width),
                            onScreen(top, size->height, kUsableHeight, screen.height));
}

bool usableSize(int32_t width, int32_t height) { return width >= kUsableWidth && height >= kUsableHeight; }

int32_t withinExtent(int32_t length, int32_t extent) { return extent > 0 && length > extent ? extent : length; }

}  // namespace pemo::kovan
