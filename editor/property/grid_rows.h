#pragma once
// The property grid's sixteen fixed rows: what each is called, what it explains, which
// editor holds its value and where it stands. Every row always exists; what changes is
// whether it is enabled and what it shows.
#include <array>
#include <bitset>
#include <string>
#include <vector>

#include "menufile/types.h"

namespace pemo::editor::property {

inline constexpr int kRowCount = 16;
inline constexpr int kTextBoxCount = 13;

// Row numbers, by the property each row shows.
namespace row {
inline constexpr int Caption = 0;
inline constexpr int Left = 1;
inline constexpr int Top = 2;
inline constexpr int Width = 3;
inline constexpr int Height = 4;
inline constexpr int BackColor = 5;
inline constexpr int ForeColor = 6;
inline constexpr int Font = 7;
inline constexpr int Link = 8;
inline constexpr int Style = 9;
inline constexpr int Picture = 10;
inline constexpr int OnCursorColor = 11;
inline constexpr int UnloadMode = 12;
inline constexpr int TilingImage = 13;
inline constexpr int Value = 14;
inline constexpr int Stretch = 15;
}  // namespace row

// The fixed choice lists that are the editors of three rows; None for a text row.
enum class ChoiceList { None, Style, UnloadMode, PictureSize };

struct GridRow {
  const char* caption;
  const char* helpText;  // the caption's tool tip
  int textBox;           // index of the row's text box, -1 for a list row
  ChoiceList list;
};

const std::array<GridRow, kRowCount>& gridRows();
bool isListRow(int row);
// The row whose editor is text box `textBox`.
int rowOfTextBox(int textBox);
// The row whose editor is the list.
int rowOfList(ChoiceList list);

// The rows that apply to what the grid shows: the menu itself or one object kind.
std::bitset<kRowCount> rowsShownFor(menufile::ObjectKind kind);

// The entries of each list, in value order: an entry's index is the value it stands for.
const std::vector<std::string>& choiceEntries(ChoiceList list);

// The window's caption when it shows nothing, and its design layout in twips.
inline constexpr const char* kPropertyCaption = "ﾌﾟﾛﾊﾟﾃｨ";
struct TwipsRect {
  int left, top, width, height;
};
inline constexpr int kClientWidthTwips = 5055;
inline constexpr int kClientHeightTwips = 5760;
inline constexpr TwipsRect kObjectListRect{-15, 75, 5025, 315};
inline constexpr int kDialogButtonTwips = 300;
TwipsRect captionLabelRect(int row);
TwipsRect rowEditorRect(int row);

}  // namespace pemo::editor::property
