#pragma once
// The open menu windows, in the order they were created.
#include <functional>
#include <vector>

#include "editor/document/menu_windows_port.h"
#include "editor/property/menu_window_directory.h"
#include "editor/workspace/object_commands.h"
#include "editor/workspace/window/menu_window.h"

namespace pemo::editor {

class MenuWindows : public MenuWindowsPort, public ObjectWindowsPort, public property::MenuWindowDirectory {
 public:
  explicit MenuWindows(EditorState& state) : state_(state) {}
  ~MenuWindows() override;
  void attach(EditorWorkspace& workspace) { workspace_ = &workspace; }

  MenuDocument* openMenuWindow(const std::string& filePath, const std::string& untitledCaption) override;
  std::vector<MenuDocument*> documents() override;
  bool closeMenuWindow(MenuDocument& document) override;
  void bringToFront(MenuDocument& document) override;
  std::vector<property::OpenMenuWindow> openMenuWindows() override;
  MenuViewPort* viewOf(MenuDocument& document) override { return windowOf(document); }
  EditingSurface* surfaceOf(MenuDocument& document) override;
  // The window that shows the document; null when none does.
  MenuWindow* windowOf(const MenuDocument& document) const;
  void showObjectChanged(MenuDocument& document, ObjectRef object) override;
  void showMenuChanged(MenuDocument& document) override;
  void showSelectionMoved(MenuDocument& document) override;
  // Deletes every window, each taken from the list first.
  void deleteAll();

  const std::vector<MenuWindow*>& windows() const { return windows_; }
  // Where the windows of menus that give no place open, each a step further; asked at
  // each opening, as the frames around the place may be known only by then.
  void setFirstPlace(std::function<QPoint()> place) { firstPlace_ = std::move(place); }

 private:
  EditorState& state_;
  EditorWorkspace* workspace_ = nullptr;
  std::vector<MenuWindow*> windows_;
  std::function<QPoint()> firstPlace_;
  int opened_ = 0;
};

}  // namespace pemo::editor
