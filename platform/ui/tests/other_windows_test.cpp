// Other programs' windows where there is no desktop to ask.
#include <gtest/gtest.h>

#include "platform/ui/qt_other_windows.h"
#include "platform/ui/xcb_other_windows.h"

namespace pemo::ui {
namespace {

TEST(OtherWindows, NoDesktopListsNothingAndBringsNothingForward) {
  // The offscreen platform has no desktop, whatever DISPLAY says.
  std::unique_ptr<OtherWindowsPort> offscreen = desktopOtherWindows();
  EXPECT_TRUE(offscreen->topLevelWindows().empty());
  offscreen->bringToFront(12345);

  // An X server that cannot be reached is a desktop without windows.
  XcbOtherWindows unreachable("unreachable.invalid:97");
  EXPECT_FALSE(unreachable.connected());
  EXPECT_TRUE(unreachable.topLevelWindows().empty());
  unreachable.bringToFront(12345);
}

}  // namespace
}  // namespace pemo::ui
