#pragma once
// The runtime window CMENU: the frame around the page surface, with the menu bar and
// the popup menu, the status bar and the menu tree. The shell's logic (RuntimeShell)
// decides what the commands, the tree's events and a close do; the window shows it.
#include <QMainWindow>
#include <memory>

#include "runtime/page/registry_run_list.h"
#include "runtime/page/window/page_surface.h"
#include "runtime/shell/runtime_shell.h"

class QLabel;
class QMenu;
class QAction;

namespace pemo::shell {

class MenuTreePane;
class MenuTreeWidget;
class MenuItemBlock;

class RuntimeWindow : public QMainWindow, public page::PageFrame, public ShellWindowPort {
  Q_OBJECT
 public:
  explicit RuntimeWindow(page::RuntimeState& runtime);
  ~RuntimeWindow() override;

  // The number that names this window in the registry (`Run\<handle>`).
  std::int32_t registryHandle() const { return handle_; }
  // The tree widget the page surface lays out, and the tree as the shell and the links
  // walk it.
  QWidget* treeWidget() const;
  MenuTreeView& tree();

  // Puts the page surface in the window and shows the page on it; the run list is the
  // window's list of started programs, deleted when the window closes. The parts must
  // outlive the window's use of them.
  void showPage(page::PageSurface& surface, page::MenuPage& page, page::LinkActions& links,
                page::RegistryRunList& runList);
  // From now on the menus, the tree's events and the close go to the shell.
  void attachShell(RuntimeShell& shell);

  // The menus the run list and the favourites fill: "実行(&R)", "よく使うﾒﾆｭｰ(&U)" and
  // the popup's "実行中のｱﾌﾟﾘｹｰｼｮﾝ(&R)".
  QMenu* runMenu() const { return runMenu_; }
  QMenu* favouritesMenu() const { return favouritesMenu_; }
  QMenu* runningAppsMenu() const { return runningAppsMenu_; }
  // The popup menu POPMNU, shown at a global position.
  QMenu* popupMenu() const { return popupMenu_; }
  void showPopupMenu(const QPoint& at);

  // Status panels 1 to 3 (panel 1 is the status line); other numbers read as "".
  std::string statusPanel(int panel) const;
  void setStatusPanel(int panel, const std::string& text);

  // PageFrame
  void setStatusText(const std::string& text) override;
  void setCaption(const std::string& caption) override;
  void enableMenus(bool enabled) override;
  int statusBarHeight() const override;
  void closeWindow() override;

  // ShellWindowPort
  void applyViewSettings(const ViewSettings& settings) override;
  ViewSettings currentViewSettings() override;
  void restoreWindowRect() override;
  void storeWindowRect() override;
  void showWindow() override;
  void setItemEnabled(ShellItem item, bool enabled) override;
  void setLauncherChecked(bool checked) override;
  void toggleTreePane() override;
  void clearRunProcessList() override;
  void showRunMenuItems(const std::vector<RunMenuItem>& items) override;
  void showRunRegistration() override;
  void showFavouriteItems(const std::vector<std::string>& captions) override;
  std::optional<std::vector<page::FavouriteMenu>> showFavouritesDeleteDialog() override;
  void chooseTreeFont() override;
  void showVersionDialog() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildMenus();
  void buildStatusBar();
  QAction* addCommand(QMenu* menu, const char* caption, ShellCommand command, QKeySequence key = {});
  // A fixed item of an item array ("MNURUN", "MNUUSER") that goes to the array's handler.
  QAction* addArrayItem(QMenu* menu, const char* caption, const char* arrayName, int index, QKeySequence key,
                        void (RuntimeWindow::*clicked)(int, const std::string&));
  void runMenuClicked(int index, const std::string& tag);
  void favouritesClicked(int index, const std::string& tag);
  void run(ShellCommand command);
  QAction* itemAction(ShellItem item) const;

  page::RuntimeState& runtime_;
  std::int32_t handle_;
  MenuTreeWidget* tree_ = nullptr;
  const QObject* treeViewport_ = nullptr;  // where the tree's mouse is watched
  std::unique_ptr<MenuTreePane> treePane_;
  QLabel* panels_[3] = {};

  QMenu* menuMenu_ = nullptr;  // "ﾒﾆｭｰ(&M)"
  QMenu* runMenu_ = nullptr;
  QMenu* optionMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QMenu* favouritesMenu_ = nullptr;
  QMenu* popupMenu_ = nullptr;
  QMenu* runningAppsMenu_ = nullptr;
  QAction* treePaneItem_ = nullptr;
  QAction* topMenuItem_ = nullptr;
  QAction* shutdownItem_ = nullptr;
  QAction* restartItem_ = nullptr;
  QAction* launcherItem_ = nullptr;
  std::unique_ptr<MenuItemBlock> runListItems_;     // MNURUN 50 to 90
  std::unique_ptr<MenuItemBlock> favouriteItems_;   // MNUUSER 0 to 19 and 98

  page::PageSurface* surface_ = nullptr;
  page::MenuPage* page_ = nullptr;
  page::RegistryRunList* runList_ = nullptr;
  RuntimeShell* shell_ = nullptr;
  std::string treeFontName_ = "ＭＳ Ｐゴシック";  // the tree font's name as stored
  bool shuttingDown_ = false;
};

}  // namespace pemo::shell
