// Band selection, its marks and tables, the group drag and the ends of a multi-selection.
#include "editor/workspace/tests/surface_fixture.h"

namespace pemo::editor {
namespace {

class BandTest : public SurfaceTest {
 protected:
  BandTest() {
    label = add(ObjectKind::Label, 10, 10, 100, 40);
    button = add(ObjectKind::Button, 120, 10, 80, 30);
    frame = add(ObjectKind::Frame, 10, 100, 200, 100);
    child = add(ObjectKind::Radio, 150, 300, 600, 300, frame.index);
    combo = add(ObjectKind::ComboBox, 10, 60, 80, 20);
  }
  std::vector<ShownOutline> marksAround(std::vector<ObjectRef> objects) {
    std::vector<ShownOutline> marks;
    for (ObjectRef ref : objects) {
      const MenuObject& o = at(ref);
      marks.push_back({0, {o.left - 2, o.top - 2, o.left + o.width + 2, o.top + o.height + 2}, 2});
    }
    return marks;
  }
  ObjectRef label, button, frame, child, combo;
};

TEST_F(BandTest, ABandSelectsWhatLiesWhollyInsideItFromEitherCorner) {
  surface.selectInBand(210, 200, 10, 10);
  std::vector<ObjectRef> selected{label, button, frame};
  EXPECT_TRUE(document.bandSelectionActive);
  EXPECT_EQ(surface.state().selectedObjects, selected);
  EXPECT_EQ(state.multiSelection, selected);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Multiple, -67}));
  EXPECT_EQ(view.shown, marksAround(selected));
  EXPECT_EQ(property.reloads, 1);
  EXPECT_FALSE(view.addCommands);
  EXPECT_EQ(surface.selectedObjectsCell(-1, 0), 2);
  EXPECT_EQ(surface.selectedObjectsCell(0, 2), 8);
  EXPECT_EQ(surface.selectedObjectsCell(1, 1), button.index);
  EXPECT_EQ(surface.selectedRectsCell(-1, 0), 2);
  EXPECT_EQ(surface.selectedRectsCell(2, 0), 112);
  EXPECT_EQ(surface.selectedRectsCell(3, 2), 202);
  EXPECT_EQ(surface.selectedRectsCell(4, 0), 0);

  view.shown.clear();
  surface.selectInBand(10, 10, 210, 200);
  EXPECT_EQ(surface.state().selectedObjects, selected);

  // One pixel short on the right leaves the frame out; the label touching the edge stays.
  surface.selectInBand(10, 10, 209, 200);
  EXPECT_EQ(surface.state().selectedObjects, (std::vector<ObjectRef>{label, button}));
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Multiple, -3}));
}

TEST_F(BandTest, KindMasksOfLabelsWithFramesAndOfButtonsWithPictureButtons) {
  document.find(button)->left = 300;
  surface.selectInBand(0, 0, 215, 300);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Multiple, -65}));
  ObjectRef picture = add(ObjectKind::PictureButton, 400, 10, 50, 50);
  surface.selectInBand(250, 0, 500, 90);
  EXPECT_EQ(surface.state().selectedObjects, (std::vector<ObjectRef>{button, picture}));
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Multiple, -6}));
}

TEST_F(BandTest, AnEmptyBandSelectsNothingAndTellsNoOne) {
  surface.selectInBand(300, 300, 400, 400);
  EXPECT_FALSE(document.bandSelectionActive);
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(property.reloads, 0);
  EXPECT_TRUE(view.addCommands);
  EXPECT_EQ(surface.selectedObjectsCell(-1, 0), -1);
  EXPECT_EQ(surface.selectedObjectsCell(0, 0), 0);
}

