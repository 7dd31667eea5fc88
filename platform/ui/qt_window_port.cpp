#include "platform/ui/qt_window_port.h"

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
  // A window's position is its frame's; a child's is in its parent's coordinates.
  QPoint target(left, top);
  if (!w->isWindow() && w->parentWidget()) target = w->parentWidget()->mapFromGlobal(target);
  w->move(target);
  return true;
}

bool QtWindowPort::resizeWindow(WindowHandle handle, int32_t width, int32_t height) {
  QWidget* w = windowFromHandle(handle);
  if (!w) return false;
  // The outer size includes the frame; the widget's own size does not.
  QRect outer = outerRect(w);
  int frameWidth = outer.width() - w->width();
  int frameHeight = outer.height() - w->height();
  w->resize(std::max(0, width - frameWidth), std::max(0, height - frameHeight));
  return true;
}

ScreenSize QtWindowPort::screenSize() {
  QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                        ? QGuiApplication::primaryScreen()
                        : nullptr;
  if (!screen) return {};
  return {screen->geometry().width(), screen->geometry().height()};
}

}  // namespace pemo::ui
