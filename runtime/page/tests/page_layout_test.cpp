#include <gtest/gtest.h>

#include "runtime/page/page_layout.h"

using namespace pemo::page;

namespace {
PageObject& place(PageObjects& objects, ObjectKind kind, int index, double left, double top, double width,
                  double height, int parent = 0) {
  PageObject& o = objects.load(kind, index);
  o.left = left, o.top = top, o.width = width, o.height = height, o.parentFrame = parent;
  return o;
}
}  // namespace

TEST(PageLayout, ExtentCountsObjectsOnThePageOnly) {
  PageObjects objects;
  EXPECT_EQ(measureExtent(objects).right, 0);
  EXPECT_EQ(measureExtent(objects).bottom, 0);
  place(objects, ObjectKind::Button, 1, 100, 10, 50, 20);
  place(objects, ObjectKind::Label, 1, 80, 5, 500, 10);
  auto& line = objects.load(ObjectKind::Line, 1);
  line.x1 = 0, line.x2 = 2000, line.y2 = 900;
  place(objects, ObjectKind::Label, 2, 3000, 3000, 10, 10, /*in frame*/ 1);
  PageExtent e = measureExtent(objects);
  EXPECT_EQ(e.right, 580);
  EXPECT_EQ(e.bottom, 30);
  // Halves go to the even neighbour.
  place(objects, ObjectKind::Image, 1, 580, 0, 0.5, 30.5);
  e = measureExtent(objects);
  EXPECT_EQ(e.right, 580);
  EXPECT_EQ(e.bottom, 30);
}

TEST(PageLayout, TreePaneShiftMovesPageObjectsAndMeasuresWhereTheyStand) {
  PageObjects objects;
  auto& onPage = place(objects, ObjectKind::Label, 1, 300, 10, 100, 10);
  auto& inFrame = place(objects, ObjectKind::Button, 1, 10, 10, 50, 20, 1);
  auto& frame = place(objects, ObjectKind::Frame, 1, 250, 50, 200, 100);
  auto& line = objects.load(ObjectKind::Line, 1);
  line.x1 = 210, line.x2 = 400;
  long scrollX = 0;
  scrollPageX(objects, scrollX, 30);  // scrolled right by 30
  PageExtent extent;
  shiftForTreePane(objects, extent, /*shown*/ false, 204);
  EXPECT_EQ(onPage.left, 300 - 30 - 204);
  EXPECT_EQ(frame.left, 250 - 30 - 204);
  EXPECT_EQ(line.x1, 210 - 30 - 204);
  EXPECT_EQ(line.x2, 400 - 30 - 204);
  EXPECT_EQ(inFrame.left, 10) << "objects in a frame move with the frame only";
  EXPECT_EQ(scrollX, 30);
  EXPECT_EQ(extent.right, 450 - 30 - 204);
  EXPECT_EQ(extent.bottom, 150);

  shiftForSplitter(objects, extent, 250, 200);
  EXPECT_EQ(onPage.left, 300 - 30 - 204 + 50);
  EXPECT_EQ(extent.right, 450 - 30 - 204 + 50);
  EXPECT_EQ(extent.bottom, 150);
}

TEST(PageLayout, ThumbTrackStepsMoveOnceAndUndoRestores) {
  PageObjects objects;
  auto& label = place(objects, ObjectKind::Label, 1, 300, 100, 10, 10);
  long scrollX = 0, scrollY = 0;
  for (int value : {10, 25, 40}) scrollPageX(objects, scrollX, value);
  EXPECT_EQ(label.left, 260);
  scrollPageX(objects, scrollX, 40);  // the change event after the drag
  EXPECT_EQ(label.left, 260);
  scrollPageY(objects, scrollY, 15);
  EXPECT_EQ(label.top, 85);
  undoScrollX(objects, scrollX);
  undoScrollY(objects, scrollY);
  EXPECT_EQ(label.left, 300);
  EXPECT_EQ(label.top, 100);
}

TEST(PageLayout, ScrollBarsAppearWhenThePageDoesNotFit) {
  ScrollBarInput in;
  in.clientWidth = 400, in.clientHeight = 300, in.statusHeight = 20;
  auto empty = setScrollBars(in);
  EXPECT_FALSE(empty.horizontalBarVisible);
  EXPECT_FALSE(empty.verticalBarVisible);
  EXPECT_FALSE(empty.exitVisible);
  EXPECT_EQ(empty.verticalBarHeight, 280);
  EXPECT_EQ(empty.horizontalBarWidth, 400);

  // Just wide enough without the vertical bar: the horizontal bar comes one resize later.
  in.extent = {395, 500};
  auto first = setScrollBars(in);
  EXPECT_FALSE(first.horizontalBarVisible);
  EXPECT_TRUE(first.verticalBarVisible);
  EXPECT_EQ(first.verticalBarMaximum, 20 + 500 - 300 + 16);
  in.verticalBarVisible = first.verticalBarVisible;
  auto second = setScrollBars(in);
  EXPECT_TRUE(second.horizontalBarVisible);
  EXPECT_EQ(second.horizontalBarMaximum, 395 - 400 + 17 + 16);
  EXPECT_EQ(second.verticalBarMaximum, 20 + (500 - 300) + 17 + 16);
  EXPECT_TRUE(second.exitVisible);
  EXPECT_EQ(second.horizontalBarTop, 300 - 20 - 17);
  EXPECT_EQ(second.horizontalBarWidth, 400 - 17);
  EXPECT_EQ(second.verticalBarLeft, 383);
  EXPECT_EQ(second.verticalBarHeight, 300 - 20 - 17);

  // With the tree pane the bars start right of it; the extents carry the pane offset.
  in.treeShown = true, in.splitterLeft = 200;
  auto tree = setScrollBars(in);
  EXPECT_EQ(tree.horizontalBarLeft, 204);
  EXPECT_EQ(tree.horizontalBarWidth, 400 - 17 - 204);
  EXPECT_EQ(tree.treeWidth, 200);
  EXPECT_EQ(tree.treeHeight, 280);
  EXPECT_EQ(tree.splitterHeight, 296);
  EXPECT_EQ(tree.topStripLeft, 200);
  EXPECT_EQ(tree.topStripWidth, 200);

  in.extent = {100000, 10};
  EXPECT_EQ(setScrollBars(in).horizontalBarMaximum, 32767) << "maxima stay within the 16-bit range";
}
