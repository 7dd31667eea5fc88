// Adding, deleting, copying, cutting and pasting objects on plain documents, with fake
// windows that record what they were told.
#include <map>

#include "editor/document/menu_reader.h"
#include "editor/document/menu_writer.h"
#include "editor/workspace/object_clipboard.h"
#include "editor/workspace/object_commands.h"
#include "editor/workspace/tests/surface_fixture.h"
#include "editor/workspace/tests/workspace_fixture.h"
#include "platform/testing/temp_dir.h"

namespace pemo::editor {
namespace {

class RecordingMenuView : public MenuViewPort {
 public:
  void objectAdded(ObjectRef object) override { added.push_back(object); }
  void objectChanged(ObjectRef) override {}
  void objectRemoved(ObjectRef object) override { removed.push_back(object); }
  void menuAttributesChanged() override {}
  std::vector<ObjectRef> added, removed;
};

// One menu window: its document, its editing surface and what it was told.
struct TestWindow {
  TestWindow(EditorState& state, std::uint32_t handle) : handle(handle), surface(state, document, handle, surfaceView) {}
  std::uint32_t handle;
  MenuDocument document;
  FakeSurfaceView surfaceView;
  RecordingMenuView view;
  EditingSurface surface;
};

class FakeObjectWindows : public ObjectWindowsPort {
 public:
  MenuViewPort* viewOf(MenuDocument& document) override { return &find(document)->view; }
  EditingSurface* surfaceOf(MenuDocument& document) override { return &find(document)->surface; }
  TestWindow* find(const MenuDocument& document) { return windows.at(&document); }
  std::map<const MenuDocument*, TestWindow*> windows;
};

class ObjectCommandsTest : public ::testing::Test {
 protected:
  ObjectCommandsTest() {
    state.propertyWindow = &property;
    for (TestWindow* window : {&first, &second}) windows.windows[&window->document] = window;
    activate(first);
  }
  void activate(TestWindow& window) {
    state.activeDocument = &window.document;
    state.activeMenuWindow = window.handle;
    state.activeObject = {};
  }
  MenuDocument& document() { return *state.activeDocument; }
  // An object of the active document at this place and size (pixels on the page, twips
  // inside a frame), the document unchanged.
  ObjectRef add(ObjectKind kind, double left, double top, double width = 200, double height = 25, int frame = 0) {
    ObjectRef ref = document().addObject(kind, frame);
    MenuObject& object = at(ref);
    object.left = left, object.top = top, object.width = width, object.height = height;
    document().changed = false;
    return ref;
  }
  MenuObject& at(ObjectRef ref) { return *document().find(ref); }
  // Reads into `reread` the active document as a menu file gives it back.
  void saveAndReadBack(MenuDocument& reread) {
    pemo::testing::TempDir dir;
    const std::string file = (dir / "menu.fil").string();
    ASSERT_TRUE(writeMenuFile(file, document(), WriteMode::TestRun, state));
    ASSERT_EQ(loadMenuFile(reread, state, file), LoadState::Read);
  }
  void select(TestWindow& window, double right, double bottom) { window.surface.selectInBand(0, 0, right, bottom); }
  void copyOf(ObjectRef object) {
    state.activeObject = object;
    commands.copy();
  }

