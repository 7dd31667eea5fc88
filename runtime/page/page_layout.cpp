#include "runtime/page/page_layout.h"

#include <algorithm>
#include <cstdint>

#include "platform/text/numbers.h"

namespace pemo::page {
namespace {

long nearest(double v) { return static_cast<long>(text::RoundHalfEven(v)); }

int toScrollMaximum(double v) {
  return static_cast<int>(std::clamp<double>(text::RoundHalfEven(v), INT16_MIN, INT16_MAX));
}

void moveObject(PageObject& o, double dx, double dy) {
  if (o.kind == ObjectKind::Line) {
    o.x1 += dx, o.x2 += dx, o.y1 += dy, o.y2 += dy;
  } else {
    o.left += dx, o.top += dy;
  }
}

}  // namespace

bool countsTowardExtent(const PageObject& o) { return o.kind != ObjectKind::Line && o.onPage(); }

void PageExtent::growRight(const PageObject& o) {
  if (countsTowardExtent(o) && right < o.left + o.width) right = nearest(o.left + o.width);
}

void PageExtent::grow(const PageObject& o) {
  growRight(o);
  if (countsTowardExtent(o) && bottom < o.top + o.height) bottom = nearest(o.top + o.height);
}

PageExtent measureExtent(const PageObjects& objects) {
  PageExtent e;
  objects.forEach([&](const PageObject& o) { e.grow(o); });
  return e;
}

void moveOnPage(PageObjects& objects, double dx, double dy) {
  objects.forEach([&](PageObject& o) {
    if (o.onPage()) moveObject(o, dx, dy);
  });
}

void shiftForTreePane(PageObjects& objects, PageExtent& extent, bool paneShown, double shift) {
  moveOnPage(objects, paneShown ? shift : -shift, 0);
  extent = measureExtent(objects);
}

void shiftForSplitter(PageObjects& objects, PageExtent& extent, double splitterLeft, int lastSplitterLeft) {
  double movement = text::RoundHalfEven(splitterLeft - lastSplitterLeft);
  moveOnPage(objects, movement, 0);
  extent.right = 0;
  objects.forEach([&](const PageObject& o) { extent.growRight(o); });
}

void scrollPageX(PageObjects& objects, long& scrollX, int value) {
  moveOnPage(objects, -(static_cast<double>(value) - scrollX), 0);
  scrollX = value;
}

void scrollPageY(PageObjects& objects, long& scrollY, int value) {
  moveOnPage(objects, 0, -(static_cast<double>(value) - scrollY));
  scrollY = value;
}

void undoScrollX(PageObjects& objects, long scrollX) { moveOnPage(objects, scrollX, 0); }
void undoScrollY(PageObjects& objects, long scrollY) { moveOnPage(objects, 0, scrollY); }

ScrollBarLayout setScrollBars(const ScrollBarInput& in) {
  ScrollBarLayout out;
  const int W = in.clientWidth, H = in.clientHeight, S = in.statusHeight, bar = in.scrollBarSize;
  const int paneWidth = in.treeShown ? in.splitterLeft + in.splitterWidth : 0;
  if (in.treeShown) {
    out.splitterHeight = H - S + 16;
    out.treeWidth = in.splitterLeft;
    out.treeHeight = H - S;
  }
  // The extents already carry the pane offset, so they are compared with the whole width.
  const double room = in.verticalBarVisible ? W - bar : W;
  out.horizontalBarVisible = in.extent.right > room;
  if (out.horizontalBarVisible) out.horizontalBarMaximum = toScrollMaximum(in.extent.right - room + 16.0);

  const double height = out.horizontalBarVisible ? H - S - bar : H - S;
  out.verticalBarVisible = in.extent.bottom > height;
  if (out.verticalBarVisible)
    out.verticalBarMaximum = toScrollMaximum(S + (static_cast<double>(in.extent.bottom) - H) + (out.horizontalBarVisible ? bar : 0) + 16);

  out.horizontalBarLeft = paneWidth;
  out.horizontalBarTop = H - S - bar;
  out.horizontalBarWidth = (out.verticalBarVisible ? W - bar : W) - paneWidth;
  out.verticalBarLeft = W - bar;
  out.verticalBarHeight = out.horizontalBarVisible ? H - S - bar : H - S;
  out.exitVisible = out.horizontalBarVisible && out.verticalBarVisible;
  out.exitLeft = out.verticalBarLeft;
  out.exitTop = out.horizontalBarTop;
  out.topStripLeft = in.treeShown ? in.splitterLeft : 0;
  out.topStripWidth = in.treeShown ? W - in.splitterLeft : W;
  return out;
}

}  // namespace pemo::page
