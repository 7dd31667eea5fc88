// Centring a window, keeping it on top, and its rectangle in the application settings.
#include "kovan/kovan.h"
#include "kovan/window_placement.h"
#include "platform/text/numbers.h"
#include "platform/ui/desktop_port.h"
#include "platform/ui/window_port.h"

namespace pemo::kovan {

void KOVAN::MoveToCenter(const int32_t& wnd) {
  ui::WindowPort& windows = ui::windowPort();
  ui::WindowRect rect;
  if (!windows.windowRect(wnd, rect)) return;
  const ui::ScreenSize screen = windows.screenSize();
  const double left = text::RoundHalfEven(screen.width / 2.0 - rect.width() / 2.0);
  const double top = text::RoundHalfEven(screen.height / 2.0 - rect.height() / 2.0);
  windows.moveWindow(wnd, static_cast<int32_t>(left), static_cast<int32_t>(top));
}

void KOVAN::MostTopZOrder(const int32_t& hwnd) { ui::desktopPort().makeTopmost(hwnd); }

// A window that cannot be read, or a setting that cannot be stored, is a failed step and
// gives False.
bool KOVAN::SetWindowPosition(const int32_t& wnd, const String& AppName, const String& WindowName) {
  ui::WindowRect rect;
  if (!ui::windowPort().windowRect(wnd, rect)) return false;
  const std::pair<const char*, int32_t> values[] = {
      {"Left", rect.left}, {"Top", rect.top}, {"Width", rect.width()}, {"Height", rect.height()}};
  for (const auto& [keyword, number] : values)
    if (!SetRegData(AppName, WindowName, keyword, std::to_string(number))) return false;
  return true;
}

// The size is restored before the position is corrected to lie on the screen.
bool KOVAN::GetWindowPosition(const int32_t& wnd, const String& AppName, const String& WindowName,
                              const bool& KeepOnScreen, const Variant& RestoreSize) {
  ui::WindowPort& windows = ui::windowPort();
  const auto left = storedPixels(GetRegData(AppName, WindowName, "Left"));
  const auto top = storedPixels(GetRegData(AppName, WindowName, "Top"));
  if (!left || !top || !windows.moveWindow(wnd, *left, *top)) return false;
  if (!RestoreSize.isMissing()) {
    const auto width = storedPixels(GetRegData(AppName, WindowName, "Width"));
    const auto height = storedPixels(GetRegData(AppName, WindowName, "Height"));
    if (!width || !height || !windows.resizeWindow(wnd, *width, *height)) return false;
  }
  return !KeepOnScreen || keepOnScreen(windows, wnd, *left, *top);
}

}  // namespace pemo::kovan
