#pragma once
// Where the started programs' lists and the launcher bar join the shell. The shell
// calls them at their places in start-up, the commands and shutdown; until a part is
// built its hooks do nothing.
#include <string>

namespace pemo::shell {

class ShellHooks {
 public:
  virtual ~ShellHooks() = default;

  // Clears the started programs' lists at start-up.
  virtual void clearRunList() {}

  // The running-programs submenu of the popup menu, filled right before it shows.
  virtual void buildRunningAppsMenu() {}

  // Launcher bar: created at start-up (shown when asked), shown and hidden by the
  // launcher command, and closed with the window unless the program runs without it.
  virtual void createLauncher(bool show) { (void)show; }
  virtual void showLauncher(bool show) { (void)show; }
  virtual void closeLauncher() {}
  // Rebuilds the launcher's buttons from the run list (after the run list was edited).
  virtual void loadAppIcon() {}
};

}  // namespace pemo::shell
