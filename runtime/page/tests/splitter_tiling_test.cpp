#include <gtest/gtest.h>

#include "platform/ui/tiling.h"
#include "runtime/page/menu_page.h"
#include "runtime/page/splitter.h"
#include "runtime/page/tests/page_fakes.h"

using namespace pemo::page;
using namespace pemo::page::testing;
using namespace pemo::ui;

namespace {

// The tiling as a loop of single tiles, the way it is described for painting.
std::vector<TilePosition> paintTileByTile(int w, int h, int screenW, int screenH) {
  std::vector<TilePosition> tiles;
  bool lastRow = false;
  for (int c = 0, r = 0;;) {
    const TilePosition painted{w * c, h * r};
    tiles.push_back(painted);
    if (w * c + w > screenW) {
      if (lastRow) break;
      ++r, c = 0;
    } else {
      ++c;
    }
    if (painted.y + h > screenH) lastRow = true;
  }
  return tiles;
}

struct SplitterWindow : SplitterPort {
  int left = 200;
  int barLeft = 583;  // a 600-pixel client area
  std::vector<int> outlines;
  int splitterLeft() const override { return left; }
  void setSplitterLeft(int l) override { left = l; }
  int verticalBarLeft() const override { return barLeft; }
  void invertOutline(int x) override { outlines.push_back(x); }
};

struct Splitter {
  RuntimeState runtime;
  FakeView view;
  FakeScript script;
  MenuPage page{runtime, view, script};
  SplitterWindow window;
  SplitterDrag drag{page, window};
  Splitter() { page.state().splitterLeft = 200; }
};

}  // namespace

TEST(Tiling, RowsAndColumnsCoverTheScreen) {
  TileGrid grid = tileGrid(100, 100, 1024, 768);
  EXPECT_EQ(grid.columns, 11);
  EXPECT_EQ(grid.rows, 8);
  std::vector<TilePosition> tiles = tilePositions(grid);
  ASSERT_EQ(tiles.size(), 88u);
  EXPECT_EQ(tiles[10], (TilePosition{1000, 0}));
  EXPECT_EQ(tiles.back(), (TilePosition{1000, 700}));

  // A tile wider than the screen: the row that crosses the height is followed by one more.
  std::vector<TilePosition> wide = tilePositions(tileGrid(1280, 400, 1024, 768));
  EXPECT_EQ(wide, (std::vector<TilePosition>{{0, 0}, {0, 400}, {0, 800}}));

  // The grid is the tile-by-tile painting, whatever the sizes.
  for (int w : {1, 7, 100, 512, 1023, 1024, 1025, 3000})
    for (int h : {1, 9, 384, 767, 768, 769, 2000})
      EXPECT_EQ(tilePositions(tileGrid(w, h, 1024, 768)), paintTileByTile(w, h, 1024, 768)) << w << "x" << h;

  // A picture of no width or height is skipped instead of tiling for ever; a one-pixel
  // picture is counted beyond the 16-bit range.
  EXPECT_TRUE(tileGrid(0, 100, 1024, 768).empty());
  EXPECT_TRUE(tileGrid(100, 0, 1024, 768).empty());
  EXPECT_EQ(tileGrid(1, 1, 1024, 768).count(), 1025 * 769);
}

TEST(Splitter, DropIsClampedBetweenTheMinimumAndTheScrollBar) {
  EXPECT_EQ(clampSplitterLeft(60, 583), 100);
  EXPECT_EQ(clampSplitterLeft(590, 583), 575);
  EXPECT_EQ(clampSplitterLeft(575, 583), 575);
  EXPECT_EQ(clampSplitterLeft(100, 583), 100);
  EXPECT_EQ(clampSplitterLeft(300, 583), 300);
  // A stored place in a 600-pixel window, whose scroll bar takes the right 17 pixels: one
  // a drop could give stays, one beyond splits the window between tree and page.
  EXPECT_EQ(splitterLeftWithin(575, 600), 575);
  EXPECT_EQ(splitterLeftWithin(420, 600), 420);
  EXPECT_EQ(splitterLeftWithin(-5, 600), 100);
  EXPECT_EQ(splitterLeftWithin(576, 600), 291);
  EXPECT_EQ(splitterLeftWithin(99999, 600), 291);
  EXPECT_EQ(splitterLeftWithin(99999, 230), 106);
  EXPECT_EQ(splitterLeftWithin(99999, 200), 100) << "never narrower than the narrowest tree";

  Splitter s;
  s.drag.press(2);
  s.drag.move(-200);  // the outline follows the mouse without limits
  s.drag.release(-138);
  EXPECT_EQ(s.window.left, 100);
  EXPECT_EQ(s.window.outlines, (std::vector<int>{200, 200, -2, -2}));
  s.drag.press(0);
  s.drag.release(490);
  EXPECT_EQ(s.window.left, 575);
  EXPECT_EQ(s.page.state().splitterLeft, 575);
}

TEST(Splitter, DropMovesThePageAndLaysItOut) {
  Splitter s;
  s.page.objects().load(ObjectKind::Button, 1);
  s.page.objects().load(ObjectKind::Button, 2);
  PageObject& onPage = *s.page.objects().find(ObjectKind::Button, 1);
  PageObject& inFrame = *s.page.objects().find(ObjectKind::Button, 2);
  onPage.left = 250;
  onPage.width = 40;
  inFrame.left = 10;
  inFrame.parentFrame = 1;

  // Press and release at the same spot: the outline is erased, nothing moves, the
  // layout still runs.
  s.drag.press(2);
  s.drag.release(2);
  EXPECT_EQ(s.window.outlines, (std::vector<int>{200, 200}));
  EXPECT_EQ(onPage.left, 250);
  EXPECT_EQ(s.view.relayouts, 1);

  // 50 pixels to the right: the page follows, the tree pane widens.
  s.drag.press(1);
  s.drag.move(30);
  s.drag.move(51);
  s.drag.release(51);
  EXPECT_EQ(s.window.left, 250);
  EXPECT_EQ(onPage.left, 300);
  EXPECT_EQ(inFrame.left, 10);
  EXPECT_EQ(s.page.state().extent.right, 340);
  EXPECT_EQ(s.page.state().splitterLeft, 250);
  EXPECT_EQ(s.view.relayouts, 2);

  // Moves and releases without a press on the splitter do nothing.
  s.window.outlines.clear();
  s.drag.move(80);
  s.drag.release(80);
  EXPECT_TRUE(s.window.outlines.empty());
  EXPECT_EQ(s.window.left, 250);
}
