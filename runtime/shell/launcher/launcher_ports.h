#pragma once
// What the launcher bar's logic needs of its window (the widget) and of the program
// around it (the runtime window and its run list).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/shell/launcher/launcher_geometry.h"

namespace pemo::shell::launcher {

// Where a button's picture comes from.
struct ButtonIcon {
  enum Kind { None, Folder, File } kind = None;
  std::string hostPath;  // for File
};

struct LauncherButton {
  int index = 0;        // 1 the Explorer button, k >= 2 run-list entry k - 2
  std::string tooltip;
  std::string tag;      // the command line a click starts
  ButtonIcon icon;
  BarRect rect;         // inside the bar
};

class LauncherView {
 public:
  virtual ~LauncherView() = default;
  // Replaces every button.
  virtual void setButtons(const std::vector<LauncherButton>& buttons) = 0;
  virtual void setButtonsVisible(bool visible) = 0;
  // The bar's rectangle on the screen, in pixels.
  virtual void placeBar(const BarRect& rect) = 0;
  virtual void showBar(bool shown) = 0;
  virtual void setTopmost(bool topmost) = 0;
  virtual void setBackground(std::uint32_t bgr) = 0;
  // The colour dialog; nothing when it was cancelled or failed.
  virtual std::optional<std::uint32_t> chooseColour(std::uint32_t current) = 0;
  // Inverts an outline on the screen; the same rectangle again erases it.
  virtual void invertGhost(const BarRect& rect) = 0;
  // Starts or ends the hover watch's look at the cursor.
  virtual void setHoverWatch(bool running) = 0;
  virtual ui::ScreenSize screenSize() = 0;
};

class LauncherHost {
 public:
  virtual ~LauncherHost() = default;
  virtual void showRuntimeWindow(bool shown) = 0;
  // Closes the runtime window through its close sequence; false when it refused.
  virtual bool closeRuntimeWindow() = 0;
  virtual void endProgram() = 0;
  // The bar was hidden by its own close item: the runtime window's launcher item unticks.
  virtual void checkOffShowLaunch() = 0;
  // The RUN menu follows the run list again.
  virtual void editRunMenu() = 0;
  // The registration dialog, modal.
  virtual void editRunInfo() = 0;
};

}  // namespace pemo::shell::launcher
