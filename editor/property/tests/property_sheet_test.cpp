#include <gtest/gtest.h>

#include "editor/property/property_sheet.h"
#include "editor/property/tests/property_fakes.h"

namespace pemo::editor::property {
namespace {

struct FakeView : PropertySheetView {
  int restored = 0, saved = 0, shown = 0;
  void restorePlace() override { ++restored; }
  void savePlace() override { ++saved; }
  void showGrid() override { ++shown; }
};

// Writes a caption row to the object the grid shows; refuses the text "bad".
struct CaptionWriteBack : RowWriteBack {
  std::string oldValue;
  bool applyRow(PropertyGrid& grid, int row) override {
    if (!grid.target.document || grid.rows[row].text == "bad") return false;
    grid.target.document->find(grid.target.object)->caption = grid.rows[row].text;
    return true;
  }
};

class PropertySheetTest : public ::testing::Test {
 protected:
  PropertySheetTest() {
    state.mainWindow = &main;
    sheet.setView(&view);
    first.caption = "MENU1";
    second.caption = "MENU2";
    windows.windows = {{11, &first}, {12, &second}};
  }
  void activate(std::uint32_t handle, ObjectRef object) {
    state.activeMenuWindow = handle;
    state.activeObject = object;
    sheet.changeActiveObject();
  }
  const PropertyGrid& grid() const { return sheet.grid(); }

  EditorState state;
  FakeMenuWindows windows;
  FakeMainWindow main;
  FakeView view;
  MenuDocument first, second;
  PropertySheet sheet{state, windows};
};

TEST_F(PropertySheetTest, AnyCallLoadsTheWindowOnceAndTheGridFollowsTheActiveObject) {
  first.addObject(ObjectKind::Label);
  first.addObject(ObjectKind::CheckBox);
  activate(11, {ObjectKind::Label, 1});
  EXPECT_TRUE(sheet.loaded());
  EXPECT_EQ(view.restored, 1);
  EXPECT_EQ(grid().entries(ChoiceList::Style).size(), 6u);
  EXPECT_EQ(state.activeDocument, &first);
  EXPECT_EQ(grid().objectList.entries.size(), 3u);
  EXPECT_EQ(grid().objectListSelection, 1);
  EXPECT_TRUE(grid().objectListEnabled);
  EXPECT_EQ(grid().shownKind, ObjectKind::Label);
  EXPECT_EQ(main.changes, 2);  // the load's own reload, then the call's

  // Picking the check box in the list loads its rows without refreshing the commands.
  sheet.objectListClicked(2);
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::CheckBox, 1}));
  EXPECT_EQ(grid().shownKind, ObjectKind::CheckBox);
  EXPECT_TRUE(grid().rows[row::Value].enabled);
  EXPECT_EQ(main.changes, 2);
  sheet.objectListClicked(-1);
  EXPECT_EQ(grid().shownKind, ObjectKind::CheckBox);

  sheet.unload();
  EXPECT_EQ(view.saved, 1);
  activate(11, {ObjectKind::Menu, 0});
  EXPECT_EQ(view.restored, 2);
  EXPECT_EQ(grid().entries(ChoiceList::Style).size(), 6u);
  EXPECT_EQ(grid().objectListSelection, 0);
  EXPECT_EQ(grid().target.object, (ObjectRef{ObjectKind::Menu, 0}));
}