  EditorState state;
  CountingPropertyWindow property;
  TestWindow first{state, 1};
  TestWindow second{state, 2};
  FakeObjectWindows windows;
  ObjectCommands commands{state, windows};
};

TEST_F(ObjectCommandsTest, DeleteRemovesTheActiveObjectAFrameWithItsContentsOrTheMenuNothing) {
  ObjectRef label = add(ObjectKind::Label, 10, 10);
  ObjectRef frame = add(ObjectKind::Frame, 10, 100);
  ObjectRef inside = add(ObjectKind::CheckBox, 150, 150, 3000, 375, frame.index);
  ObjectRef combo = add(ObjectKind::ComboBox, 300, 10);

  commands.deleteSelection();  // the menu itself
  EXPECT_FALSE(document().changed);
  EXPECT_TRUE(first.view.removed.empty());

  state.activeObject = frame;
  commands.deleteSelection();
  EXPECT_FALSE(document().find(frame));
  EXPECT_FALSE(document().find(inside));
  EXPECT_TRUE(document().find(label));
  EXPECT_TRUE(document().changed);
  EXPECT_EQ(first.view.removed, (std::vector<ObjectRef>{frame}));

  // A combo box, which no band selects, goes as any single object does.
  state.activeObject = combo;
  commands.deleteSelection();
  EXPECT_FALSE(document().find(combo));
  EXPECT_EQ(document().objects(ObjectKind::Frame).upperBound(), 0);
}

TEST_F(ObjectCommandsTest, DeletingAMultiSelectionTakesFrameContentsAndGivesBackTheAddCommands) {
  ObjectRef label = add(ObjectKind::Label, 10, 10);
  ObjectRef frame = add(ObjectKind::Frame, 10, 100);
  ObjectRef inside = add(ObjectKind::Button, 150, 150, 1500, 375, frame.index);
  ObjectRef outside = add(ObjectKind::Button, 400, 400);
  select(first, 300, 300);
  ASSERT_TRUE(document().bandSelectionActive);
  EXPECT_FALSE(first.surfaceView.addCommands);

  commands.deleteSelection();
  for (ObjectRef gone : {label, frame, inside}) EXPECT_FALSE(document().find(gone));
  EXPECT_TRUE(document().find(outside));
  EXPECT_FALSE(document().bandSelectionActive);
  EXPECT_TRUE(state.multiSelection.empty());
  EXPECT_EQ(first.surface.selectedObjectsCell(-1, 0), -1);
  EXPECT_TRUE(first.surfaceView.shown.empty());
  EXPECT_TRUE(first.surfaceView.addCommands);
}

TEST_F(ObjectCommandsTest, AddFindsItsIndexByKindAndPlacesTheObjectOnThePageOrInTheActiveFrame) {
  for (int i = 0; i < 3; ++i) add(ObjectKind::Label, 0, 0), add(ObjectKind::Image, 0, 0);
  document().deleteObject({ObjectKind::Label, 2});
  document().deleteObject({ObjectKind::Image, 2});
  document().changed = false;
  document().locked = true;   // not consulted
  commands.addObject(ObjectKind::Label);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Label, 2}));
  EXPECT_TRUE(document().changed);
  const MenuObject& label = at(state.activeObject);
  EXPECT_EQ(label.width, 200);
  EXPECT_EQ(label.height, 25);
  EXPECT_EQ(label.caption, "");
  EXPECT_EQ(label.onCursorColor, "FF0000");
  EXPECT_EQ(label.backColor, 0x80000005u);
  EXPECT_EQ(label.foreColor, 0x80000008u);
  EXPECT_TRUE(label.visible);
  commands.addObject(ObjectKind::Image);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Image, 4}));
  EXPECT_EQ(document().stacking().front(), state.activeObject);  // behind everything
  EXPECT_EQ(first.view.added.back(), state.activeObject);
  commands.addObject(ObjectKind::PictureButton);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::PictureButton, 1}));
  EXPECT_EQ(at(state.activeObject).link, "");
  EXPECT_EQ(at(state.activeObject).picture, "");
  EXPECT_EQ(document().stacking().back(), state.activeObject);

  ObjectRef frame = add(ObjectKind::Frame, 50, 50);
  state.activeObject = frame;
  commands.addObject(ObjectKind::Button);
  const MenuObject& button = at(state.activeObject);
  EXPECT_EQ(button.frame, frame.index);
  EXPECT_EQ(button.left, 0);
  EXPECT_EQ(button.width, 3000);  // the template's size, in the frame's twips
  EXPECT_EQ(button.height, 375);
  state.activeObject = frame;
  commands.addObject(ObjectKind::Frame);
  EXPECT_EQ(at(state.activeObject).frame, 0);
  // An object inside a frame, or a multi-selection, as the active object: on the page.
  state.activeObject = {ObjectKind::Button, 1};
  commands.addObject(ObjectKind::Radio);
  EXPECT_EQ(at(state.activeObject).frame, 0);
  EXPECT_EQ(at(state.activeObject).backColor, 0xFFFFFFu);
  state.activeObject = {ObjectKind::Multiple, -1};
  commands.addObject(ObjectKind::ComboBox);
  EXPECT_EQ(at(state.activeObject).frame, 0);
  EXPECT_EQ(at(state.activeObject).height, 21);
}

