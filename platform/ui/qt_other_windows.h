#pragma once
// Other programs' windows as this program's platform sees them: the X server's under
// the xcb platform; none under any other (the offscreen platform has no desktop).
#include <memory>

#include "platform/ui/other_windows.h"

namespace pemo::ui {

std::unique_ptr<OtherWindowsPort> desktopOtherWindows();

}  // namespace pemo::ui
