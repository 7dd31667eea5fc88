#pragma once
// The open menu windows, in the order they were created.
#include <vector>

#include "editor/document/menu_windows_port.h"
#include "editor/property/menu_window_directory.h"
#include "editor/workspace/window/menu_window.h"

namespace pemo::editor {

class MenuWindows : public MenuWindowsPort, public property::MenuWindowDirectory {
 public:
  explicit MenuWindows(EditorState& state) : state_(state) {}
  ~MenuWindows() override;
  void attach(EditorWorkspace& workspace) { workspace_ = &workspace; }

  MenuDocument* openMenuWindow(const std::string& filePath, const std::string& preCaption) override;
  std::vector<MenuDocument*> documents() override;
  bool closeMenuWindow(MenuDocument& document) override;
  std::vector<property::OpenMenuWindow> openMenuWindows() override;

  const std::vector<MenuWindow*>& windows() const { return windows_; }
  // Where the windows of menus that give no place open, each a step further.
  void setFirstPlace(const QPoint& place) { firstPlace_ = place; }

 private:
  EditorState& state_;
  EditorWorkspace* workspace_ = nullptr;
  std::vector<MenuWindow*> windows_;
  QPoint firstPlace_;
  int opened_ = 0;
};

}  // namespace pemo::editor
