#pragma once
// Where the launcher bar and its buttons go, in screen pixels: the buttons' places, the
// bar's length and thickness, the flush rule that keeps a docked bar on its edge, the
// placement when the bar docks, and the edge a drag of a docked bar lands on.
#include "platform/ui/window_port.h"

namespace pemo::shell::launcher {

enum class Orientation { Horizontal = 0, Vertical = 1 };

// The thickness of a docked bar that is not expanded.
inline constexpr int kCollapsedThickness = 10;
// The two button sizes: "32×32" and "16×16".
inline constexpr int kLargeButton = 36;
inline constexpr int kSmallButton = 20;

struct BarRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool contains(int x, int y) const { return left <= x && x <= right() && top <= y && y <= bottom(); }
  bool operator==(const BarRect&) const = default;
};

// Along the bar: where button k (1 for the Explorer button) starts.
int buttonOffset(int k, int buttonSize);
// Across the bar: the margin before every button.
int buttonInset(int buttonSize);
// Button k's rectangle inside the bar.
BarRect buttonRect(int k, int buttonSize, Orientation orientation);

// The length of a bar whose next free button index is `buttonCount` (the buttons + 1).
int barLength(int buttonCount, int buttonSize);
// The full thickness: one and a half buttons.
int barThickness(int buttonSize);
// The bar's size as it lies, with the given thickness.
BarRect sizedBar(BarRect bar, Orientation orientation, int length, int thickness);

// A vertical bar away from the left edge moves to touch the right edge; a horizontal
// bar away from the top moves to touch the bottom.
BarRect flush(BarRect bar, Orientation orientation, ui::ScreenSize screen);

// Docking: the bar becomes a strip on the nearer of the two edges across it.
BarRect dockedStrip(BarRect bar, Orientation orientation, ui::ScreenSize screen);

enum class Edge { Top, Bottom, Left, Right };

// The edge a drag lands on, from the cursor's place in whole percent of the screen.
Edge edgeAtPercent(int px, int py);

struct DockDrag {
  BarRect ghost;
  Orientation orientation;
};

// The ghost of a docked bar dragged by (dx, dy) with the cursor at (x, y), all in
// pixels. `full` is the bar's full size in the orientation it had before this move.
DockDrag dockDragRect(const BarRect& bar, const BarRect& full, int x, int y, int dx, int dy, ui::ScreenSize screen);

// A stored position in twips as whole pixels. A damaged value far beyond any screen
// (or not a number at all) stays a whole number that the screen check can bring back.
int pixelsOf(double twips, double twipsPerPixel);

// A bar wholly or partly beyond the screen (stored on a larger one) is moved back onto it.
BarRect keepOnScreen(BarRect bar, ui::ScreenSize screen);

}  // namespace pemo::shell::launcher
