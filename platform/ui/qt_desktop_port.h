#pragma once
#include <QFlags>
#include <Qt>

#include "platform/ui/desktop_port.h"

namespace pemo::ui {

// Synthetic key events (QKeyEvent) to the application's focused widget, the kind of a
// widget by its class, and the stays-on-top flag.
class QtDesktopPort : public DesktopPort {
 public:
  void sendKey(uint8_t virtualKey, uint8_t scanCode, bool keyUp) override;
  std::optional<int32_t> controlKind(WindowHandle handle) override;
  bool makeTopmost(WindowHandle handle) override;

 private:
  Qt::KeyboardModifiers modifiers_;
};

// The Qt key of a Windows virtual key; Qt::Key_unknown when there is none.
int qtKeyOfVirtualKey(uint8_t virtualKey);

}  // namespace pemo::ui
