#pragma once
// What the library's keyboard, focus and z-order methods need of the desktop: key
// strokes to the focused control, the kind of a control, keeping a window on top.
// Logic talks to this port; tests install a fake.
#include <cstdint>
#include <optional>

#include "platform/ui/window_table.h"

namespace pemo::ui {

// Kinds of controls, as the library reports them.
enum ControlKind : int32_t {
  kTextBoxControl = 0,
  kComboOrEditControl = 1,  // a combo box or the edit field of one (or of a spin box)
  kOtherControl = 99,
};

class DesktopPort {
 public:
  virtual ~DesktopPort() = default;
  // One key going down or up (Windows virtual key and scan code), delivered to the
  // control that has the keyboard focus; modifier keys sent before it hold for it.
  virtual void sendKey(uint8_t virtualKey, uint8_t scanCode, bool keyUp) = 0;
  // The kind of a window's control; 0 means the focused control. nullopt when there is
  // no such control.
  virtual std::optional<int32_t> controlKind(WindowHandle handle) = 0;
  // Keeps the window above all others and shows it; false for a number that names none.
  virtual bool makeTopmost(WindowHandle handle) = 0;
};

// The port in use: the one installed, else the one over our widgets.
DesktopPort& desktopPort();
// Installs a port (not owned); nullptr restores the widgets' one.
void setDesktopPort(DesktopPort* port);

}  // namespace pemo::ui
