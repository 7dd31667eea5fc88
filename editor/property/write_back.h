#pragma once
// Edited rows written back to what the grid shows: the menu itself, one object, or every
// object of a multi-selection, in the document the grid was loaded from. A value is
// checked against every target before any is changed, so a refused value changes
// nothing; the user is told, and the row goes back to its old text.
#include "editor/document/editor_state.h"
#include "editor/property/menu_window_directory.h"
#include "editor/property/picture_port.h"
#include "editor/property/property_sheet.h"
#include "editor/property/row_values.h"

namespace pemo::editor::property {

inline constexpr const char* kInvalidValueMessage = "ﾌﾟﾛﾊﾟﾃｨの値が不正です";
inline constexpr const char* kStyleRefusedMessage = "このｵﾌﾞｼﾞｪｸﾄに対して、この値は設定できません。";

class DocumentWriteBack : public RowWriteBack {
 public:
  DocumentWriteBack(const EditorState& state, PicturePort& pictures, MenuWindowDirectory& windows);

  bool applyRow(PropertyGrid& grid, int row) override;
  void applyChoice(PropertyGrid& grid, int row, int index) override;

 private:
  bool applyMenuProperty(const GridTarget& target, int row, const std::string& text);
  bool applyObjectProperty(const GridTarget& target, int row, const std::string& text);
  bool applySelectionProperty(const GridTarget& target, int row, const std::string& text);
  // The objects a multi-selection's row reaches, each with the value given to it; false
  // when any refuses it or is gone.
  bool selectionWithRow(const GridTarget& target, int row, const std::string& text,
                        std::vector<std::pair<MenuObject*, MenuObject>>& changes);
  void storeStyle(PropertyGrid& grid, MenuObject& object, int index);
  // After a set radio button on the Value row: the others of its container are shown cleared.
  void showRadiosCleared(MenuDocument& document, int row, ObjectRef object);
  RowContext context() const;

  const EditorState& state_;
  PicturePort& pictures_;
  MenuWindowDirectory& windows_;
};

}  // namespace pemo::editor::property
