#include "platform/ui/qt_other_windows.h"

#include <QGuiApplication>

#include "platform/ui/xcb_other_windows.h"

namespace pemo::ui {

std::unique_ptr<OtherWindowsPort> desktopOtherWindows() {
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    auto x = std::make_unique<XcbOtherWindows>();
    if (x->connected()) return x;
  }
  return std::make_unique<NoOtherWindows>();
}

}  // namespace pemo::ui
