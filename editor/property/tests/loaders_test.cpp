#include <gtest/gtest.h>

#include "editor/property/property_loaders.h"

namespace pemo::editor::property {
namespace {

class LoadersTest : public ::testing::Test {
 protected:
  LoadersTest() {
    state.activeDocument = &document;
    grid.fillChoiceLists();
  }
  MenuObject& add(ObjectKind kind, int frame = 0) {
    ObjectRef ref = document.addObject(kind, frame);
    state.activeObject = ref;
    return *document.find(ref);
  }
  void load(ObjectKind kind, bool blank = false) {
    loadObjectProperties(grid, state, kind, blank);
  }
  std::vector<int> enabledRows() const {
    std::vector<int> rows;
    for (int row = 0; row < kRowCount; ++row)
      if (grid.rows[row].enabled) rows.push_back(row);
    return rows;
  }
  const std::string& text(int row) const { return grid.rows[row].text; }
  int index(int row) const { return grid.rows[row].listIndex; }

  MenuDocument document;
  EditorState state;
  PropertyGrid grid;
};

TEST_F(LoadersTest, ALabelAfterAPictureButtonShowsOnlyItsOwnRows) {
  MenuObject& button = add(ObjectKind::PictureButton);
  button.link = "a.exe";
  button.picture = "b.bmp,c";
  button.linkStyle = 4;
  load(ObjectKind::PictureButton);
  EXPECT_EQ(text(row::Link), "a.exe");
  EXPECT_EQ(text(row::Picture), "b.bmp,c");
  EXPECT_EQ(index(row::Style), 4);

  MenuObject& label = add(ObjectKind::Label);
  label.caption = "Start";
  label.labelStyle = "2.5";  // read as a number, halves to even
  label.foreColor = 0xFF;
  label.font.bold = true;
  label.link = "C:\\MENU\\SUB.FIL";
  load(ObjectKind::Label);
  EXPECT_EQ(enabledRows(), (std::vector<int>{0, 1, 2, 3, 4, 6, 7, 8, 9, 11}));
  EXPECT_EQ(text(row::Picture), "");
  EXPECT_EQ(index(row::Style), 2);
  EXPECT_EQ(text(row::Caption), "Start");
  EXPECT_EQ(text(row::Width), "200");
  EXPECT_EQ(text(row::ForeColor), "FF");
  EXPECT_EQ(text(row::Font), "ＭＳ Ｐゴシック,9,True,False,False");
  EXPECT_EQ(text(row::OnCursorColor), "FF0000");
  EXPECT_EQ(index(row::UnloadMode), 0);
  EXPECT_EQ(grid.shownKind, ObjectKind::Label);
  EXPECT_EQ(state.activeObjectControl, (DocumentObject{&document, state.activeObject}));
  EXPECT_EQ(grid.target.object, state.activeObject);

  label.labelStyle = "abc";
  load(ObjectKind::Label);
  EXPECT_EQ(index(row::Style), 0);
  label.labelStyle = "7";  // no entry stands for it
  load(ObjectKind::Label);
  EXPECT_EQ(index(row::Style), -1);
  EXPECT_TRUE(grid.rows[row::Style].enabled);
}

TEST_F(LoadersTest, FrameChildrenShowTwipsAsUnroundedPixels) {
  add(ObjectKind::Frame);
  MenuObject& frame = *document.find({ObjectKind::Frame, 1});
  frame.left = 40;
  MenuObject& child = add(ObjectKind::Label, 1);
  child.left = 150;
  child.top = 300;
  child.width = 301;
  child.height = 45;
  load(ObjectKind::Label);
  EXPECT_EQ(text(row::Left), "10");
  EXPECT_EQ(text(row::Top), "20");
  EXPECT_EQ(text(row::Width), "20.0666666666667");
  EXPECT_EQ(text(row::Height), "3");

  MenuObject& onPage = add(ObjectKind::Label);
  onPage.left = 10;
  load(ObjectKind::Label);
  EXPECT_EQ(text(row::Left), "10");

  state.activeObject = {ObjectKind::Frame, 1};
  load(ObjectKind::Frame);
  EXPECT_EQ(text(row::Left), "40");
  EXPECT_EQ(text(row::BackColor), "8000000F");
  EXPECT_EQ(enabledRows(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));

  MenuObject& combo = add(ObjectKind::ComboBox, 1);
  combo.left = 301;
  load(ObjectKind::ComboBox);
  EXPECT_EQ(text(row::Left), "20.0666666666667");
  EXPECT_EQ(enabledRows(), (std::vector<int>{1, 2, 3, 6, 7}));
  EXPECT_EQ(text(row::Caption), "");
  EXPECT_EQ(text(row::Height), "");
}

TEST_F(LoadersTest, ValuesOfRadioButtonsCheckBoxesPictureButtonsAndImages) {
  add(ObjectKind::Radio).value = 1;
  load(ObjectKind::Radio);
  EXPECT_EQ(text(row::Value), "-1");
  EXPECT_EQ(enabledRows(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 14}));
  add(ObjectKind::CheckBox).value = 2;
  load(ObjectKind::CheckBox);
  EXPECT_EQ(text(row::Value), "2");

  add(ObjectKind::Button).linkStyle = 3;
  load(ObjectKind::Button);
  EXPECT_EQ(enabledRows(), (std::vector<int>{0, 1, 2, 3, 4, 7, 8, 9}));
  EXPECT_EQ(index(row::Style), 3);

