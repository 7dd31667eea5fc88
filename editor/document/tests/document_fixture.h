#pragma once
// Fakes of the windows and the registry, and an editor state that works in a temporary
// folder, for the document tests.
#include <gtest/gtest.h>

#include <map>

#include "editor/document/editor_state.h"
#include "platform/testing/temp_dir.h"
#include "platform/ui/message_port.h"

namespace pemo::editor {

class FakeRecentKey : public RecentKeyPort {
 public:
  bool open() override { ++opens; return openable; }
  std::vector<std::string> values() override {
    std::vector<std::string> data;
    for (const auto& [name, text] : stored) data.push_back(text);
    return data;
  }
  void setValue(const std::string& name, const std::string& text) override {
    for (auto& [n, t] : stored)
      if (n == name) { t = text; return; }
    stored.emplace_back(name, text);
  }
  void close() override {}
  bool openable = true;
  int opens = 0;
  std::vector<std::pair<std::string, std::string>> stored;  // in creation order
};

class FakeMainWindow : public MainWindowPort {
 public:
  void setRecentMenu() override { ++recentMenuRebuilds; }
  void changeMainSetting() override {}
  void setCaption(const std::string& caption) override { this->caption = caption; }
  void showRunState(bool) override {}
  int recentMenuRebuilds = 0;
  std::string caption;
};

class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() : messages_(&shown) {
    state.scriptWorkFolder = dir / "work";
    state.mainWindow = &mainWindow;
    state.recentKey = &recentKey;
  }
  std::string path(const std::string& name) const { return (dir / name).string(); }

  // First, so that every test starts as the editor's first start does.
  pemo::testing::ConfigFolder config;
  pemo::testing::TempDir dir;
  ui::RecordingMessagePort shown;
  FakeRecentKey recentKey;
  FakeMainWindow mainWindow;
  EditorState state;

 private:
  ui::ScopedMessagePort messages_;
};

}  // namespace pemo::editor