TEST_F(ObjectCommandsTest, AddIntoAFullArrayOrAnEmptyOneAndWithoutAMenuWindow) {
  commands.addObject(ObjectKind::CheckBox);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::CheckBox, 1}));
  document().objects(ObjectKind::CheckBox).load(32767);
  document().changed = false;
  commands.addObject(ObjectKind::CheckBox);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::CheckBox, 1}));
  EXPECT_FALSE(document().changed);
  state.activeDocument = nullptr;
  commands.addObject(ObjectKind::Label);
  commands.paste();
  commands.copy();
  EXPECT_FALSE(state.clipboardFilled);
}

TEST_F(ObjectCommandsTest, CopyStoresTheFieldsOfItsKindInPixelsOrAsItsFrameGivesThem) {
  ObjectRef label = add(ObjectKind::Label, 10, 20, 200, 25);
  at(label).caption = "Start";
  at(label).foreColor = 0xFF;
  at(label).labelStyle = "2";
  at(label).link = "SUB.FIL";
  at(label).font.size = 14;
  at(label).value = 1;
  document().locked = true;
  copyOf(label);
  ASSERT_EQ(state.objectClipboard.size(), 1u);
  MenuObject expected;
  expected.kind = ObjectKind::Label;
  expected.caption = "Start", expected.left = 10, expected.top = 20, expected.width = 200, expected.height = 25;
  expected.foreColor = 0xFF, expected.link = "SUB.FIL", expected.labelStyle = "2";
  expected.font = at(label).font;
  EXPECT_EQ(state.objectClipboard[0], expected);
  EXPECT_EQ(state.objectClipboard[0].font.size, 14);
  EXPECT_TRUE(state.clipboardFilled);
  EXPECT_EQ(state.activeObject, ObjectRef{});
  EXPECT_EQ(property.reloads, 1);
  EXPECT_FALSE(document().changed);

  ObjectRef frame = add(ObjectKind::Frame, 30, 40, 150, 150);
  ObjectRef button = add(ObjectKind::Button, 150, 300, 1500, 450, frame.index);
  copyOf(button);
  ASSERT_EQ(state.objectClipboard.size(), 1u);
  EXPECT_EQ(state.objectClipboard[0].left, 10);
  EXPECT_EQ(state.objectClipboard[0].top, 20);
  EXPECT_EQ(state.objectClipboard[0].width, 100);
  EXPECT_EQ(state.objectClipboard[0].frame, 0);

  ObjectRef check = add(ObjectKind::CheckBox, 15, 30, 1500, 375, frame.index);
  at(check).value = 2;
  copyOf(frame);
  ASSERT_EQ(state.objectClipboard.size(), 3u);
  EXPECT_EQ(state.objectClipboard[0].kind, ObjectKind::Frame);
  EXPECT_EQ(state.objectClipboard[0].left, 30);
  EXPECT_EQ(state.objectClipboard[1].kind, ObjectKind::Button);
  EXPECT_EQ(state.objectClipboard[1].left, 150);  // twips, as the frame gives them
  EXPECT_EQ(state.objectClipboard[1].frame, frame.index);
  EXPECT_EQ(state.objectClipboard[2].kind, ObjectKind::CheckBox);
  EXPECT_EQ(state.objectClipboard[2].value, 0);  // a check box's value is not carried
  EXPECT_EQ(state.objectClipboard[2].frame, frame.index);
}

TEST_F(ObjectCommandsTest, ASelectionCopiesWithoutComboBoxesAndNothingOfAnEarlierCopyRemains) {
  ObjectRef frame = add(ObjectKind::Frame, 300, 300, 150, 150);
  add(ObjectKind::Label, 15, 15, 1500, 375, frame.index);
  copyOf(frame);
  ASSERT_EQ(state.objectClipboard.size(), 2u);

  ObjectRef label = add(ObjectKind::Label, 10, 10);
  ObjectRef button = add(ObjectKind::Button, 10, 50);
  ObjectRef combo = add(ObjectKind::ComboBox, 10, 90);
  at(label).font.name = "A";
  at(button).font.name = "B";
  select(first, 250, 80);
  state.multiSelection.push_back(combo);
  commands.cut();
  ASSERT_EQ(state.objectClipboard.size(), 2u);
  EXPECT_EQ(state.objectClipboard[0].kind, ObjectKind::Label);
  EXPECT_EQ(state.objectClipboard[1].kind, ObjectKind::Button);
  EXPECT_EQ(state.objectClipboard[1].frame, 0);
  EXPECT_EQ(state.objectClipboard[0].font.name, "A");  // each entry with its own font
  EXPECT_EQ(state.objectClipboard[1].font.name, "B");
  EXPECT_FALSE(document().find(label));
  EXPECT_FALSE(document().find(button));
  EXPECT_TRUE(document().find(combo));
  EXPECT_FALSE(document().bandSelectionActive);
  EXPECT_TRUE(document().changed);  // a cut is a change
  EXPECT_EQ(first.view.removed, (std::vector<ObjectRef>{label, button}));
}

