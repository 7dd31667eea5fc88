#include "platform/ui/qt_window_port.h"

#include "platform/ui/qt_outer_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace pemo::ui {
namespace {

QtWindowPort screenPort;
WindowPort* installed = nullptr;

QRect outerRect(const QWidget* w) {
  if (w->isWindow()) return w->frameGeometry();
  return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

QScreen* primaryScreen() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
}

}  // namespace

WindowPort& windowPort() { return installed ? *installed : screenPort; }

void setWindowPort(WindowPort* port) { installed = port; }

bool QtWindowPort::windowRect(WindowHandle handle, WindowRect& rect) {
  QWidget* w = windowFromHandle(handle);
  if (!w) return false;
  QRect r = outerRect(w);
  rect = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  return true;
}

bool QtWindowPort::moveWindow(WindowHandle handle, int32_t left, int32_t top) {
  QWidget* w = windowFromHandle(handle);
  if (!w) return false;
  QPoint target(left, top);
  if (w->isWindow()) {
    moveOuter(w, target);
    return true;
  }
  // A child's position is in its parent's coordinates.
  if (w->parentWidget()) target = w->parentWidget()->mapFromGlobal(target);
  w->move(target);
  return true;
}

bool QtWindowPort::resizeWindow(WindowHandle handle, int32_t width, int32_t height) {
  QWidget* w = windowFromHandle(handle);
  if (!w) return false;
  if (w->isWindow()) resizeOuter(w, QSize(width, height));
  else w->resize(std::max(0, width), std::max(0, height));
  return true;
}

ScreenSize QtWindowPort::screenSize() {
  QScreen* screen = primaryScreen();
  if (!screen) return {};
  return {screen->geometry().width(), screen->geometry().height()};
}

ScreenSize QtWindowPort::availableSize() {
  QScreen* screen = primaryScreen();
  if (!screen) return {};
  return {screen->availableGeometry().width(), screen->availableGeometry().height()};
}

}  // namespace pemo::ui
