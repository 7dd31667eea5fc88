#pragma once
// Showing a widget in a window under the pointer makes Qt look for the widget the pointer
// is now over, through the window's children from the top down. The widgets of a menu's
// objects let the mouse through, so each look passed every object the window holds, and
// a paste of hundreds of objects into a window of thousands cost their product. While a
// PointerStop lives, a one-pixel widget under the pointer stands above the window's
// objects and every look ends there: the widgets shown meanwhile cost what they are.
#include <QPointer>
#include <QWidget>

namespace pemo::editor {

class PointerStop {
 public:
  // `window` is a top-level window; nothing stands in it when the pointer is elsewhere.
  explicit PointerStop(QWidget* window);
  ~PointerStop();
  PointerStop(const PointerStop&) = delete;
  PointerStop& operator=(const PointerStop&) = delete;

 private:
  QPointer<QWidget> stop_;  // gone with the window, should the window go first
};

}  // namespace pemo::editor
