#pragma once
// Other programs' top-level windows on the desktop: which process owns each, whether it
// belongs to another window, its title, and bringing one to the front. Logic talks to
// this port; the X server's implementation is XcbOtherWindows, tests use a fake.
#include <cstdint>
#include <string>
#include <vector>

namespace pemo::ui {

// A window of the desktop, named by the display server's 32-bit number.
struct OtherWindow {
  uint32_t id = 0;
  long pid = 0;            // 0 when the window does not say
  bool hasParent = false;  // a dialog or tool window that belongs to another window
  std::string title;       // UTF-8
};

class OtherWindowsPort {
 public:
  virtual ~OtherWindowsPort() = default;
  // The desktop's top-level windows in the order the desktop lists them.
  virtual std::vector<OtherWindow> topLevelWindows() = 0;
  // Brings the window to the front with the keyboard focus; a window that has gone
  // meanwhile is ignored.
  virtual void bringToFront(uint32_t id) = 0;
};

// A desktop without windows (no display server, the offscreen platform).
class NoOtherWindows : public OtherWindowsPort {
 public:
  std::vector<OtherWindow> topLevelWindows() override { return {}; }
  void bringToFront(uint32_t) override {}
};

}  // namespace pemo::ui