  add(ObjectKind::PictureButton);  // a new one: no link, no picture
  load(ObjectKind::PictureButton);
  EXPECT_EQ(enabledRows(), (std::vector<int>{0, 1, 2, 3, 4, 7, 8, 9, 10}));
  EXPECT_EQ(text(row::Link), "");
  EXPECT_EQ(text(row::Picture), "");
  add(ObjectKind::PictureButton).link = "a.exe";
  load(ObjectKind::PictureButton);
  EXPECT_EQ(text(row::Link), "a.exe");
  EXPECT_EQ(text(row::Picture), "");

  MenuObject& image = add(ObjectKind::Image);
  image.caption = "tip";
  image.stretch = false;
  image.linkStyle = 5;
  load(ObjectKind::Image);
  EXPECT_EQ(enabledRows(), (std::vector<int>{0, 1, 2, 3, 4, 8, 9, 10, 15}));
  EXPECT_EQ(text(row::Caption), "tip");
  EXPECT_EQ(text(row::Picture), "");
  EXPECT_EQ(index(row::Style), 5);
  EXPECT_EQ(index(row::Stretch), 1);
  image.stretch = true;
  load(ObjectKind::Image);
  EXPECT_EQ(index(row::Stretch), 0);
}

TEST_F(LoadersTest, BlankModeEnablesTheKindsRowsEmptyAndKeepsWhatTheGridShows) {
  MenuObject& image = add(ObjectKind::Image);
  image.stretch = false;
  load(ObjectKind::Image);
  ObjectRef shown = state.activeObject;
  add(ObjectKind::Label).caption = "x";

  load(ObjectKind::Label, true);
  EXPECT_EQ(enabledRows(), (std::vector<int>{0, 1, 2, 3, 4, 6, 7, 8, 11}));
  for (int row : enabledRows()) EXPECT_EQ(text(row), "") << row;
  EXPECT_EQ(index(row::Style), 0);
  EXPECT_EQ(grid.shownKind, ObjectKind::Image);
  EXPECT_EQ(state.activeObjectControl.object, shown);

  load(ObjectKind::Image, true);
  EXPECT_EQ(enabledRows(), (std::vector<int>{0, 1, 2, 3, 4, 8, 10}));
  EXPECT_EQ(index(row::Stretch), 1);  // kept from the image shown before
}

TEST_F(LoadersTest, TheMenuKeepsTheActiveObjectControlAndShowsItsEndMode) {
  add(ObjectKind::Button);
  load(ObjectKind::Button);
  DocumentObject control = state.activeObjectControl;
  document.caption = "MENU1";
  document.backColor = 0xC0C0C0;
  document.tilingImage = "C:\\BG.BMP";
  document.unloadMode = 1;
  loadMenuProperties(grid, state);
  EXPECT_EQ(enabledRows(), (std::vector<int>{0, 5, 12, 13}));
  EXPECT_EQ(text(row::Caption), "MENU1");
  EXPECT_EQ(text(row::BackColor), "C0C0C0");
  EXPECT_EQ(text(row::TilingImage), "C:\\BG.BMP");
  EXPECT_EQ(index(row::UnloadMode), 1);
  EXPECT_EQ(index(row::Style), 0);
  EXPECT_EQ(text(row::Font), "");
  EXPECT_EQ(state.activeObjectControl, control);
  EXPECT_EQ(grid.shownKind, ObjectKind::Menu);
  EXPECT_EQ(grid.target.object, (ObjectRef{ObjectKind::Menu, 0}));

  document.unloadMode = 2;
  loadMenuProperties(grid, state);
  EXPECT_EQ(index(row::UnloadMode), -1);
}

TEST_F(LoadersTest, AnObjectThatIsGoneLeavesTheGridAsItWas) {
  add(ObjectKind::Label).caption = "kept";
  load(ObjectKind::Label);
  state.activeObject = {ObjectKind::Label, 9};
  load(ObjectKind::Label);
  EXPECT_EQ(text(row::Caption), "kept");
  EXPECT_EQ(state.activeObjectControl.object, (ObjectRef{ObjectKind::Label, 1}));
}

TEST(GridRows, ListsAndPlacesAreFixed) {
  PropertyGrid grid;
  grid.fillChoiceLists();
  grid.fillChoiceLists();
  EXPECT_EQ(grid.entries(ChoiceList::Style).size(), 6u);
  EXPECT_EQ(grid.entries(ChoiceList::Style)[5], "ﾘﾝｸ先を実行(実行中は入力禁止)");
  EXPECT_EQ(grid.entries(ChoiceList::UnloadMode).size(), 2u);
  EXPECT_EQ(grid.entries(ChoiceList::PictureSize)[1], "ｵﾌﾞｼﾞｪｸﾄを画像のｻｲｽﾞに合わせる");
  EXPECT_EQ(captionLabelRect(11).top, 4110);
  EXPECT_EQ(captionLabelRect(12).top, 4445);
  EXPECT_EQ(rowEditorRect(13).top, 4775);
  EXPECT_EQ(captionLabelRect(14).top, 5100);
  EXPECT_EQ(rowOfTextBox(9), row::Picture);
  EXPECT_EQ(rowOfTextBox(12), row::Value);
  EXPECT_EQ(rowOfList(ChoiceList::PictureSize), row::Stretch);
  EXPECT_EQ(std::string(gridRows()[row::OnCursorColor].caption), "通過中の文字色");
}

}  // namespace
}  // namespace pemo::editor::property
