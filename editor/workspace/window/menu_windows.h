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

 private:
  EditorState& state_;
  EditorWorkspace* workspace_ = nullptr;
  std::vector<MenuWindow*> windows_;
};

}  // namespace pemo::editor
