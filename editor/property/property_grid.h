#pragma once
// What the property window shows, apart from its widgets: each row's state, the object
// list, the caption, and the target: the menu, object or selection the rows describe.
// The loaders fill it; the window draws it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/document/menu_document.h"
#include "editor/property/grid_rows.h"
#include "editor/property/object_list.h"

namespace pemo::editor::property {

struct RowState {
  bool enabled = false;  // the caption label and the editor together
  std::string text;      // a text row's value
  int listIndex = -1;    // a list row's selected entry, -1 for none
};

// What the rows describe: the menu itself (object (Menu, 0)), one object, or the
// multi-selection (object kind Multiple) of one document. Edited rows go back to it,
// whatever window is active by then.
struct GridTarget {
  MenuDocument* document = nullptr;
  ObjectRef object;
  std::vector<ObjectRef> selection;
  bool operator==(const GridTarget&) const = default;
};

inline constexpr std::uint32_t kLabelWhite = 0xFFFFFF;
inline constexpr std::uint32_t kLabelHighlight = 0xFFFF00;  // cyan

class PropertyGrid {
 public:
  PropertyGrid();

  std::array<RowState, kRowCount> rows;
  std::array<std::uint32_t, kRowCount> labelBackColors;
  std::string caption = kPropertyCaption;
  bool dialogButtonVisible = false;
  int dialogButtonRow = -1;  // the row the "..." button was last placed on
  int highlightedRow = -1;

  ObjectList objectList;
  int objectListSelection = -1;
  bool objectListEnabled = false;

  // The kind the rows show; Multiple for a multi-selection.
  ObjectKind shownKind = ObjectKind::Menu;
  GridTarget target;

  // Fills the three lists with exactly their entries, however often it is called.
  void fillChoiceLists();
  // A list's entries; empty until filled.
  const std::vector<std::string>& entries(ChoiceList list) const {
    return choiceLists_[static_cast<int>(list)];
  }

  void setTextRow(int row, bool enabled, std::string text);
  // A value without an entry of the list selects nothing.
  void setListRow(int row, bool enabled, long value);
  // Off: a text row empty, a list row at its first entry.
  void disableRow(int row);
  // No menu window: every row empty and disabled, every label white, no object list.
  void showNothing();

 private:
  std::array<std::vector<std::string>, 4> choiceLists_;  // by ChoiceList
};

}  // namespace pemo::editor::property
