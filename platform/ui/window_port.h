#pragma once
// Placing our windows by number: what the library's window methods need of the
// screen. Logic talks to this port; tests install a fake.
#include <cstdint>

#include "platform/ui/window_table.h"

namespace pemo::ui {

// A window's outer rectangle (frame included) in screen pixels.
struct WindowRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t width() const { return right - left; }
  int32_t height() const { return bottom - top; }
};

struct ScreenSize {
  int32_t width = 0;
  int32_t height = 0;
};

class WindowPort {
 public:
  virtual ~WindowPort() = default;
  // False for a number that names no window.
  virtual bool windowRect(WindowHandle handle, WindowRect& rect) = 0;
  // Moves the outer rectangle's top-left corner, keeping the size.
  virtual bool moveWindow(WindowHandle handle, int32_t left, int32_t top) = 0;
  // Sets the outer size, keeping the position.
  virtual bool resizeWindow(WindowHandle handle, int32_t width, int32_t height) = 0;
  // The primary screen in pixels.
  virtual ScreenSize screenSize() = 0;
  // The part of the primary screen that windows may take (without panels and docks).
  virtual ScreenSize availableSize() { return screenSize(); }
};

// The port in use: the one installed, else the one over our windows on screen.
WindowPort& windowPort();
// Installs a port (not owned); nullptr restores the screen's.
void setWindowPort(WindowPort* port);

}  // namespace pemo::ui
