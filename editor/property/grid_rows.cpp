#include "editor/property/grid_rows.h"

namespace pemo::editor::property {

const std::array<GridRow, kRowCount>& gridRows() {
  static const std::array<GridRow, kRowCount> rows = {{
      {"ﾀｲﾄﾙ", "ｵﾌﾞｼﾞｪｸﾄのﾀｲﾄﾙを設定します", 0, ChoiceList::None},
      {"横位置", "ｵﾌﾞｼﾞｪｸﾄの横位置を設定します", 1, ChoiceList::None},
      {"縦位置", "ｵﾌﾞｼﾞｪｸﾄの縦位置を設定します", 2, ChoiceList::None},
      {"幅", "ｵﾌﾞｼﾞｪｸﾄの幅を設定します", 3, ChoiceList::None},
      {"高さ", "ｵﾌﾞｼﾞｪｸﾄの縦幅を設定します", 4, ChoiceList::None},
      {"背景色", "ｵﾌﾞｼﾞｪｸﾄの背景色を設定します", 5, ChoiceList::None},
      {"文字色", "ｵﾌﾞｼﾞｪｸﾄの文字の色を設定します", 6, ChoiceList::None},
      {"ﾌｫﾝﾄ", "ｵﾌﾞｼﾞｪｸﾄのﾌｫﾝﾄを設定します", 7, ChoiceList::None},
      {"ﾘﾝｸ先", "ｵﾌﾞｼﾞｪｸﾄからのﾘﾝｸを設定します", 8, ChoiceList::None},
      {"ｽﾀｲﾙ", "ｵﾌﾞｼﾞｪｸﾄの動作を設定します", -1, ChoiceList::Style},
      {"画像ﾌｧｲﾙ", "ｵﾌﾞｼﾞｪｸﾄの表示するﾋﾟｸﾁｬを設定します", 9, ChoiceList::None},
      {"通過中の文字色", "ｶｰｿﾙがｵﾌﾞｼﾞｪｸﾄ上を通過したときの、文字の色を設定します", 10, ChoiceList::None},
      {"終了ﾓｰﾄﾞ", "ﾒﾆｭｰの終了時に起動ｱﾌﾟﾘｹｰｼｮﾝのﾁｪｯｸを行うか設定します", -1,
       ChoiceList::UnloadMode},
      {"ﾀｲﾘﾝｸﾞ画像", "ﾒﾆｭｰにﾀｲﾘﾝｸﾞ表示する画像を設定します", 11, ChoiceList::None},
      {"値", "ﾗｼﾞｵﾎﾞﾀﾝ、ﾁｪｯｸﾎﾞｯｸｽの値を設定します", 12, ChoiceList::None},
      {"画像ｻｲｽﾞ", "画像のｻｲｽﾞをｵﾌﾞｼﾞｪｸﾄのｻｲｽﾞに合わせるか設定します", -1,
       ChoiceList::PictureSize},
  }};
  return rows;
}

bool isListRow(int row) { return gridRows().at(row).list != ChoiceList::None; }

int rowOfTextBox(int textBox) {
  for (int row = 0; row < kRowCount; ++row)
    if (gridRows()[row].textBox == textBox) return row;
  return -1;
}

int rowOfList(ChoiceList list) {
  for (int row = 0; row < kRowCount; ++row)
    if (gridRows()[row].list == list) return row;
  return -1;
}

const std::vector<std::string>& choiceEntries(ChoiceList list) {
  static const std::vector<std::string> styles = {
      "ﾘﾝｸ先を実行",      "実行順番を選択", "選択ﾘﾝｸ先を実行", "選択ﾘﾝｸ先を実行後、このﾘﾝｸ先を実行",
      "親ﾒﾆｭｰに移動", "ﾘﾝｸ先を実行(実行中は入力禁止)"};
  static const std::vector<std::string> unloadModes = {"起動ｱﾌﾟﾘｹｰｼｮﾝをﾁｪｯｸする", "ﾁｪｯｸなし"};
  static const std::vector<std::string> pictureSizes = {"画像をｵﾌﾞｼﾞｪｸﾄのｻｲｽﾞに合わせる",
                                                        "ｵﾌﾞｼﾞｪｸﾄを画像のｻｲｽﾞに合わせる"};
  switch (list) {
    case ChoiceList::Style: return styles;
    case ChoiceList::UnloadMode: return unloadModes;
    case ChoiceList::PictureSize: return pictureSizes;
    case ChoiceList::None: break;
  }
  static const std::vector<std::string> none;
  return none;
}

std::bitset<kRowCount> rowsShownFor(menufile::ObjectKind kind) {
  using menufile::ObjectKind;
  // Bit n stands for row n.
  switch (kind) {
    case ObjectKind::Menu: return 0b0011'0000'0010'0001;           // 0, 5, 12, 13
    case ObjectKind::Label: return 0b0000'1011'1101'1111;          // 0-4, 6-9, 11
    case ObjectKind::Button: return 0b0000'0011'1001'1111;         // 0-4, 7-9
    case ObjectKind::PictureButton: return 0b0000'0111'1001'1111;  // 0-4, 7-10
    case ObjectKind::Image: return 0b1000'0111'0001'1111;          // 0-4, 8-10, 15
    case ObjectKind::Radio:
    case ObjectKind::CheckBox: return 0b0100'0000'1111'1111;       // 0-7, 14
    case ObjectKind::Frame: return 0b0000'0000'1111'1111;          // 0-7
    case ObjectKind::ComboBox: return 0b0000'0000'1100'1110;       // 1-3, 6, 7
    default: return {};
  }
}

namespace {

// Rows stand 330 twips apart; the end-mode and tiling-image rows sit 5 twips lower.
int rowTop(int row) {
  if (row == row::UnloadMode) return 4445;
  if (row == row::TilingImage) return 4775;
  return 480 + 330 * row;
}

}  // namespace

TwipsRect captionLabelRect(int row) { return {15, rowTop(row), 1500, 315}; }
TwipsRect rowEditorRect(int row) { return {1530, rowTop(row), 3500, 315}; }

}  // namespace pemo::editor::property
