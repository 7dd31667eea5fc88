#pragma once
// The page's layout arithmetic: there is no page surface, so every change of the
// tree-pane offset or the scroll offset moves the objects directly on the page (objects
// in a frame move with it). The window applies the results to its widgets.
#include "runtime/page/page_objects.h"

namespace pemo::page {

// The right-most and bottom-most edges of the objects directly on the page (lines do
// not count), in window pixels.
struct PageExtent {
  long right = 0;
  long bottom = 0;
  // Raises the extent to the object's edges (halves to even) when it counts.
  void grow(const PageObject& object);
  void growRight(const PageObject& object);
};

bool countsTowardExtent(const PageObject& object);
PageExtent measureExtent(const PageObjects& objects);

// Moves every object directly on the page (both ends of a line).
void moveOnPage(PageObjects& objects, double dx, double dy);

// After the tree pane was shown or hidden: moves the page by the pane width plus the
// splitter width and measures the extent again where the objects now stand.
void shiftForTreePane(PageObjects& objects, PageExtent& extent, bool paneShown, double shift);

// After a splitter drop: moves the page by the splitter's movement since the last
// layout and measures the right extent again; the bottom stays.
void shiftForSplitter(PageObjects& objects, PageExtent& extent, double splitterLeft, int lastSplitterLeft);

// One scroll step to a scroll bar's value: moves the page by the difference to the
// offset and makes the value the offset.
void scrollPageX(PageObjects& objects, long& scrollX, int value);
void scrollPageY(PageObjects& objects, long& scrollY, int value);
// Moves the page back by an offset that a hidden scroll bar left behind.
void undoScrollX(PageObjects& objects, long scrollX);
void undoScrollY(PageObjects& objects, long scrollY);

// Fixed sizes of the window parts at 15 twips per pixel.
constexpr int kScrollBarSize = 17;
constexpr int kSplitterWidth = 4;
constexpr int kMinimumWindowSize = 200;

struct ScrollBarInput {
  int clientWidth = 0;
  int clientHeight = 0;
  int statusHeight = 0;
  bool treeShown = false;
  int splitterLeft = 0;     // also the tree width
  int splitterWidth = kSplitterWidth;
  bool verticalBarVisible = false;  // the vertical bar's visibility before this set-up
  int scrollBarSize = kScrollBarSize;
  PageExtent extent;
};

struct ScrollBarLayout {
  bool horizontalBarVisible = false;
  int horizontalBarMaximum = 0;
  int horizontalBarLeft = 0, horizontalBarTop = 0, horizontalBarWidth = 0;
  bool verticalBarVisible = false;
  int verticalBarMaximum = 0;
  int verticalBarLeft = 0, verticalBarHeight = 0;
  bool exitVisible = false;
  int exitLeft = 0, exitTop = 0;
  int topStripLeft = 0, topStripWidth = 0;
  // With the tree pane shown.
  int treeWidth = 0, treeHeight = 0, splitterHeight = 0;
};

// Ranges, visibility and places of the scroll bars, the corner button and the strip
// along the top. A hidden bar's value goes to 0 (the window scrolls the page back).
// The horizontal decision uses the vertical bar's earlier visibility, so a page that
// needs both bars settles at the next resize. Maxima are kept in the 16-bit range.
ScrollBarLayout setScrollBars(const ScrollBarInput& in);

}  // namespace pemo::page
