#include "editor/property/selection_rows.h"
#include "editor/property/tests/write_back_fixture.h"

namespace pemo::editor::property {
namespace {

std::vector<int> enabledRows(const PropertyGrid& grid) {
  std::vector<int> rows;
  for (int row = 0; row < kRowCount; ++row)
    if (grid.rows[row].enabled) rows.push_back(row);
  return rows;
}

bool allEmpty(const PropertyGrid& grid) {
  for (const RowState& row : grid.rows)
    if (!row.text.empty()) return false;
  return true;
}

TEST_F(WriteBackTest, TheFocusedRowIsHighlightedAndTheDialogButtonStandsOnDialogRows) {
  add(ObjectKind::Label);
  show({ObjectKind::Label, 1});
  sheet.rowFocused(row::Caption);
  EXPECT_FALSE(sheet.grid().dialogButtonVisible);
  sheet.rowFocused(row::Font);
  EXPECT_EQ(sheet.grid().labelBackColors[row::Font], kLabelHighlight);
  EXPECT_EQ(sheet.grid().labelBackColors[row::Caption], kLabelWhite);
  EXPECT_TRUE(sheet.grid().dialogButtonVisible);
  EXPECT_EQ(sheet.grid().dialogButtonRow, row::Font);
  sheet.otherControlFocused();
  EXPECT_EQ(sheet.grid().labelBackColors[row::Font], kLabelWhite);
  for (int row : {1, 2, 3, 4, 12, 14}) {
    sheet.rowFocused(row);
    EXPECT_FALSE(sheet.grid().dialogButtonVisible) << row;
  }
  // A reload of the same object keeps the highlight; the menu's rows (Ctrl+P) have none.
  sheet.rowFocused(row::Font);
  show({ObjectKind::Label, 1});
  EXPECT_EQ(sheet.grid().labelBackColors[row::Font], kLabelHighlight);
  show({ObjectKind::Menu, 0});
  EXPECT_EQ(sheet.grid().labelBackColors[row::Font], kLabelWhite);
  EXPECT_EQ(sheet.grid().highlightedRow, -1);
  sheet.rowFocused(row::TilingImage);
  EXPECT_TRUE(sheet.grid().dialogButtonVisible);

  // A reload that turns the button's row off takes the button away; it opens nothing.
  add(ObjectKind::Radio);
  show({ObjectKind::Radio, 1});
  sheet.rowFocused(row::BackColor);
  show({ObjectKind::Label, 1});
  EXPECT_FALSE(sheet.grid().dialogButtonVisible);
  dialogs.colour = 0xFF;
  sheet.dialogButtonClicked();
  EXPECT_EQ(rowText(row::BackColor), "");
  EXPECT_FALSE(first.changed);
}

TEST_F(WriteBackTest, ListChoicesAreStoredAndMarkTheMenuOnlyWhenTheyDiffer) {
  ObjectRef image = add(ObjectKind::Image);
  show(image);
  sheet.rowFocused(row::Style);
  sheet.listChosen(row::Style, 2);
  EXPECT_EQ(messages(), (std::vector<std::string>{kStyleRefusedMessage}));
  EXPECT_EQ(sheet.grid().rows[row::Style].listIndex, 0);
  EXPECT_EQ(object(image).linkStyle, 0);
  EXPECT_FALSE(first.changed);
  sheet.listChosen(row::Style, 5);
  EXPECT_EQ(object(image).linkStyle, 5);
  EXPECT_TRUE(first.changed);

  // The object takes its picture's size, and the size rows show it.
  object(image).picture = picture("e.bmp", 70, 20);
  object(image).stretch = true;
  show(image);
  sheet.rowFocused(row::Stretch);
  sheet.listChosen(row::Stretch, 1);
  EXPECT_FALSE(object(image).stretch);
  EXPECT_EQ(object(image).width, 70);
  EXPECT_EQ(rowText(row::Width), "70");
  EXPECT_EQ(rowText(row::Height), "20");

  ObjectRef label = add(ObjectKind::Label);
  show(label);
  sheet.rowFocused(row::Style);
  sheet.listChosen(row::Style, 3);
  EXPECT_EQ(object(label).labelStyle, "3");

  // The end mode belongs to the menu; choosing what it is marks nothing.
  show({ObjectKind::Menu, 0});
  first.changed = false;
  sheet.rowFocused(row::UnloadMode);
  sheet.listChosen(row::UnloadMode, 0);
  EXPECT_FALSE(first.changed);
  sheet.listChosen(row::UnloadMode, 1);
  EXPECT_EQ(first.unloadMode, 1);
  EXPECT_TRUE(first.changed);

  // A disabled list does nothing.
  first.changed = false;
  sheet.listChosen(row::Stretch, 1);
  EXPECT_FALSE(first.changed);
}

TEST_F(WriteBackTest, TheDialogButtonWritesWhatWasChosenAndACancelNothing) {
  ObjectRef label = add(ObjectKind::Label);
  object(label).font = {"Start", 11, false, true, false};
  show(label);
  object(label).foreColor = 0x80000008;
  show(label);
  sheet.rowFocused(row::ForeColor);
  sheet.dialogButtonClicked();
  EXPECT_EQ(rowText(row::ForeColor), "80000008");
  EXPECT_EQ(object(label).foreColor, 0x80000008u);
  EXPECT_FALSE(first.changed);
  // The dialog starts from the row's colour.
  EXPECT_EQ(dialogs.colourStarts, (std::vector<std::optional<std::uint32_t>>{0x80000008u}));

  // The same colour chosen again is a change all the same.
  dialogs.colour = 0;
  sheet.dialogButtonClicked();
  EXPECT_TRUE(first.changed);
  dialogs.colour = 0xFF8000;
  sheet.dialogButtonClicked();
  EXPECT_EQ(rowText(row::ForeColor), "FF8000");
  EXPECT_EQ(object(label).foreColor, 0xFF8000u);

  sheet.rowFocused(row::Font);
  dialogs.font = FontChoice{"Arial", 12, true, false, false};
  sheet.dialogButtonClicked();
  EXPECT_EQ(dialogs.fontStarts.back(), (FontChoice{"Start", 11, false, true, false}));
  EXPECT_EQ(rowText(row::Font), "Arial,12,True,False,False");
  EXPECT_EQ(object(label).font, *dialogs.font);

  sheet.rowFocused(row::Link);
  dialogs.file = "C:\\MENU\\SUB.FIL";
  sheet.dialogButtonClicked();
  EXPECT_EQ(object(label).link, "C:\\MENU\\SUB.FIL");
  EXPECT_EQ(dialogs.fileRequests.back().first, "ﾘﾝｸ先の選択");
  EXPECT_EQ(dialogs.fileRequests.back().second,
            "ﾘﾝｸできるﾌｧｲﾙ(*.FIL,*.EXE,*.BAT,*.PIF,*.COM)|*.FIL;*.EXE;*.BAT;*.PIF;*.COM|全てのﾌｧｲﾙ(*.*)|*.*");

  // A picture chosen that is none is refused like a typed one.
  ObjectRef image = add(ObjectKind::Image);
  show(image);
  sheet.rowFocused(row::Picture);
  first.changed = false;
  dialogs.file = fs::toWindowsPath((dir / "none.bmp").string());
  sheet.dialogButtonClicked();
  EXPECT_EQ(rowText(row::Picture), "");
  EXPECT_FALSE(first.changed);
  EXPECT_EQ(dialogs.fileRequests.back().first, "ﾋﾟｸﾁｬの選択");

  // The tiling image goes to the menu.
  show({ObjectKind::Menu, 0});
  sheet.rowFocused(row::TilingImage);
  dialogs.file = "C:\\TILE.BMP";
  sheet.dialogButtonClicked();
  EXPECT_EQ(first.tilingImage, "C:\\TILE.BMP");
  EXPECT_EQ(object(image).picture, "");
}

TEST_F(WriteBackTest, ASelectionShowsItsKindsRowsEmptyAndMixedKindsOnlyLeftAndTop) {
  ObjectRef l1 = add(ObjectKind::Label), l2 = add(ObjectKind::Label), l3 = add(ObjectKind::Label);
  ObjectRef button = add(ObjectKind::Button);
  for (ObjectRef ref : {l1, l2, l3}) object(ref).caption = "shown before";
  show(l1);
  showSelection({l1, l2, l3}, 1);
  EXPECT_EQ(enabledRows(sheet.grid()), (std::vector<int>{0, 1, 2, 3, 4, 6, 7, 8, 11}));
  EXPECT_TRUE(allEmpty(sheet.grid()));
  EXPECT_EQ(sheet.grid().shownKind, ObjectKind::Multiple);
  EXPECT_EQ(state.activeObjectControl.object, l1);

  showSelection({l1, button}, 1 | 2);
  EXPECT_EQ(enabledRows(sheet.grid()), (std::vector<int>{1, 2}));
  EXPECT_TRUE(allEmpty(sheet.grid()));
  EXPECT_EQ(sheet.grid().rows[row::Style].listIndex, 0);

  ObjectRef f1 = add(ObjectKind::Frame), f2 = add(ObjectKind::Frame);
  showSelection({f1, f2}, 64);
  EXPECT_EQ(enabledRows(sheet.grid()), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_TRUE(allEmpty(sheet.grid()));
  EXPECT_EQ(kindOfSelection(64), ObjectKind::Frame);
  EXPECT_EQ(kindOfSelection(3), ObjectKind::Multiple);
}

}  // namespace
}  // namespace pemo::editor::property
