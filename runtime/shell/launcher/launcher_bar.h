#pragma once
// LauWin's logic: the buttons, the popup's commands, dropped programs, docking to a
// screen edge with the strip that expands under the cursor, and dragging the bar. The
// widget passes its events in and shows what this decides.
#include <string>
#include <vector>

#include "platform/process/program_port.h"
#include "runtime/page/runtime_state.h"
#include "runtime/shell/launcher/launcher_geometry.h"
#include "runtime/shell/launcher/launcher_ports.h"
#include "runtime/shell/launcher/launcher_settings.h"

namespace pemo::shell::launcher {

// Where the docked bar is in its hover cycle (hoverState()).
enum class Hover { Idle = 0, Expanded = 1, Stopping = 2 };

// What the popup shows when it opens.
struct PopupState {
  bool mostTop = false;
  bool edgeDock = false;      // also disables "表示方向(&V)"
  Orientation orientation = Orientation::Horizontal;
  int buttonSize = kLargeButton;
  bool deleteEnabled = false;  // "削除(&D)": a program's button was right-clicked
  bool hideMenu = false;
  const char* closeCaption = "";  // "ﾗﾝﾁｬを閉じる(&X)" or "終了(&X)"
};

class LauncherBar {
 public:
  LauncherBar(page::RuntimeState& runtime, LauncherView& view, LauncherHost& host, process::ProgramPort& programs);

  // Loading the bar: the settings, the buttons, and a docked bar collapsed.
  void load();
  // Rebuilds every button from the run list and sizes the bar.
  void loadAppIcon();
  // Unloading: the settings are written; in launcher-only mode the runtime window closes
  // and the program ends. False when the runtime window refused (its programs still
  // run): the bar stays.
  bool unload();

  // True when the runtime window is hidden and the bar is the program's window.
  bool hideMode() const { return settings_.hideMenu; }

  // Buttons.
  void buttonClicked(int index);
  // The right button on button `index` (0: the bar outside the buttons).
  void rightClicked(int index);
  PopupState popupState() const;

  // The popup's commands.
  void toggleMostTop();
  void toggleEdgeDock();
  void setOrientation(Orientation orientation);
  void setButtonSize(int buttonSize);
  void chooseBackground();
  void editRunInfo();
  void deleteLauncherEntry();
  void toggleHideMenu();
  // "ﾗﾝﾁｬを閉じる(&X)" hides the bar; "終了(&X)" unloads it. True when the bar went.
  bool closeItem();

  // Files dropped on the bar (Windows paths): the programs among them join the run
  // list while it has room. Returns how many joined.
  int dropFiles(const std::vector<std::string>& paths);
  // True when the file is a program and joined the run list (the drop then writes the
  // run-info file).
  bool addDroppedFile(const std::string& path);

  // Docking and the hover watch.
  void expandBar();
  void collapseBar();
  // The cursor moved over the bar or a button: a docked, collapsed bar expands and the
  // hover watch starts.
  void mouseMoved();
  // One look of the watch at the cursor (screen pixels): off the bar and not dragging,
  // the watch ends and the bar collapses.
  void hoverTick(int x, int y);

  // The drag: the left button pressed on the bar, the mouse moved with it down, the
  // button released. `local` positions are in the bar's pixels, `x`, `y` on the screen.
  void pressed(int localX, int localY);
  void dragMoved(int localX, int localY, int x, int y);
  void released();

  // State, for the widget and tests.
  Hover hoverState() const { return hover_; }
  bool dragging() const { return dragging_; }
  const BarRect& ghostRect() const { return ghost_; }
  const BarRect& bar() const { return bar_; }
  int buttonCount() const { return buttonCount_; }
  int menuButtonIndex() const { return menuButtonIndex_; }
  const LauncherSettings& settings() const { return settings_; }
  bool docked() const { return settings_.edgeDock; }

 private:
  void placeBar(const BarRect& rect);
  void setThickness(int thickness, bool buttonsVisible);
  BarRect fullBar() const;
  void endHoverWatch();
  void afterRunListChange();

  page::RuntimeState& runtime_;
  LauncherView& view_;
  LauncherHost& host_;
  process::ProgramPort& programs_;

  LauncherSettings settings_;
  BarRect bar_;
  int buttonCount_ = 1;
  std::vector<std::string> tags_;  // each button's command line, from 1
  Hover hover_ = Hover::Idle;
  bool watching_ = false;
  int menuButtonIndex_ = 0;

  bool dragging_ = false;
  Orientation dragStartOrientation_ = Orientation::Horizontal;
  int pressX_ = 0;
  int pressY_ = 0;
  BarRect ghost_;
};

}  // namespace pemo::shell::launcher
