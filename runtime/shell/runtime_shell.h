#pragma once
// The runtime shell around the page: the window's creation in its fixed order, its
// close with the check for started programs and the clean-up that every close runs,
// and the menu-bar commands.
#include "platform/process/power.h"
#include "runtime/page/link_actions.h"
#include "runtime/page/menu_page.h"
#include "runtime/shell/favourites.h"
#include "runtime/shell/menu_tree_events.h"
#include "runtime/shell/menu_tree_scan.h"
#include "runtime/shell/run_menu.h"
#include "runtime/shell/shell_hooks.h"
#include "runtime/shell/shell_window.h"
#include "runtime/shell/startup.h"

namespace pemo::shell {

// The menu-bar and popup commands that are the shell's own.
enum class ShellCommand {
  TreePane,        // "ﾘﾝｸﾂﾘｰ(&T)"
  TopMenu,         // "最上位ﾒﾆｭｰ表示(&M)"
  OpenFavourites,  // opening the submenu "よく使うﾒﾆｭｰ(&U)"
  Shutdown,        // "Windowsの終了(&E)"
  Restart,         // "ｺﾝﾋﾟｭｰﾀを再起動(&R)"
  Exit,            // "終了(&X)"
  Launcher,        // "ﾗﾝﾁｬ表示(&L)"
  TreeFont,        // "ﾌｫﾝﾄの設定(&F)" and the popup's "ﾌｫﾝﾄ(&F)"
  Help,            // "HTMLﾍﾙﾌﾟ(&H)"
  Version,         // "ﾊﾞｰｼﾞｮﾝ情報(&A)"
};

class RuntimeShell {
 public:
  struct Parts {
    page::RuntimeState& runtime;
    page::MenuPage& page;
    page::LinkActions& links;
    page::PageEvents& pageEvents;
    ShellWindowPort& window;
    MenuTreeView& tree;
    ShellHooks& hooks;
    process::PowerPort& power;
  };
  explicit RuntimeShell(const Parts& parts);

  // The window's creation, after the start file was found. `read` reads the menu files
  // for the tree (the file system's by default).
  void createWindow(const Startup& start, const MenuFileReader& read = {});
  // The close handler: false when programs this window started still run (the user is
  // told and nothing changes); otherwise the clean-up has run and the window may go.
  bool closeRequested();
  void shutdownCleanup();

  // A command of the menu bar or the popup menu. While a script runs, the commands of
  // "ﾒﾆｭｰ(&M)" other than the tree pane only say so.
  void run(ShellCommand command);
  // The popup menu is about to show (the right button on the page or the tree).
  void popupOpening() { parts_.hooks.buildRunningAppsMenu(); }
  // The launcher bar was closed from its own menu.
  void checkOffShowLaunch();

  MenuTreeEvents& treeEvents() { return treeEvents_; }
  RunMenu& runMenu() { return runMenu_; }
  Favourites& favourites() { return favourites_; }
  bool showLaunchSetting() const { return showLaunchSetting_; }
  bool noStartFile() const { return noStartFile_; }

 private:
  void loadUserTree(const std::string& startFile, const MenuFileReader& read);
  void startMenuOpened(bool treeCut);
  void prepareUserFolder();
  void askPower(const char* question, void (process::PowerPort::*request)());

  Parts parts_;
  MenuTreeEvents treeEvents_;
  RunMenu runMenu_;
  Favourites favourites_;
  bool noStartFile_ = false;
  bool showLaunchSetting_ = false;
};

}  // namespace pemo::shell
