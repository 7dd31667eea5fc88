#pragma once
// The runtime window CMENU: the frame around the page surface, with the menu bar, the
// status bar and the menu tree, the close handler and the sweep of the run list.
#include <QMainWindow>
#include <memory>

#include "runtime/page/window/page_surface.h"
#include "runtime/page/registry_run_list.h"
#include "runtime/page/window/runtime_ports.h"

class QLabel;
class QMenu;
class QAction;
class QTreeWidget;

namespace pemo::shell {

class MenuTreePane;

class RuntimeWindow : public QMainWindow, public page::PageFrame {
  Q_OBJECT
 public:
  explicit RuntimeWindow(page::RuntimeState& runtime);
  ~RuntimeWindow() override;

  // The number that names this window in the registry (`Run\<handle>`).
  std::int32_t registryHandle() const { return handle_; }
  // The tree widget the page surface lays out, and the tree as the links walk it.
  QWidget* treeWidget() const;
  page::MenuTreePort& tree();

  // Puts the page surface in the window and shows the page on it; the run list is the
  // window's list of started programs, swept while the window is open and deleted at
  // its close. The parts must outlive the window's use of them.
  void showPage(page::PageSurface& surface, page::MenuPage& page, page::LinkActions& links,
                page::RegistryRunList& runList, page::ProcessPort& processes);

  // Shows the menu tree (the first node is the start menu).
  void setMenuTree(const std::vector<page::MenuTreeNode>& nodes);
  // The tree-pane command of the menu bar.
  void toggleTreePane();

  // Status panels 1 to 3 (panel 1 is the status line); other numbers read as "".
  std::string statusPanel(int panel) const;
  void setStatusPanel(int panel, const std::string& text);

  // PageFrame
  void setStatusText(const std::string& text) override;
  void setCaption(const std::string& caption) override;
  void enableMenus(bool enabled) override;
  int statusBarHeight() const override;
  void closeWindow() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildStatusBar();
  void treeNodeClicked(int node);

  page::RuntimeState& runtime_;
  std::int32_t handle_;
  QTreeWidget* tv_ = nullptr;
  std::unique_ptr<MenuTreePane> treePane_;
  QLabel* panels_[3] = {};
  QMenu* menuMenu_ = nullptr;          // "ﾒﾆｭｰ": the tree pane and the end
  QMenu* runOptionHelpMenus_[3] = {};  // left alone in a test run
  QAction* treePaneItem_ = nullptr;

  page::PageSurface* surface_ = nullptr;
  page::MenuPage* page_ = nullptr;
  page::LinkActions* links_ = nullptr;
  page::RegistryRunList* runList_ = nullptr;
  bool shuttingDown_ = false;
};

}  // namespace pemo::shell