TEST_F(PropertySheetTest, WithNoMenuWindowTheCommandsAreRefreshedBeforeTheGridEmpties) {
  first.addObject(ObjectKind::Label);
  activate(11, {ObjectKind::Label, 1});
  bool rowsStillShown = false;
  main.onChangeMainSetting = [&] { rowsStillShown = grid().rows[row::Caption].enabled; };
  windows.windows.clear();
  activate(11, {ObjectKind::Label, 1});
  EXPECT_TRUE(rowsStillShown);
  EXPECT_EQ(state.activeDocument, nullptr);
  EXPECT_EQ(grid().caption, "ﾌﾟﾛﾊﾟﾃｨ");
  for (int row = 0; row < kRowCount; ++row) {
    EXPECT_FALSE(grid().rows[row].enabled);
    EXPECT_EQ(grid().rows[row].text, "");
    EXPECT_EQ(grid().labelBackColors[row], 0xFFFFFFu);
  }
  EXPECT_EQ(grid().rows[row::Style].listIndex, -1);
  EXPECT_TRUE(grid().objectList.entries.empty());
  EXPECT_FALSE(grid().objectListEnabled);
  EXPECT_FALSE(grid().dialogButtonVisible);
  EXPECT_EQ(grid().target.document, nullptr);
  // A stale list entry picked now finds no window to load from.
  sheet.objectListClicked(0);
  EXPECT_FALSE(grid().rows[row::Caption].enabled);
}

TEST_F(PropertySheetTest, AnActiveObjectWithoutEntryLeavesTheGridAsItWas) {
  first.addObject(ObjectKind::Button);
  first.objects(ObjectKind::Button).at(1).caption = "OK";
  activate(11, {ObjectKind::Button, 1});
  activate(11, {ObjectKind::Button, 5});
  EXPECT_EQ(grid().objectListSelection, -1);
  EXPECT_EQ(grid().rows[row::Caption].text, "OK");
  EXPECT_TRUE(grid().objectListEnabled);

  state.multiSelection = {{ObjectKind::Button, 1}};
  activate(11, {ObjectKind::Multiple, -2});
  EXPECT_EQ(grid().objectListSelection, -1);
  EXPECT_FALSE(grid().objectListEnabled);
  EXPECT_EQ(grid().shownKind, ObjectKind::Multiple);
  EXPECT_EQ(grid().target.selection, state.multiSelection);
  EXPECT_EQ(grid().rows[row::Caption].text, "");
}

TEST_F(PropertySheetTest, ATypedRowGoesToTheObjectItWasTypedFor) {
  CaptionWriteBack writeBack;
  sheet.setRowWriteBack(&writeBack);
  first.addObject(ObjectKind::Label);
  first.addObject(ObjectKind::Label);
  first.changed = second.changed = false;
  activate(11, {ObjectKind::Label, 1});
  sheet.rowFocused(row::Caption);
  sheet.rowTyped(row::Caption, "Typed");
  EXPECT_TRUE(sheet.propChange());
  // Another window becomes active before the grid reloads.
  activate(12, {ObjectKind::Menu, 0});
  EXPECT_FALSE(sheet.propChange());
  EXPECT_EQ(first.objects(ObjectKind::Label).at(1).caption, "Typed");
  EXPECT_EQ(second.caption, "MENU2");
  EXPECT_TRUE(first.changed);
  EXPECT_FALSE(second.changed);
  EXPECT_EQ(grid().rows[row::Caption].text, "MENU2");

  // Unchanged text, or a refused one, writes nothing and marks nothing.
  first.changed = false;
  activate(11, {ObjectKind::Label, 2});
  writeBack.oldValue = "";
  sheet.rowFocused(row::Caption);
  sheet.rowTyped(row::Caption, "");
  sheet.commitPendingRow();
  sheet.rowTyped(row::Caption, "bad");
  sheet.commitPendingRow();
  EXPECT_FALSE(first.changed);
  EXPECT_EQ(first.objects(ObjectKind::Label).at(2).caption, "");

  // A reload under the focused row: what it shows now is what its editing starts from,
  // so leaving it unchanged later writes nothing to the object shown now.
  activate(11, {ObjectKind::Label, 1});
  EXPECT_EQ(sheet.oldValue(), "Typed");

  // A window closed since the row was typed gets nothing.
  sheet.rowTyped(row::Caption, "late");
  windows.windows.erase(windows.windows.begin());
  sheet.commitPendingRow();
  EXPECT_EQ(first.objects(ObjectKind::Label).at(1).caption, "Typed");
  EXPECT_FALSE(sheet.propChange());
}

}  // namespace
}  // namespace pemo::editor::property
