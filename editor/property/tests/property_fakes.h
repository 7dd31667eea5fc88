#pragma once
// Stand-ins for the menu windows and the main window in the property window's tests.
#include <functional>
#include <vector>

#include "editor/property/property_sheet.h"

namespace pemo::editor::property {

struct FakeMenuWindows : MenuWindowDirectory {
  std::vector<OpenMenuWindow> windows;
  std::vector<OpenMenuWindow> openMenuWindows() override { return windows; }
};

struct FakeMainWindow : MainWindowPort {
  std::function<void()> onChangeMainSetting;
  int changes = 0;
  void setRecentMenu() override {}
  void changeMainSetting() override {
    ++changes;
    if (onChangeMainSetting) onChangeMainSetting();
  }
  void setCaption(const std::string&) override {}
  void showRunState(bool) override {}
};

}  // namespace pemo::editor::property
