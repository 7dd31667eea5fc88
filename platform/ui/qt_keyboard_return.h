#pragma once

#include <QPointer>
#include <QWidget>

namespace pemo::ui {

// Held across a modal box or dialog: when it ends, the window that was active before
// gets the keyboard back, at the widget that had it. A window manager does that itself;
// without one (a kiosk, a virtual screen) the keyboard goes nowhere and the next keys are
// lost. Where a window manager already did it, handing it back changes nothing.
class KeyboardReturn {
 public:
  KeyboardReturn();
  ~KeyboardReturn();
  KeyboardReturn(const KeyboardReturn&) = delete;
  KeyboardReturn& operator=(const KeyboardReturn&) = delete;

  // The window that was active when this was made: the owner for the box.
  QWidget* window() const { return window_; }

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> focus_;
};

}  // namespace pemo::ui