TEST_F(BandTest, AGroupMoveKeepsOffsetsAndMarksAndMovesNotAnUnselectedPressedObject) {
  surface.selectInBand(0, 0, 205, 55);
  surface.objectPressed(frame, kLeftButton, 50, 50);
  EXPECT_EQ(state.activeObject, frame);
  surface.objectMoved(frame, kLeftButton, 60, 45);
  EXPECT_EQ(view.shown, (std::vector<ShownOutline>{{0, {18, 3, 122, 47}, 2}, {0, {128, 3, 212, 37}, 2}}));
  EXPECT_FALSE(document.changed);
  surface.objectReleased(frame, kLeftButton, 70, 40);
  EXPECT_EQ(at(label).left, 30);
  EXPECT_EQ(at(label).top, 0);
  EXPECT_EQ(at(button).left, 140);
  EXPECT_EQ(at(button).top, 0);
  EXPECT_EQ(at(frame).left, 10);
  EXPECT_TRUE(document.changed);
  EXPECT_TRUE(document.bandSelectionActive);
  EXPECT_EQ(view.shown, marksAround({label, button}));
  EXPECT_EQ(surface.selectedRectsCell(0, 1), 138);
  // The release in a multi-selection does not reload the property window.
  EXPECT_EQ(property.reloads, 1);

  // A press and release in place change nothing.
  document.changed = false;
  surface.objectPressed(label, kLeftButton, 50, 20);
  surface.objectReleased(label, kLeftButton, 50, 20);
  EXPECT_EQ(at(label).left, 30);
  EXPECT_FALSE(document.changed);
  EXPECT_EQ(view.shown, marksAround({label, button}));
}

TEST_F(BandTest, AnObjectDeletedDuringAGroupDragLeavesTheOthersMarkedWhereTheyAre) {
  surface.selectInBand(0, 0, 205, 55);
  surface.objectPressed(label, kLeftButton, 50, 20);
  surface.objectMoved(label, kLeftButton, 60, 20);
  document.deleteObject(button);
  document.changed = false;
  surface.objectMoved(label, kLeftButton, 70, 20);
  surface.objectReleased(label, kLeftButton, 70, 20);
  EXPECT_EQ(at(label).left, 10);
  EXPECT_FALSE(document.changed);
  EXPECT_EQ(surface.state().selectedObjects, std::vector<ObjectRef>{label});
  EXPECT_EQ(state.multiSelection, std::vector<ObjectRef>{label});
  EXPECT_EQ(view.shown, marksAround({label}));
}

TEST_F(BandTest, TheSelectionEndsOnASurfacePressAnotherMenuWindowOrSelCancel) {
  surface.selectInBand(0, 0, 205, 55);
  surface.deactivated(false);
  EXPECT_TRUE(document.bandSelectionActive);
  EXPECT_FALSE(surface.surfaceClicked());

  surface.surfacePressed();
  EXPECT_FALSE(document.bandSelectionActive);
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(surface.selectedRectsCell(-1, 0), -1);
  EXPECT_TRUE(surface.surfaceClicked());
  EXPECT_EQ(surface.selectedObjectsCell(-1, 0), -1);

  surface.selectInBand(0, 0, 205, 55);
  surface.deactivated(true);
  EXPECT_FALSE(document.bandSelectionActive);
  EXPECT_TRUE(state.multiSelection.empty());
  EXPECT_TRUE(view.shown.empty());

  surface.selectInBand(0, 0, 205, 55);
  surface.cancelBandSelection();
  EXPECT_FALSE(document.bandSelectionActive);
  EXPECT_TRUE(view.shown.empty());
  // Copy and cut read the entries before they cancel; the cancel keeps them.
  EXPECT_EQ(surface.selectedObjectsCell(-1, 0), 1);
}

TEST_F(BandTest, MarksFollowGeometryChangedElsewhereAndAClearedSelectionLeavesNothing) {
  surface.selectInBand(0, 0, 205, 55);
  document.find(label)->left = 40;
  document.find(button)->width = 60;
  surface.refreshSelectionMarks();
  EXPECT_EQ(view.shown, marksAround({label, button}));
  EXPECT_EQ(surface.selectedRectsCell(0, 0), 38);

  surface.clearSelection();
  EXPECT_FALSE(document.bandSelectionActive);
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(surface.selectedObjectsCell(-1, 0), -1);
  EXPECT_TRUE(state.multiSelection.empty());
}

}  // namespace
}  // namespace pemo::editor
