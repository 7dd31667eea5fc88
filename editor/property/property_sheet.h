#pragma once
// The property window's logic: its life, the object list and the grid it keeps in step
// with the active menu window and object. The Qt window draws the grid and forwards the
// user's acts here; everything it shows comes from grid().
#include <string>

#include "editor/document/editor_state.h"
#include "editor/document/window_ports.h"
#include "editor/property/menu_window_directory.h"
#include "editor/property/property_dialogs.h"
#include "editor/property/property_grid.h"

namespace pemo::editor::property {

// What the sheet needs of its window.
class PropertySheetView {
 public:
  virtual ~PropertySheetView() = default;
  // Puts the window where it was when it was last closed; remembers that place.
  virtual void restorePlace() = 0;
  virtual void savePlace() = 0;
  // Shows the grid as it now is.
  virtual void showGrid() = 0;
};

// Writes edited rows back to the grid's target.
class RowWriteBack {
 public:
  virtual ~RowWriteBack() = default;
  // A text row; false when the value was refused (the user has been told) and nothing
  // changed.
  virtual bool applyRow(PropertyGrid& grid, int row) = 0;
  // The entry the user chose in a list row; the row's index may fall back to another
  // entry the target takes.
  virtual void applyChoice(PropertyGrid& grid, int row, int index) {}
};

class PropertySheet : public PropertyWindowPort {
 public:
  PropertySheet(EditorState& state, MenuWindowDirectory& windows);

  void setView(PropertySheetView* view) { view_ = view; }
  void setRowWriteBack(RowWriteBack* writeBack) { writeBack_ = writeBack; }
  void setDialogs(PropertyDialogs* dialogs) { dialogs_ = dialogs; }

  // The window's load and unload. Any public member loads the window first.
  void load();
  void unload();
  bool loaded() const { return loaded_; }

  // Rebuilds the object list for the active menu window, selects the active object in it
  // and loads the grid for it, then refreshes the main window's commands. With no menu
  // window the commands are refreshed first and the grid shows nothing.
  void changeActiveObject() override;
  void commitPendingRow() override;

  // The user picked an entry of the object list: it becomes the active object and the
  // grid shows it. The commands are not refreshed.
  void objectListClicked(int position);

  // A row's editor received the focus: its caption is highlighted and its value
  // remembered; the "..." button moves onto a row that has a dialog.
  void rowFocused(int row);
  // A control that edits no row (the object list) received the focus.
  void otherControlFocused();
  // A key typed into a text row; its text as it now is.
  void rowTyped(int row, const std::string& text);
  // A text row lost the focus: a changed value is written back.
  void rowLeft(int row);
  // The user chose an entry of a list row.
  void listChosen(int row, int index);
  // The "..." button: the dialog of the row it sits on, and its answer written back.
  void dialogButtonClicked();
  bool propChange() const { return propChange_; }
  const std::string& oldValue() const { return oldValue_; }

  const PropertyGrid& grid() const { return grid_; }
  PropertyGrid& grid() { return grid_; }

 private:
  MenuDocument* menuWindowOfHandle(std::uint32_t handle);
  bool isOpen(const MenuDocument* document);
  void ensureLoaded();
  void buildObjectList();
  void loadEntry(int position);
  void rememberFocusedValue();
  void highlightFocusedRow(int row);
  void placeDialogButton(int row);
  void restoreOldValue(int row);
  void showPictureSize(int row);
  // The grid's target, or none when its window has closed since the grid was loaded.
  MenuDocument* targetDocument();
  std::optional<std::string> dialogAnswer(int row);
  void showGrid();

  EditorState& state_;
  MenuWindowDirectory& windows_;
  PropertySheetView* view_ = nullptr;
  RowWriteBack* writeBack_ = nullptr;
  PropertyDialogs* dialogs_ = nullptr;
  PropertyGrid grid_;
  bool loaded_ = false;
  bool propChange_ = false;
  bool committing_ = false;
  bool reloadPending_ = false;
  int focusedRow_ = -1;
  // What the grid described when its highlighted row was focused.
  GridTarget highlightOwner_;
  std::string oldValue_;
};

}  // namespace pemo::editor::property
