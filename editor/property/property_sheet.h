#pragma once
// The property window's logic: its life, the object list and the grid it keeps in step
// with the active menu window and object. The Qt window draws the grid and forwards the
// user's acts here; everything it shows comes from grid().
#include <string>

#include "editor/document/editor_state.h"
#include "editor/document/window_ports.h"
#include "editor/property/menu_window_directory.h"
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

// Writes an edited text row back to the grid's target.
class RowWriteBack {
 public:
  virtual ~RowWriteBack() = default;
  virtual void applyRow(PropertyGrid& grid, int row) = 0;
};

class PropertySheet : public PropertyWindowPort {
 public:
  PropertySheet(EditorState& state, MenuWindowDirectory& windows);

  void setView(PropertySheetView* view) { view_ = view; }
  void setRowWriteBack(RowWriteBack* writeBack) { writeBack_ = writeBack; }

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

  // A row's editor received the focus; a key typed into a text row changed its text.
  void rowFocused(int row);
  void rowTyped(int row, const std::string& text);
  bool propChange() const { return propChange_; }
  const std::string& oldValue() const { return oldValue_; }

  // True while no menu window is open.
  bool noMenuWindowOpen();

  const PropertyGrid& grid() const { return grid_; }
  PropertyGrid& grid() { return grid_; }

 private:
  MenuDocument* menuWindowOfHandle(std::uint32_t handle);
  bool isOpen(const MenuDocument* document);
  void ensureLoaded();
  void buildObjectList();
  void loadEntry(int position);
  void loadMultiSelection();
  void rememberFocusedValue();
  void showGrid();

  EditorState& state_;
  MenuWindowDirectory& windows_;
  PropertySheetView* view_ = nullptr;
  RowWriteBack* writeBack_ = nullptr;
  PropertyGrid grid_;
  bool loaded_ = false;
  bool propChange_ = false;
  int focusedRow_ = -1;
  std::string oldValue_;
};

}  // namespace pemo::editor::property
