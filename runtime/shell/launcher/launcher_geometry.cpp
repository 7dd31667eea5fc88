#include "runtime/shell/launcher/launcher_geometry.h"

#include <algorithm>
#include <cmath>

#include "platform/text/numbers.h"

namespace pemo::shell::launcher {
namespace {

int rounded(double value) { return static_cast<int>(text::RoundHalfEven(value)); }

int percentOf(int value, int whole) { return whole > 0 ? rounded(value * 100.0 / whole) : 0; }

}  // namespace

int buttonOffset(int k, int buttonSize) { return rounded((k - 1) * buttonSize + k * buttonSize / 8.0); }

// An eighth of a button is half a pixel off the grid for both sizes; the screen takes
// whole pixels, so it rounds as the places along the bar do.
int buttonInset(int buttonSize) { return rounded(buttonSize / 8.0); }

BarRect buttonRect(int k, int buttonSize, Orientation orientation) {
  const int along = buttonOffset(k, buttonSize);
  const int across = buttonInset(buttonSize);
  if (orientation == Orientation::Horizontal) return {along, across, buttonSize, buttonSize};
  return {across, along, buttonSize, buttonSize};
}

int barLength(int buttonCount, int buttonSize) {
  return rounded(buttonSize / 8.0 * (buttonCount + 2) + (buttonCount - 1) * buttonSize);
}

int barThickness(int buttonSize) { return rounded(1.5 * buttonSize); }

BarRect sizedBar(BarRect bar, Orientation orientation, int length, int thickness) {
  bar.width = orientation == Orientation::Horizontal ? length : thickness;
  bar.height = orientation == Orientation::Horizontal ? thickness : length;
  return bar;
}

BarRect flush(BarRect bar, Orientation orientation, ui::ScreenSize screen) {
  if (orientation == Orientation::Vertical && bar.left != 0) bar.left = screen.width - bar.width;
  if (orientation == Orientation::Horizontal && bar.top != 0) bar.top = screen.height - bar.height;
  return bar;
}

BarRect dockedStrip(BarRect bar, Orientation orientation, ui::ScreenSize screen) {
  if (orientation == Orientation::Vertical) {
    bar.width = kCollapsedThickness;
    bar.left = bar.left <= screen.width / 2.0 ? 0 : screen.width - bar.width;
  } else {
    bar.height = kCollapsedThickness;
    bar.top = bar.top <= screen.height / 2.0 ? 0 : screen.height - bar.height;
  }
  return bar;
}

Edge edgeAtPercent(int px, int py) {
  if (px < 50 && py < 50) return py < px ? Edge::Top : Edge::Left;
  if (px < 50) return px + py < 100 ? Edge::Left : Edge::Bottom;
  if (py < 50) return px + py < 100 ? Edge::Top : Edge::Right;
  return px < py ? Edge::Bottom : Edge::Right;
}

DockDrag dockDragRect(const BarRect& bar, const BarRect& full, int x, int y, int dx, int dy, ui::ScreenSize screen) {
  const int w = full.width;
  const int h = full.height;
  switch (edgeAtPercent(percentOf(x, screen.width), percentOf(y, screen.height))) {
    case Edge::Top: return {{bar.left + dx, 0, w, h}, Orientation::Horizontal};
    case Edge::Bottom: return {{bar.left + dx, screen.height - h, w, h}, Orientation::Horizontal};
    case Edge::Left: return {{0, bar.top + dy, w, h}, Orientation::Vertical};
    case Edge::Right: break;
  }
  return {{screen.width - w, bar.top + dy, w, h}, Orientation::Vertical};
}

int pixelsOf(double twips, double twipsPerPixel) {
  constexpr double kFar = 1 << 20;
  const double pixels = twips / twipsPerPixel;
  if (std::isnan(pixels)) return 0;
  return static_cast<int>(std::lround(std::clamp(pixels, -kFar, kFar)));
}

BarRect keepOnScreen(BarRect bar, ui::ScreenSize screen) {
  // From the top-left corner where the bar is longer than the screen.
  auto within = [](int position, int length, int extent) { return std::max(0, std::min(position, extent - length)); };
  bar.left = within(bar.left, bar.width, screen.width);
  bar.top = within(bar.top, bar.height, screen.height);
  return bar;
}

}  // namespace pemo::shell::launcher
