#pragma once
// Dragging the splitter between the tree pane and the page: an inverted outline follows
// the mouse, and on release the splitter jumps there within fixed limits and the page is
// laid out again.
#include <optional>

namespace pemo::page {

class MenuPage;

// The splitter's narrowest left edge (the tree pane's width).
constexpr int kSplitterMinimumLeft = 100;
// The room kept between the splitter and the vertical scroll bar's left edge.
constexpr int kSplitterRoomBeforeBar = 8;
// Beyond any screen: a stored position further right than this is a damaged setting.
constexpr int kSplitterFarthestLeft = 16384;

// The left edge a drop may give the splitter: at least 100, and at most 8 pixels before
// the vertical scroll bar's left edge (which stays at its place when the bar is hidden).
int clampSplitterLeft(int left, int verticalBarLeft);

// A splitter put into a window `clientWidth` pixels wide (a stored position). Within the
// limits of a drop it stays; beyond them no drag in this window can have put it (a
// damaged setting), and it goes to the window's middle, so that the page shows beside
// the tree.
int splitterLeftWithin(int left, int clientWidth);

// What the drag needs of the window.
class SplitterPort {
 public:
  virtual ~SplitterPort() = default;
  virtual int splitterLeft() const = 0;
  virtual void setSplitterLeft(int left) = 0;
  // The vertical scroll bar's left edge, shown or not.
  virtual int verticalBarLeft() const = 0;
  // Inverts the splitter's outline placed with its left edge at x; inverting the same
  // outline again erases it.
  virtual void invertOutline(int x) = 0;
};

class SplitterDrag {
 public:
  SplitterDrag(MenuPage& page, SplitterPort& port) : page_(page), port_(port) {}

  // Mouse x in pixels from the splitter's left edge, as the splitter's events give it.
  void press(int x);
  void move(int x);
  void release(int x);
  bool dragging() const { return outlineX_.has_value(); }

 private:
  void drawOutline(int outlineX);
  void eraseOutline();

  MenuPage& page_;
  SplitterPort& port_;
  int startX_ = 0;
  std::optional<int> outlineX_;  // the outline now drawn
};

// After the splitter was put at a new left edge: the page follows it, the window is laid
// out again, and the edge becomes the one the next movement is measured from.
void layOutAfterSplitterMove(MenuPage& page, int splitterLeft);

}  // namespace pemo::page
