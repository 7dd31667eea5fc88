#include "runtime/page/splitter.h"

#include "runtime/page/menu_page.h"
#include "runtime/page/page_layout.h"

namespace pemo::page {

int clampSplitterLeft(int left, int verticalBarLeft) {
  if (left < kSplitterMinimumLeft) return kSplitterMinimumLeft;
  if (left > verticalBarLeft - kSplitterRoomBeforeBar) return verticalBarLeft - kSplitterRoomBeforeBar;
  return left;
}

int splitterLeftWithin(int left, int clientWidth) {
  // The vertical scroll bar stands at the window's right edge, shown or not.
  const int verticalBarLeft = clientWidth - kScrollBarSize;
  if (left > verticalBarLeft - kSplitterRoomBeforeBar) left = verticalBarLeft / 2;
  return clampSplitterLeft(left, verticalBarLeft);
}

void SplitterDrag::drawOutline(int outlineX) {
  port_.invertOutline(outlineX);
  outlineX_ = outlineX;
}

void SplitterDrag::eraseOutline() {
  if (outlineX_) port_.invertOutline(*outlineX_);
  outlineX_.reset();
}

void SplitterDrag::press(int x) {
  // A second press while a drag runs (another button) starts it again cleanly.
  eraseOutline();
  startX_ = x;
  drawOutline(port_.splitterLeft());
}

void SplitterDrag::move(int x) {
  // Moves without a press (the press went elsewhere) have no start to measure from.
  if (!dragging()) return;
  eraseOutline();
  drawOutline(port_.splitterLeft() + (x - startX_));
}

void SplitterDrag::release(int x) {
  if (!dragging()) return;
  eraseOutline();
  const int left = clampSplitterLeft(port_.splitterLeft() + (x - startX_), port_.verticalBarLeft());
  port_.setSplitterLeft(left);
  layOutAfterSplitterMove(page_, left);
}

void layOutAfterSplitterMove(MenuPage& page, int splitterLeft) {
  page.shiftForSplitter(splitterLeft);
  page.view().relayout();
  page.state().splitterLeft = splitterLeft;
}

}  // namespace pemo::page
