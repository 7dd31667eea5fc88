#include "platform/ui/qt_keyboard_return.h"

#include <QApplication>

namespace pemo::ui {

KeyboardReturn::KeyboardReturn()
    : window_(QApplication::activeWindow()), focus_(QApplication::focusWidget()) {}

KeyboardReturn::~KeyboardReturn() {
  if (!window_ || !window_->isVisible()) return;
  // Another modal window opened meanwhile keeps the keyboard.
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window_) return;
  window_->activateWindow();
  if (focus_ && focus_->window() == window_) focus_->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace pemo::ui
