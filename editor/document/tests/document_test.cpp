#include <gtest/gtest.h>

#include "editor/document/menu_document.h"

namespace pemo::editor {
namespace {

TEST(MenuDocument, ControlArraysKeepHolesAndReuseTheFirstFreeIndex) {
  MenuDocument document;
  ControlArray& labels = document.objects(ObjectKind::Label);
  EXPECT_EQ(labels.upperBound(), 0);
  EXPECT_EQ(labels.firstFreeIndex(), 1);
  for (int i = 0; i < 4; ++i) document.addObject(ObjectKind::Label);
  document.deleteObject({ObjectKind::Label, 2});
  EXPECT_EQ(labels.upperBound(), 4);
  EXPECT_EQ(labels.count(), 3);
  EXPECT_FALSE(labels.isLoaded(2));
  EXPECT_FALSE(labels.isLoaded(0));  // the template is no menu object
  EXPECT_EQ(document.addObject(ObjectKind::Label).index, 2);
  document.deleteObject({ObjectKind::Label, 4});
  EXPECT_EQ(labels.upperBound(), 3);
  EXPECT_EQ(labels.at(1).onCursorColor, "FF0000");
  EXPECT_TRUE(labels.at(1).visible);
  EXPECT_TRUE(document.changed);
  EXPECT_EQ(document.stacking().back(), (ObjectRef{ObjectKind::Label, 2}));
}

TEST(MenuDocument, FramesAreNumberedAsWrittenAndTakeTheirContentsAlong) {
  MenuDocument document;
  ObjectRef first = document.addObject(ObjectKind::Frame);
  ObjectRef second = document.addObject(ObjectKind::Frame);
  ObjectRef third = document.addObject(ObjectKind::Frame);
  ObjectRef inside = document.addObject(ObjectKind::Button, first.index);
  ObjectRef inThird = document.addObject(ObjectKind::CheckBox, third.index);
  ObjectRef frameInFrame = document.addObject(ObjectKind::Frame, second.index);
  EXPECT_EQ(document.find(inside)->frame, 1);
  EXPECT_EQ(document.find(frameInFrame)->frame, 0);  // frames lie on the page
  document.deleteObject(first);
  EXPECT_FALSE(document.find(inside));
  EXPECT_EQ(document.frameFileNumber(third.index), 2);
  EXPECT_EQ(document.frameFileNumber(first.index), 0);
  EXPECT_EQ(document.frameIndexOfFileNumber(2), third.index);
  EXPECT_EQ(document.frameIndexOfFileNumber(5), 0);
  EXPECT_EQ(document.find(inThird)->frame, third.index);
}

}  // namespace
}  // namespace pemo::editor
