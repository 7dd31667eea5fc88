#pragma once
// Rules shared by the window methods that restore a stored rectangle.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/ui/window_port.h"

namespace pemo::kovan {

// The least of a window a user can work with: that much of it on the screen leaves a grip
// of its title bar to drag it by. A stored size below it is no size a user gave a window.
inline constexpr int32_t kUsableWidth = 100;
inline constexpr int32_t kUsableHeight = 50;

// A stored setting read as a number and rounded to whole pixels (an empty text gives 0);
// nullopt when it is beyond what a window position can be.
std::optional<int32_t> storedPixels(const std::string& text);

// A window's outer size in pixels.
struct PixelSize {
  int32_t width = 0;
  int32_t height = 0;
};

// Moves the window, placed at left, top, onto the screen where it shows too little of
// itself to be used, counting `size` (by default the size it has). Along each side of the
// screen: before the screen's start (its title bar, or its start, out of reach) it comes to
// that start; wholly past the far edge, as on a screen since made smaller, it comes back to
// the start; showing less than its usable part (or than all of a smaller window) at the far
// edge, it comes back from that edge just far enough to show whole. A window that shows its
// usable part stays where it is. False when the window cannot be read or moved.
bool keepOnScreen(ui::WindowPort& windows, ui::WindowHandle wnd, int32_t left, int32_t top,
                  std::optional<PixelSize> size = std::nullopt);

// Whether a stored size is one to give a window: at least the usable part each way.
bool usableSize(int32_t width, int32_t height);

// A length larger than the extent comes back at the extent; without an extent (no
// screen) the length stays.
int32_t withinExtent(int32_t length, int32_t extent);

}  // namespace pemo::kovan
