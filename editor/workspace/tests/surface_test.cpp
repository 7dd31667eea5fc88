// The objects' events on the editing surface: selection, moving and resizing one object,
// and the combo boxes' own road.
#include "editor/workspace/tests/surface_fixture.h"

namespace pemo::editor {
namespace {

TEST_F(SurfaceTest, PressMakesTheObjectActiveAndReloadsOnlyWithoutAMultiSelection) {
  ObjectRef label = add(ObjectKind::Label, 10, 10, 100, 40);
  ObjectRef button = add(ObjectKind::Button, 200, 10, 80, 30);
  surface.objectPressed(label, kLeftButton, 20, 20);
  EXPECT_EQ(state.activeObject, label);
  EXPECT_EQ(state.activeMenuWindow, kHandle);
  EXPECT_EQ(property.reloads, 1);
  surface.objectReleased(label, kLeftButton, 20, 20);
  EXPECT_EQ(property.reloads, 2);

  surface.selectInBand(0, 0, 150, 60);
  int afterBand = property.reloads;
  surface.objectPressed(button, kLeftButton, 20, 15);
  EXPECT_EQ(state.activeObject, button);
  surface.objectReleased(button, kLeftButton, 20, 15);
  EXPECT_EQ(property.reloads, afterBand);

  // The middle button only makes the object active.
  document.bandSelectionActive = false;
  view.shown.clear();
  surface.objectPressed(label, kMiddleButton, 20, 20);
  EXPECT_EQ(state.activeObject, label);
  EXPECT_TRUE(view.shown.empty());
  EXPECT_TRUE(view.popups.empty());
}

TEST_F(SurfaceTest, RightButtonShowsTheObjectPopupWithPasteOnlyAfterACopy) {
  ObjectRef label = add(ObjectKind::Label, 10, 10, 100, 40);
  bool showingSeen = false;
  view.duringPopup = [&] { showingSeen = surface.state().popupShowing; };
  surface.objectPressed(label, kRightButton, 20, 20);
  state.clipboardFilled = true;
  document.scriptBeingEdited = true;
  surface.objectPressed(label, kRightButton, 20, 20);
  ASSERT_EQ(view.popups.size(), 2u);
  EXPECT_FALSE(view.popups[0].paste);
  EXPECT_TRUE(view.popups[0].editScript);
  EXPECT_TRUE(view.popups[1].paste);
  EXPECT_FALSE(view.popups[1].editScript);
  EXPECT_TRUE(showingSeen);
  EXPECT_FALSE(surface.state().popupShowing);
  // The click on the surface that follows a popup does not select the menu.
  view.duringPopup = [&] { showingSeen = surface.surfaceClicked(); };
  surface.objectPressed(label, kRightButton, 20, 20);
  EXPECT_FALSE(showingSeen);
}

TEST_F(SurfaceTest, ToolTipShowsTheStoredPositionPixelsOnTheWindowTwipsInAFrame) {
  ObjectRef label = add(ObjectKind::Label, 120, 48, 100, 40);
  ObjectRef frame = add(ObjectKind::Frame, 10, 10, 200, 200);
  ObjectRef child = add(ObjectKind::Button, 187.5, 300, 600, 300, frame.index);
  surface.objectMoved(label, 0, 5, 5);
  EXPECT_EQ(view.toolTip, "X=120,Y=48");
  surface.objectMoved(child, 0, 5, 5);
  EXPECT_EQ(view.toolTip, "X=187.5,Y=300");
}

TEST_F(SurfaceTest, FourPixelsFromAnEdgeResizesFiveMoves) {
  ObjectRef label = add(ObjectKind::Label, 10, 10, 100, 40);
  surface.objectPressed(label, kLeftButton, 4, 20);
  EXPECT_EQ(surface.state().dragMode, DragMode::Resize);
  EXPECT_EQ(surface.state().dragEdge, DragEdge::Left);
  EXPECT_EQ(view.shown, (std::vector<ShownOutline>{{0, {10, 10, 110, 50}, 1}}));
  surface.objectReleased(label, kLeftButton, 4, 20);
  EXPECT_TRUE(view.shown.empty());

  surface.objectPressed(label, kLeftButton, 5, 20);
  EXPECT_EQ(surface.state().dragMode, DragMode::Move);
  EXPECT_EQ(view.pointer, PointerShape::SizeAll);
  EXPECT_EQ(view.shown, (std::vector<ShownOutline>{{0, {10, 10, 110, 50}, 2}}));
  surface.objectReleased(label, kLeftButton, 5, 20);
  // Press and release in place change nothing.
  EXPECT_EQ(at(label).left, 10);
  EXPECT_EQ(at(label).width, 100);
  EXPECT_FALSE(document.changed);
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(view.pointer, PointerShape::Default);
}

TEST_F(SurfaceTest, EdgePointerPrefersLeftAndRightAtCornersAndShowsTheMoveWhileDragging) {
  ObjectRef label = add(ObjectKind::Label, 10, 10, 100, 40);
  surface.objectMoved(label, 0, 0, 0);
  EXPECT_EQ(view.pointer, PointerShape::SizeWestEast);
  EXPECT_EQ(surface.state().dragEdge, DragEdge::Left);
  surface.objectMoved(label, 0, 100, 40);
  EXPECT_EQ(surface.state().dragEdge, DragEdge::Right);
  surface.objectMoved(label, 0, 50, 3.6);
  EXPECT_EQ(view.pointer, PointerShape::SizeNorthSouth);
  EXPECT_EQ(surface.state().dragEdge, DragEdge::Top);
  surface.objectMoved(label, 0, 50, 36);
  EXPECT_EQ(surface.state().dragEdge, DragEdge::Bottom);
  surface.objectMoved(label, 0, 50, 20);
  EXPECT_EQ(view.pointer, PointerShape::Default);
  EXPECT_EQ(surface.state().dragEdge, DragEdge::Bottom);
  surface.objectPressed(label, kLeftButton, 50, 20);
  surface.objectMoved(label, kLeftButton, 52, 20);
  EXPECT_EQ(view.pointer, PointerShape::SizeAll);
}

TEST_F(SurfaceTest, MoveFollowsThePointerAndSetsChanged) {
  ObjectRef button = add(ObjectKind::Button, 10, 10, 100, 40);
  surface.objectPressed(button, kLeftButton, 20, 20);
  surface.objectMoved(button, kLeftButton, 40, 22);
  surface.objectMoved(button, kLeftButton, 60, 25);
  EXPECT_EQ(view.shown, (std::vector<ShownOutline>{{0, {50, 15, 150, 55}, 2}}));
  EXPECT_FALSE(document.changed);
  surface.objectReleased(button, kLeftButton, 60, 25);
  EXPECT_EQ(at(button).left, 50);
  EXPECT_EQ(at(button).top, 15);
  EXPECT_EQ(at(button).width, 100);
  EXPECT_TRUE(document.changed);
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(view.changedObjects, std::vector<ObjectRef>{button});
}

TEST_F(SurfaceTest, DragsStopAtTheFarthestCoordinateAFileHolds) {
  ObjectRef label = add(ObjectKind::Label, -32600, 10, 100, 40);
  surface.objectPressed(label, kLeftButton, 50, 20);
  surface.objectReleased(label, kLeftButton, 50 - 380, 20);
  EXPECT_EQ(at(label).left, -32767);

  ObjectRef wide = add(ObjectKind::Label, 32000, 10, 700, 40);
  surface.objectPressed(wide, kLeftButton, 698, 20);
  surface.objectMoved(wide, kLeftButton, 1698, 20);
  surface.objectReleased(wide, kLeftButton, 1698, 20);
  EXPECT_EQ(at(wide).width, 1700) << "a size is kept within the rule, not the right edge";
  ObjectRef far = add(ObjectKind::Label, 32700, 100, 100, 40);
  surface.objectPressed(far, kLeftButton, 50, 20);
  surface.objectReleased(far, kLeftButton, 250, 20);
  EXPECT_EQ(at(far).left, 32767);

  // Inside a frame the same distance in twips; a band-selected group stops there too.
  ObjectRef frame = add(ObjectKind::Frame, 0, 200, 300, 200);
  ObjectRef child = add(ObjectKind::CheckBox, -32700 * 15, 300, 1500, 600, frame.index);
  surface.objectPressed(child, kLeftButton, 50, 20);
  surface.objectReleased(child, kLeftButton, -50, 20);
  EXPECT_EQ(at(child).left, -32767 * 15);
  ObjectRef low = add(ObjectKind::Button, 10, 32700, 100, 40);
  surface.selectInBand(0, 32650, 200, 32750);
  surface.objectPressed(low, kLeftButton, 50, 20);
  surface.objectReleased(low, kLeftButton, 50, 220);
  EXPECT_EQ(at(low).top, 32767);
  document.bandSelectionActive = false;
  ObjectRef combo = add(ObjectKind::ComboBox, 32700, 300, 120, 0);
  surface.comboPressed(combo, 10, 5);
  surface.comboReleased(combo, 260, 5);
  EXPECT_EQ(at(combo).left, 32767);
}

TEST_F(SurfaceTest, ALeftEdgeDraggedPastTheRightOneGivesANormalisedObject) {
  ObjectRef label = add(ObjectKind::Label, 10, 10, 100, 40);
  surface.objectPressed(label, kLeftButton, 2, 20);
  // On its way the pointer crosses the right edge's band.
  for (double x : {40, 98, 152}) surface.objectMoved(label, kLeftButton, x, 20);
  EXPECT_EQ(surface.state().dragEdge, DragEdge::Left);
  EXPECT_TRUE(document.changed);
  EXPECT_EQ(view.shown, (std::vector<ShownOutline>{{0, {160, 10, 110, 50}, 1}}));
  surface.objectReleased(label, kLeftButton, 152, 20);
  EXPECT_EQ(at(label).left, 110);
  EXPECT_EQ(at(label).width, 50);
  EXPECT_EQ(at(label).top, 10);
  EXPECT_EQ(at(label).height, 40);
}

TEST_F(SurfaceTest, ResizingInsideAFrameStaysInTheFramesTwips) {
  ObjectRef frame = add(ObjectKind::Frame, 50, 50, 300, 200);
  // 10, 20, 100 by 40 pixels.
  ObjectRef child = add(ObjectKind::CheckBox, 150, 300, 1500, 600, frame.index);
  surface.objectPressed(child, kLeftButton, 98, 20);
  EXPECT_EQ(surface.state().dragEdge, DragEdge::Right);
  surface.objectMoved(child, kLeftButton, 118, 20);
  EXPECT_EQ(view.shown, (std::vector<ShownOutline>{{frame.index, {10, 20, 130, 60}, 1}}));
  surface.objectReleased(child, kLeftButton, 118, 20);
  EXPECT_EQ(at(child).left, 150);
  EXPECT_EQ(at(child).top, 300);
  EXPECT_EQ(at(child).width, 1800);
  EXPECT_EQ(at(child).height, 600);

  // A move inside the frame goes in twips too.
  surface.objectPressed(child, kLeftButton, 50, 20);
  surface.objectReleased(child, kLeftButton, 54, 18);
  EXPECT_EQ(at(child).left, 210);
  EXPECT_EQ(at(child).top, 270);
}

TEST_F(SurfaceTest, ALockedObjectIsMadeActiveButNeverMoves) {
  ObjectRef button = add(ObjectKind::Button, 10, 10, 100, 40);
  document.locked = true;
  surface.objectPressed(button, kLeftButton, 2, 20);
  EXPECT_EQ(state.activeObject, button);
  EXPECT_EQ(property.reloads, 1);
  surface.objectMoved(button, kLeftButton, 40, 20);
  EXPECT_EQ(view.pointer, PointerShape::Default);
  surface.objectReleased(button, kLeftButton, 40, 20);
  EXPECT_EQ(at(button).left, 10);
  EXPECT_EQ(at(button).width, 100);
  EXPECT_FALSE(document.changed);
  EXPECT_TRUE(view.shown.empty());
}

TEST_F(SurfaceTest, AnObjectDeletedMidDragEndsTheDragAndItsOutline) {
  ObjectRef button = add(ObjectKind::Button, 10, 10, 100, 40);
  surface.objectPressed(button, kLeftButton, 20, 20);
  surface.objectMoved(button, kLeftButton, 30, 20);
  ASSERT_EQ(view.shown.size(), 1u);
  document.deleteObject(button);
  document.changed = false;
  surface.objectMoved(button, kLeftButton, 40, 20);
  EXPECT_TRUE(view.shown.empty());
  surface.objectReleased(button, kLeftButton, 40, 20);
  EXPECT_FALSE(document.changed);
  EXPECT_EQ(property.reloads, 1);
}

TEST_F(SurfaceTest, LeavingTheWindowEndsADragWhereItBegan) {
  ObjectRef button = add(ObjectKind::Button, 10, 10, 100, 40);
  surface.objectPressed(button, kLeftButton, 20, 20);
  surface.objectMoved(button, kLeftButton, 60, 20);
  surface.deactivated(false);
  EXPECT_TRUE(view.shown.empty());
  surface.objectReleased(button, kLeftButton, 60, 20);
  EXPECT_EQ(at(button).left, 10);
  EXPECT_FALSE(document.changed);
}

TEST_F(SurfaceTest, FocusAfterActivationIsSwallowedOnce) {
  ObjectRef radio = add(ObjectKind::Radio, 10, 10, 100, 20);
  surface.activated();
  surface.objectFocused(radio);
  EXPECT_EQ(state.activeObject, ObjectRef{});
  EXPECT_EQ(property.reloads, 0);
  surface.objectFocused(radio);
  EXPECT_EQ(state.activeObject, radio);
  EXPECT_EQ(property.reloads, 1);
}

TEST_F(SurfaceTest, AComboBoxDraggedMovesAndSetsChanged) {
  ObjectRef combo = add(ObjectKind::ComboBox, 30, 40, 120, 0);
  surface.comboPressed(combo, 10, 5);
  EXPECT_EQ(state.activeObject, combo);
  EXPECT_EQ(property.reloads, 1);
  EXPECT_EQ(view.shown, (std::vector<ShownOutline>{{0, {28, 38, 152, 64}, 2}}));
  surface.comboMoved(combo, kLeftButton, 50, 15);
  EXPECT_EQ(view.shown, (std::vector<ShownOutline>{{0, {68, 48, 192, 74}, 2}}));
  surface.comboReleased(combo, 50, 15);
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(at(combo).left, 70);
  EXPECT_EQ(at(combo).top, 50);
  EXPECT_EQ(at(combo).width, 120);
  EXPECT_TRUE(document.changed);
  EXPECT_EQ(property.reloads, 2);

  // Press and release in place leave it where it is.
  document.changed = false;
  surface.comboPressed(combo, 10, 5);
  surface.comboReleased(combo, 10, 5);
  EXPECT_EQ(at(combo).left, 70);
  EXPECT_FALSE(document.changed);

  // A right press during the drag ends it where it began.
  surface.comboPressed(combo, 10, 5);
  surface.comboMoved(combo, kLeftButton, 50, 15);
  surface.comboRightPressed(combo);
  EXPECT_TRUE(view.shown.empty());
  surface.comboReleased(combo, 50, 15);
  EXPECT_EQ(at(combo).left, 70);
}

TEST_F(SurfaceTest, AComboBoxInAFrameMovesInTwipsALockedOneStaysARightPressMakesItActive) {
  ObjectRef frame = add(ObjectKind::Frame, 50, 50, 300, 200);
  ObjectRef combo = add(ObjectKind::ComboBox, 150, 300, 1500, 0, frame.index);
  surface.comboPressed(combo, 10, 5);
  EXPECT_EQ(view.shown, (std::vector<ShownOutline>{{frame.index, {8, 18, 112, 44}, 2}}));
  surface.comboMoved(combo, kLeftButton, 14, 7);
  surface.comboReleased(combo, 14, 7);
  EXPECT_EQ(at(combo).left, 210);
  EXPECT_EQ(at(combo).top, 330);

  document.locked = true;
  document.changed = false;
  state.activeObject = {};
  surface.comboPressed(combo, 10, 5);
  EXPECT_EQ(state.activeObject, combo);
  EXPECT_TRUE(view.shown.empty());
  surface.comboMoved(combo, kLeftButton, 50, 50);
  surface.comboReleased(combo, 50, 50);
  EXPECT_EQ(at(combo).left, 210);
  EXPECT_FALSE(document.changed);

  ObjectRef label = add(ObjectKind::Label, 0, 0, 10, 10);
  state.activeObject = label;
  surface.comboRightPressed(combo);
  EXPECT_EQ(state.activeObject, combo);
  EXPECT_EQ(view.popups.size(), 1u);
}

}  // namespace
}  // namespace pemo::editor
