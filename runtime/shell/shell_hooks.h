#pragma once
// Where the run list, the favourites and the launcher bar join the shell. The shell
// calls them at their places in start-up, the commands and shutdown; until a part is
// built its hooks do nothing.
#include <string>

namespace pemo::shell {

class ShellHooks {
 public:
  virtual ~ShellHooks() = default;

  // Run list: clear the started programs' lists at start-up; read the run-info file and build the RUN menu (not in a test run), and
  // write it back at shutdown.
  virtual void clearRunList() {}
  virtual void loadRunList() {}
  virtual void saveRunList() {}

  // The running-programs submenu of the popup menu, filled right before it shows.
  virtual void buildRunningAppsMenu() {}

  // Favourites: the start menu's list was named (RuntimeState::favouritesFile); load it
  // and build its submenu.
  virtual void loadFavourites() {}

  // Launcher bar: created at start-up (shown when asked), shown and hidden by the
  // launcher command, and closed with the window unless the program runs without it.
  virtual void createLauncher(bool show) { (void)show; }
  virtual void showLauncher(bool show) { (void)show; }
  virtual void closeLauncher() {}
};

}  // namespace pemo::shell
