#pragma once
// Stand-ins for the menu windows and the main window in the property window's tests.
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "editor/property/picture_port.h"
#include "editor/property/property_sheet.h"

namespace pemo::editor::property {

struct FakeMenuWindows : MenuWindowDirectory {
  std::vector<OpenMenuWindow> windows;
  std::vector<ObjectRef> objectsShown;
  int menusShown = 0;
  int selectionsMoved = 0;
  std::vector<OpenMenuWindow> openMenuWindows() override { return windows; }
  void showObjectChanged(MenuDocument&, ObjectRef object) override { objectsShown.push_back(object); }
  void showMenuChanged(MenuDocument&) override { ++menusShown; }
  void showSelectionMoved(MenuDocument&) override { ++selectionsMoved; }
};

// Pictures by host path; any other file is none.
struct FakePictures : PicturePort {
  std::map<std::string, PictureSize> sizes;
  std::optional<PictureSize> readPicture(const std::string& hostPath) override {
    auto it = sizes.find(hostPath);
    if (it == sizes.end()) return std::nullopt;
    return it->second;
  }
};

// Answers every dialog from what the test put here; nullopt is a cancel.
struct FakeDialogs : PropertyDialogs {
  std::optional<std::uint32_t> colour;
  std::optional<FontChoice> font;
  std::optional<std::string> file;
  std::vector<std::optional<std::uint32_t>> colourStarts;
  std::vector<FontChoice> fontStarts;
  std::vector<std::pair<std::string, std::string>> fileRequests;  // title, filter
  std::optional<std::uint32_t> chooseColour(std::optional<std::uint32_t> start) override {
    colourStarts.push_back(start);
    return colour;
  }
  std::optional<FontChoice> chooseFont(const FontChoice& start) override {
    fontStarts.push_back(start);
    return font;
  }
  std::optional<std::string> chooseFile(const std::string& title, const std::string& filter) override {
    fileRequests.emplace_back(title, filter);
    return file;
  }
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
