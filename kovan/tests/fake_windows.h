#pragma once
// Test fakes of the window and desktop ports, installed while they live.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "platform/ui/desktop_port.h"
#include "platform/ui/window_port.h"

namespace pemo::kovan {

// Windows by number on a 1024 by 768 screen.
class FakeWindows : public ui::WindowPort {
 public:
  FakeWindows() { ui::setWindowPort(this); }
  ~FakeWindows() override { ui::setWindowPort(nullptr); }
  std::map<ui::WindowHandle, ui::WindowRect> rects;

  bool windowRect(ui::WindowHandle h, ui::WindowRect& rect) override {
    auto it = rects.find(h);
    if (it == rects.end()) return false;
    rect = it->second;
    return true;
  }
  bool moveWindow(ui::WindowHandle h, int32_t left, int32_t top) override {
    auto it = rects.find(h);
    if (it == rects.end()) return false;
    ui::WindowRect& r = it->second;
    r = {left, top, left + r.width(), top + r.height()};
    return true;
  }
  bool resizeWindow(ui::WindowHandle h, int32_t width, int32_t height) override {
    auto it = rects.find(h);
    if (it == rects.end()) return false;
    it->second.right = it->second.left + width;
    it->second.bottom = it->second.top + height;
    return true;
  }
  ui::ScreenSize screenSize() override { return {1024, 768}; }
};

inline void expectRect(const ui::WindowRect& r, int32_t left, int32_t top, int32_t width, int32_t height) {
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.width(), width);
  EXPECT_EQ(r.height(), height);
}

// Records the key strokes sent and answers control kinds from a table.
class FakeDesktop : public ui::DesktopPort {
 public:
  struct Key {
    int virtualKey;
    int scanCode;
    bool up;
    bool operator==(const Key&) const = default;
  };
  FakeDesktop() { ui::setDesktopPort(this); }
  ~FakeDesktop() override { ui::setDesktopPort(nullptr); }
  std::vector<Key> keys;
  std::map<ui::WindowHandle, int32_t> kinds;  // 0: the focused control
  std::vector<ui::WindowHandle> topmost;

  void sendKey(uint8_t virtualKey, uint8_t scanCode, bool keyUp) override {
    keys.push_back({virtualKey, scanCode, keyUp});
  }
  std::optional<int32_t> controlKind(ui::WindowHandle handle) override {
    auto it = kinds.find(handle);
    if (it == kinds.end()) return std::nullopt;
    return it->second;
  }
  bool makeTopmost(ui::WindowHandle handle) override {
    topmost.push_back(handle);
    return true;
  }
};

}  // namespace pemo::kovan
