// The "..." button: the colour, font, link and picture dialogs of the row it sits on,
// their answer put into the row and written back.
#include "editor/property/property_loaders.h"
#include "editor/property/property_sheet.h"
#include "menufile/values.h"

namespace pemo::editor::property {

namespace {

constexpr const char* kLinkTitle = "ﾘﾝｸ先の選択";
constexpr const char* kPictureTitle = "ﾋﾟｸﾁｬの選択";
constexpr const char* kLinkFilter =
    "ﾘﾝｸできるﾌｧｲﾙ(*.FIL,*.EXE,*.BAT,*.PIF,*.COM)|*.FIL;*.EXE;*.BAT;*.PIF;*.COM|全てのﾌｧｲﾙ(*.*)|*.*";
constexpr const char* kPictureFilter =
    "ﾋﾞｯﾄﾏｯﾌﾟ(*.BMP)|*.BMP|JPEGﾌｧｲﾙ(*.JPG,*.JPEG)|*.JPG;*.JPEG|GIFﾌｧｲﾙ(*.GIF)|*.GIF|ｱｲｺﾝ(*.ICO)|*.ICO|"
    "ﾒﾀﾌｧｲﾙ(*.WMF)|*.WMF|全てのﾌｧｲﾙ(*.*)|*.*";

}  // namespace

std::optional<std::string> PropertySheet::dialogAnswer(int row) {
  switch (row) {
    case row::BackColor:
    case row::ForeColor:
    case row::OnCursorColor: {
      // The row as shown (a selection of different colours shows none).
      const std::string& shown = grid_.rows[row].text;
      const std::optional<std::uint32_t> start = shown.empty() ? std::nullopt : menufile::readColour(shown);
      const std::optional<std::uint32_t> colour = dialogs_->chooseColour(start);
      if (!colour) return std::nullopt;
      // The colour left as it was keeps the row's text as it was.
      return colour == start ? shown : menufile::formatColour(*colour);
    }
    case row::Font: {
      // The dialog starts from the font of the object shown last, even for a selection.
      const MenuObject* object = state_.activeObjectControl.resolve();
      if (auto font = dialogs_->chooseFont(object ? object->font : FontChoice{})) return fontText(*font);
      return std::nullopt;
    }
    case row::Link: return dialogs_->chooseFile(kLinkTitle, kLinkFilter);
    case row::Picture:
    case row::TilingImage: return dialogs_->chooseFile(kPictureTitle, kPictureFilter);
    default: return std::nullopt;
  }
}

void PropertySheet::dialogButtonClicked() {
  ensureLoaded();
  // A value typed into the row goes first.
  commitPendingRow();
  const int row = grid_.dialogButtonRow;
  if (!dialogs_ || !writeBack_ || row < 0 || !grid_.dialogButtonVisible) return;
  auto answer = dialogAnswer(row);
  if (!answer) return;
  const std::string previous = grid_.rows[row].text;
  grid_.rows[row].text = *answer;
  MenuDocument* document = targetDocument();
  if (writeBack_->applyRow(grid_, row)) {
    // Chosen is changed, even when it is the value the row had.
    document->changed = true;
    if (row == focusedRow_) oldValue_ = *answer;
    showPictureSize(row);
  } else {
    grid_.rows[row].text = previous;
  }
  showGrid();
}

}  // namespace pemo::editor::property
