#pragma once
#include "platform/ui/window_port.h"

namespace pemo::ui {

// Our registered widgets on screen. For a top-level window the rectangle is its
// frame; for a widget inside another, its own rectangle in screen coordinates.
class QtWindowPort : public WindowPort {
 public:
  bool windowRect(WindowHandle handle, WindowRect& rect) override;
  bool moveWindow(WindowHandle handle, int32_t left, int32_t top) override;
  bool resizeWindow(WindowHandle handle, int32_t width, int32_t height) override;
  ScreenSize screenSize() override;
  ScreenSize availableSize() override;
};

}  // namespace pemo::ui