TEST_F(ObjectCommandsTest, CopyOrCutOfABandSelectionEndsItWholeAndGivesBackTheAddCommands) {
  ObjectRef label = add(ObjectKind::Label, 10, 10);
  ObjectRef button = add(ObjectKind::Button, 10, 50);
  for (bool cutting : {false, true}) {
    select(first, 250, 100);
    ASSERT_TRUE(document().bandSelectionActive);
    ASSERT_FALSE(first.surfaceView.addCommands);
    cutting ? commands.cut() : commands.copy();
    EXPECT_EQ(state.objectClipboard.size(), 2u);
    EXPECT_FALSE(document().bandSelectionActive);
    EXPECT_TRUE(first.surfaceView.shown.empty());
    // Nothing is left that names the objects, which a cut has removed.
    EXPECT_TRUE(state.multiSelection.empty());
    EXPECT_EQ(first.surface.selectedObjectsCell(-1, 0), -1);
    EXPECT_TRUE(first.surfaceView.addCommands);
  }
  EXPECT_FALSE(document().find(label));
  EXPECT_FALSE(document().find(button));
}

TEST_F(ObjectCommandsTest, TurningThePropertyWindowToTheMenuEndsABandSelection) {
  FakeView mainView;
  FakeWindows otherWindows;
  EditorWorkspace workspace(state, mainView, otherWindows, commands);
  ObjectRef label = add(ObjectKind::Label, 10, 10);
  ObjectRef button = add(ObjectKind::Button, 10, 50);
  for (CommandSource source : {CommandSource::MenuWindow, CommandSource::MainMenu}) {
    select(first, 250, 100);
    ASSERT_TRUE(document().bandSelectionActive);
    workspace.run(EditorCommand::ShowProperties, source);
    EXPECT_FALSE(document().bandSelectionActive);
    EXPECT_TRUE(first.surfaceView.shown.empty());
    EXPECT_TRUE(state.multiSelection.empty());
    EXPECT_TRUE(first.surfaceView.addCommands);
    EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Menu, 0}));
  }
  // What the grid does not show is not deleted.
  workspace.run(EditorCommand::Delete, CommandSource::MenuWindow);
  EXPECT_TRUE(document().find(label));
  EXPECT_TRUE(document().find(button));

  // The toolbar's button only shows the window: the selection stays.
  select(first, 250, 100);
  workspace.run(EditorCommand::ShowProperties, CommandSource::Toolbar);
  EXPECT_TRUE(document().bandSelectionActive);
  EXPECT_EQ(first.surfaceView.shown.size(), 2u);
}

TEST_F(ObjectCommandsTest, CutTakesAFrameWithItsContentsAndWithTheMenuActiveRemovesNothing) {
  ObjectRef frame = add(ObjectKind::Frame, 300, 300, 150, 150);
  ObjectRef inside = add(ObjectKind::Label, 15, 15, 1500, 375, frame.index);
  ObjectRef label = add(ObjectKind::Label, 10, 10);
  state.activeObject = frame;
  commands.cut();
  EXPECT_FALSE(document().find(frame));
  EXPECT_FALSE(document().find(inside));
  EXPECT_EQ(state.objectClipboard.size(), 2u);
  EXPECT_EQ(state.activeObjectControl.resolve(), nullptr);

  document().changed = false;
  state.activeObject = {};  // the label was active, then a click on the page
  commands.cut();
  EXPECT_TRUE(document().find(label));
  EXPECT_FALSE(document().changed);
  ASSERT_EQ(state.objectClipboard.size(), 1u);
  EXPECT_EQ(state.objectClipboard[0].kind, ObjectKind::Menu);
  EXPECT_TRUE(state.clipboardFilled);
  // Pasting that makes nothing, yet counts as a change.
  commands.paste();
  EXPECT_EQ(document().objects(ObjectKind::Label).count(), 1);
  EXPECT_TRUE(document().changed);
  EXPECT_EQ(state.activeObject, ObjectRef{});
}

