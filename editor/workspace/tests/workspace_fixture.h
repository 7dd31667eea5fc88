#pragma once
// Fakes of the editor's windows and programs around a real workspace logic, for the
// workspace tests.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "editor/document/document_lifecycle.h"
#include "editor/document/tests/document_fixture.h"
#include "editor/workspace/editor_workspace.h"
#include "platform/fs/windows_path.h"
#include "platform/process/tests/fake_programs.h"

namespace pemo::editor {

class FakeView : public MainWindowView {
 public:
  void applyCommands(const CommandState& applied) override { commands = applied; }
  void showCaption(const std::string& shown) override { caption = shown; }
  void showRecentItems(const std::vector<std::string>& captions) override { recentItems = captions; }
  CommandState commands;
  std::string caption;
  std::vector<std::string> recentItems;
};

class FakeWindows : public WorkspaceWindowsPort {
 public:
  void showPropertyWindow() override { ++propertyShown; }
  void showSetEditorDialog() override {}
  void showAboutBox() override {}
  void closeMainWindow() override {}
  int propertyShown = 0;
};

using process::testing::FakePrograms;

// Menu windows as plain documents: opening one loads it and activates it, closing one
// asks the workspace as the window's unload does.
class FakeMenuWindows : public MenuWindowsPort {
 public:
  FakeMenuWindows(EditorState& state) : state_(state) {}
  void attach(EditorWorkspace& workspace) { workspace_ = &workspace; }

  MenuDocument* openMenuWindow(const std::string& filePath, const std::string& untitledCaption) override {
    auto& window = windows_.emplace_back(std::make_unique<MenuDocument>());
    window->filePath = filePath;
    window->untitledCaption = untitledCaption;
    loadMenuDocument(*window, state_, handleOf(window.get()));
    if (workspace_) workspace_->menuWindowActivated(*window, handleOf(window.get()));
    return window.get();
  }
  std::vector<MenuDocument*> documents() override {
    std::vector<MenuDocument*> all;
    for (auto& window : windows_) all.push_back(window.get());
    return all;
  }
  bool closeMenuWindow(MenuDocument& document) override {
    if (!workspace_->menuWindowMayClose(document)) return false;
    workspace_->menuWindowClosed(document);
    std::erase_if(windows_, [&](auto& window) { return window.get() == &document; });
    return true;
  }
  void bringToFront(MenuDocument& document) override {
    broughtToFront.push_back(&document);
    activate(document);
  }
  void activate(MenuDocument& document) { workspace_->menuWindowActivated(document, handleOf(&document)); }
  std::vector<MenuDocument*> broughtToFront;
  std::uint32_t handleOf(const MenuDocument* document) {
    auto [it, added] = handles_.emplace(document, static_cast<std::uint32_t>(handles_.size() + 1));
    return it->second;
  }

 private:
  EditorState& state_;
  EditorWorkspace* workspace_ = nullptr;
  std::vector<std::unique_ptr<MenuDocument>> windows_;
  std::map<const MenuDocument*, std::uint32_t> handles_;
};

class FakeFileDialog : public FileDialogPort {
 public:
  std::optional<std::string> showOpen(const Request& request) override { return answer(request); }
  std::optional<std::string> showSave(const Request& request) override { return answer(request); }
  std::optional<std::string> answer(const Request& request) {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    auto next = answers.front();
    answers.erase(answers.begin());
    return next;
  }
  std::vector<std::optional<std::string>> answers;
  std::vector<Request> requests;
};

class WorkspaceTest : public DocumentTest {
 protected:
  WorkspaceTest() : menuWindows(state), workspace(state, view, windows, objects), propertyWindow(workspace) {
    state.appFolder = fs::toWindowsPath(dir.path().string()) + "\\";
    state.mainWindow = &workspace;
    state.propertyWindow = &propertyWindow;
    state.menuWindows = &menuWindows;
    state.programs = &programs;
    state.fileDialog = &dialog;
    menuWindows.attach(workspace);
  }
  std::string windowsPath(const std::string& name) { return fs::toWindowsPath(path(name)); }

  FakeView view;
  FakeWindows windows;
  NoObjectCommands objects;
  FakePrograms programs;
  FakeFileDialog dialog;
  FakeMenuWindows menuWindows;
  EditorWorkspace workspace;
  CommandsOnlyPropertyWindow propertyWindow;
};

}  // namespace pemo::editor
