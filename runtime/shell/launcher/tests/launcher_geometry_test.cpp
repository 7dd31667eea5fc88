#include "runtime/shell/launcher/launcher_geometry.h"

#include <gtest/gtest.h>

namespace pemo::shell::launcher {
namespace {

constexpr ui::ScreenSize kScreen{1000, 800};

TEST(LauncherGeometry, BarSizesAndButtonPlaces) {
  // Only the Explorer button: the next free index is 2.
  EXPECT_EQ(barLength(2, kLargeButton), 54);
  EXPECT_EQ(barThickness(kLargeButton), 54);
  EXPECT_EQ(barLength(2, kSmallButton), 30);
  EXPECT_EQ(barThickness(kSmallButton), 30);
  // Three entries: 175.5 goes to the even neighbour.
  EXPECT_EQ(barLength(5, kLargeButton), 176);

  EXPECT_EQ(buttonOffset(1, kLargeButton), 4);
  EXPECT_EQ(buttonOffset(2, kLargeButton), 45);
  EXPECT_EQ(buttonOffset(3, kLargeButton), 86);
  EXPECT_EQ(buttonOffset(1, kSmallButton), 2);
  EXPECT_EQ(buttonOffset(2, kSmallButton), 25);
  EXPECT_EQ(buttonOffset(3, kSmallButton), 48);
  EXPECT_EQ(buttonRect(2, kLargeButton, Orientation::Horizontal), (BarRect{45, 4, 36, 36}));
  EXPECT_EQ(buttonRect(2, kLargeButton, Orientation::Vertical), (BarRect{4, 45, 36, 36}));
  EXPECT_EQ(sizedBar({5, 6, 0, 0}, Orientation::Vertical, 176, 54), (BarRect{5, 6, 54, 176}));
}

TEST(LauncherGeometry, FlushKeepsADockedBarOnItsEdge) {
  // A collapsed vertical strip at the right edge expands leftwards.
  BarRect strip{990, 100, 54, 176};
  EXPECT_EQ(flush(strip, Orientation::Vertical, kScreen), (BarRect{946, 100, 54, 176}));
  EXPECT_EQ(flush({0, 100, 54, 176}, Orientation::Vertical, kScreen).left, 0);
  EXPECT_EQ(flush({300, 790, 176, 54}, Orientation::Horizontal, kScreen), (BarRect{300, 746, 176, 54}));
  EXPECT_EQ(flush({300, 0, 176, 54}, Orientation::Horizontal, kScreen).top, 0);
}

TEST(LauncherGeometry, DockingPutsAStripOnTheNearerEdge) {
  EXPECT_EQ(dockedStrip({300, 500, 176, 54}, Orientation::Horizontal, kScreen), (BarRect{300, 790, 176, 10}));
  EXPECT_EQ(dockedStrip({300, 400, 176, 54}, Orientation::Horizontal, kScreen), (BarRect{300, 0, 176, 10}));
  EXPECT_EQ(dockedStrip({600, 300, 54, 176}, Orientation::Vertical, kScreen), (BarRect{990, 300, 10, 176}));
  EXPECT_EQ(dockedStrip({500, 300, 54, 176}, Orientation::Vertical, kScreen), (BarRect{0, 300, 10, 176}));
}

TEST(LauncherGeometry, DragOfADockedBarLandsOnTheNearestEdge) {
  EXPECT_EQ(edgeAtPercent(30, 10), Edge::Top);
  EXPECT_EQ(edgeAtPercent(10, 30), Edge::Left);
  EXPECT_EQ(edgeAtPercent(20, 20), Edge::Left);
  EXPECT_EQ(edgeAtPercent(70, 30), Edge::Right);
  EXPECT_EQ(edgeAtPercent(40, 70), Edge::Bottom);
  EXPECT_EQ(edgeAtPercent(20, 60), Edge::Left);
  EXPECT_EQ(edgeAtPercent(60, 30), Edge::Top);
  EXPECT_EQ(edgeAtPercent(60, 70), Edge::Bottom);
  EXPECT_EQ(edgeAtPercent(70, 70), Edge::Right);

  const BarRect bar{200, 0, 176, 10};
  const BarRect full{200, 0, 176, 54};
  // 30 % / 10 %: the top, moved along by the displacement.
  DockDrag top = dockDragRect(bar, full, 300, 80, 25, 70, kScreen);
  EXPECT_EQ(top.orientation, Orientation::Horizontal);
  EXPECT_EQ(top.ghost, (BarRect{225, 0, 176, 54}));
  // 10 % / 30 %: the left edge, still in the old shape until the next move.
  DockDrag left = dockDragRect(bar, full, 100, 240, -100, 240, kScreen);
  EXPECT_EQ(left.orientation, Orientation::Vertical);
  EXPECT_EQ(left.ghost, (BarRect{0, 240, 176, 54}));
  DockDrag right = dockDragRect(bar, {200, 0, 54, 176}, 700, 240, 500, 240, kScreen);
  EXPECT_EQ(right.ghost, (BarRect{946, 240, 54, 176}));
  DockDrag bottom = dockDragRect(bar, full, 400, 700, 0, 700, kScreen);
  EXPECT_EQ(bottom.ghost, (BarRect{200, 746, 176, 54}));
}

TEST(LauncherGeometry, AStoredPlaceBeyondTheScreenComesBack) {
  EXPECT_EQ(keepOnScreen({1900, 1200, 176, 54}, kScreen), (BarRect{824, 746, 176, 54}));
  EXPECT_EQ(keepOnScreen({-40, -5, 54, 54}, kScreen), (BarRect{0, 0, 54, 54}));
  EXPECT_EQ(keepOnScreen({10, 20, 54, 54}, kScreen), (BarRect{10, 20, 54, 54}));
}

}  // namespace
}  // namespace pemo::shell::launcher