TEST_F(ObjectCommandsTest, PasteMovesTheGroupToThePagesCornerAndKeepsFrameContentsInTheirNewFrame) {
  commands.paste();  // nothing copied yet
  EXPECT_FALSE(document().changed);
  EXPECT_EQ(property.reloads, 0);

  ObjectRef a = add(ObjectKind::Label, 40, 30, 120, 20);
  ObjectRef b = add(ObjectKind::Label, 100, 10, 80, 16);
  select(first, 300, 100);
  commands.copy();
  commands.paste();
  ObjectRef pastedA{ObjectKind::Label, 3}, pastedB{ObjectKind::Label, 4};
  EXPECT_EQ(at(pastedA).left, 0);
  EXPECT_EQ(at(pastedA).top, 20);
  EXPECT_EQ(at(pastedA).width, 120);
  EXPECT_EQ(at(pastedB).left, 60);
  EXPECT_EQ(at(pastedB).top, 0);
  EXPECT_EQ(at(pastedB).height, 16);
  EXPECT_EQ(state.activeObject, pastedB);
  EXPECT_TRUE(document().changed);
  EXPECT_EQ(first.view.added, (std::vector<ObjectRef>{pastedA, pastedB}));
  // Twice: the same group at the same place, the next indexes.
  commands.paste();
  EXPECT_EQ(at({ObjectKind::Label, 5}).top, 20);
  EXPECT_EQ(at({ObjectKind::Label, 6}).left, 60);
  document().deleteObject(a);
  document().deleteObject(b);

  ObjectRef frame = add(ObjectKind::Frame, 200, 100, 150, 150);
  ObjectRef one = add(ObjectKind::Label, 150, 150, 1500, 300, frame.index);
  add(ObjectKind::Label, 150, 600, 1500, 300, frame.index);
  at(one).foreColor = 0x8000;
  copyOf(frame);
  commands.paste();
  ObjectRef newFrame{ObjectKind::Frame, 2};
  EXPECT_EQ(at(newFrame).left, 0);
  EXPECT_EQ(at(newFrame).top, 0);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Label, 8}));
  const MenuObject& copied = at({ObjectKind::Label, 7});
  EXPECT_EQ(copied.frame, newFrame.index);
  EXPECT_EQ(copied.left, 150);
  EXPECT_EQ(copied.width, 1500);
  EXPECT_EQ(copied.foreColor, 0x8000u);
  EXPECT_EQ(at(state.activeObject).top, 600);
}

TEST_F(ObjectCommandsTest, PastedObjectsGoIntoTheActiveFrameAndOntoTheWindowActiveAtThePaste) {
  ObjectRef frame = add(ObjectKind::Frame, 20, 20, 150, 150);
  ObjectRef button = add(ObjectKind::Button, 150, 300, 1500, 450, frame.index);
  at(button).caption = "go";
  copyOf(button);
  commands.paste();
  const MenuObject& onPage = at(state.activeObject);
  EXPECT_EQ(onPage.frame, 0);
  EXPECT_EQ(onPage.left, 0);
  EXPECT_EQ(onPage.top, 0);
  EXPECT_EQ(onPage.width, 100);  // the same size on the screen
  EXPECT_EQ(onPage.height, 30);

  state.activeObject = frame;
  commands.paste();
  const MenuObject& inFrame = at(state.activeObject);
  EXPECT_EQ(inFrame.frame, frame.index);
  EXPECT_EQ(inFrame.left, 0);
  EXPECT_EQ(inFrame.width, 1500);
  EXPECT_EQ(inFrame.caption, "go");
  // A pasted frame stays on the page, its contents in it.
  add(ObjectKind::Label, 15, 15, 1500, 375, frame.index);
  copyOf(frame);
  state.activeObject = frame;
  commands.paste();
  EXPECT_EQ(at({ObjectKind::Frame, 2}).frame, 0);
  EXPECT_EQ(at(state.activeObject).frame, 2);

  // Another window: labels 1 to 3 with 3 deleted take 3, with 2 deleted 4.
  ObjectRef label = add(ObjectKind::Label, 5, 5);
  copyOf(label);
  activate(second);
  for (int i = 0; i < 3; ++i) add(ObjectKind::Label, 100, 100);
  document().deleteObject({ObjectKind::Label, 3});
  commands.paste();
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Label, 3}));
  EXPECT_EQ(second.view.added.back(), state.activeObject);
  EXPECT_EQ(at(state.activeObject).left, 0);
  document().deleteObject({ObjectKind::Label, 2});
  commands.paste();
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Label, 4}));
}

