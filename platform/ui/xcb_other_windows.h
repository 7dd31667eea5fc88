#pragma once
// Other programs' windows on an X server, through xcb and the desktop's window-manager
// hints: with a window manager its client list and its activation request; without
// one the root window's mapped children, raised and given the focus directly.
#include <memory>

#include "platform/ui/other_windows.h"

namespace pemo::ui {

class XcbOtherWindows : public OtherWindowsPort {
 public:
  // Connects to the display named (nullptr: $DISPLAY). Without a server the desktop
  // has no windows.
  explicit XcbOtherWindows(const char* display = nullptr);
  ~XcbOtherWindows() override;
  bool connected() const;

  std::vector<OtherWindow> topLevelWindows() override;
  void bringToFront(uint32_t id) override;

 private:
  struct Connection;
  std::unique_ptr<Connection> x_;
};

}  // namespace pemo::ui