TEST_F(ObjectCommandsTest, TheCornerIsRoundedAndStaysFarOutWhenEveryObjectLiesBeyondIt) {
  ObjectRef frame = add(ObjectKind::Frame, 0, 0, 150, 150);
  ObjectRef near = add(ObjectKind::Button, 156, 0, 300, 300, frame.index);  // 10.4 pixels
  ObjectRef far = add(ObjectKind::Button, 159, 0, 300, 300, frame.index);   // 10.6 pixels
  copyOf(near);
  commands.paste();
  EXPECT_NEAR(at(state.activeObject).left, 0.4, 1e-9);
  copyOf(far);
  commands.paste();
  EXPECT_NEAR(at(state.activeObject).left, -0.4, 1e-9);

  ObjectRef away = add(ObjectKind::Label, 30500, 40000);
  copyOf(away);
  commands.paste();
  EXPECT_EQ(at(state.activeObject).left, 500);
  EXPECT_EQ(at(state.activeObject).top, 10000);

  // A group wider than the coordinate rule allows from its corner stops at the rule.
  ObjectRef west = add(ObjectKind::Label, -32000, 0);
  ObjectRef east = add(ObjectKind::Label, 32000, 0);
  state.multiSelection = {west, east};
  copySelection(state);
  commands.paste();
  EXPECT_EQ(at(state.activeObject).left, 32767);
}

TEST_F(ObjectCommandsTest, PasteKeepsAMultiSelectionAndMakesNothingWhereAnArrayIsFull) {
  ObjectRef frame = add(ObjectKind::Frame, 300, 300, 150, 150);
  add(ObjectKind::Label, 15, 15, 1500, 375, frame.index);
  ObjectRef button = add(ObjectKind::Button, 310, 310);
  state.multiSelection = {frame, button};
  document().bandSelectionActive = true;
  commands.copy();
  ASSERT_EQ(state.objectClipboard.size(), 3u);

  activate(second);
  ObjectRef kept = add(ObjectKind::Image, 10, 10, 50, 50);
  select(second, 100, 100);
  document().objects(ObjectKind::Frame).load(32767);
  commands.paste();
  EXPECT_TRUE(document().bandSelectionActive);
  EXPECT_EQ(state.multiSelection, (std::vector<ObjectRef>{kept}));
  EXPECT_EQ(document().objects(ObjectKind::Label).count(), 0);  // its frame could not be made
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Button, 1}));
  EXPECT_EQ(at(state.activeObject).left, 10);
}

TEST_F(ObjectCommandsTest, APictureButtonsLinkAndPictureComeBackApartThroughTheClipboardAndAFile) {
  ObjectRef button = add(ObjectKind::PictureButton, 10, 10, 72, 64);
  at(button).link = "prog.exe a,b";
  at(button).picture = "pic.bmp";
  at(button).linkStyle = 5;
  copyOf(button);
  activate(second);
  commands.paste();
  MenuDocument reread;
  saveAndReadBack(reread);
  const MenuObject& back = reread.objects(ObjectKind::PictureButton).at(1);
  EXPECT_EQ(back.link, "prog.exe a,b");
  EXPECT_EQ(back.picture, "pic.bmp");
  EXPECT_EQ(back.linkStyle, 5);
}

TEST_F(ObjectCommandsTest, ObjectsCopiedTogetherKeepTheirOwnFontsThroughThePasteAndAFile) {
  ObjectRef title = add(ObjectKind::Label, 10, 10);
  ObjectRef text = add(ObjectKind::Label, 10, 50);
  at(title).font.size = 16, at(title).font.bold = true;
  at(text).font.size = 9, at(text).font.bold = false;
  select(first, 250, 80);
  commands.copy();
  activate(second);
  commands.paste();
  MenuDocument reread;
  saveAndReadBack(reread);
  const auto& labels = reread.objects(ObjectKind::Label);
  ASSERT_TRUE(labels.isLoaded(1) && labels.isLoaded(2));
  EXPECT_EQ(labels.at(1).font.size, 16);
  EXPECT_TRUE(labels.at(1).font.bold);
  EXPECT_EQ(labels.at(2).font.size, 9);
  EXPECT_FALSE(labels.at(2).font.bold);
}

}  // namespace
}  // namespace pemo::editor
