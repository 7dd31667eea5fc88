#pragma once
// The runtime window CMENU: one menu page at a time, with the menu tree and splitter on
// the left, the scroll bars, the corner button and the status bar. The page logic
// (MenuPage, LinkActions) decides; this window shows and forwards events.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <memory>

#include "platform/ui/control_array.h"
#include "runtime/page/link_actions.h"
#include "runtime/page/menu_page.h"
#include "runtime/page/registry_run_list.h"
#include "runtime/page/window/page_widgets.h"
#include "runtime/page/window/runtime_ports.h"

class QLabel;
class QScrollBar;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;
class QAction;
class QMenu;

namespace pemo::page {

class MenuTreePane;
struct ViewSettings;
class PageEventWiring;
class TiledBackground;

class RuntimeWindow : public QMainWindow, public PageView {
  Q_OBJECT
 public:
  // processes and runList may be left out for the system's own.
  RuntimeWindow(RuntimeState& runtime, ScriptPort& script, ProcessPort* processes = nullptr,
                RunProcessList* runList = nullptr);
  ~RuntimeWindow() override;

  MenuPage& page() { return *page_; }
  LinkActions& links() { return *links_; }
  MenuTreePort& tree();
  // The number that names this window in the registry (`Run\<handle>`).
  std::int32_t registryHandle() const { return handle_; }

  // Shows the menu tree (the first node is the start menu).
  void setMenuTree(const std::vector<MenuTreeNode>& nodes);
  // The first menu: close, open, lay out, and the tree's first node selected.
  void openFirstMenu(const std::string& path);
  // The tree-pane command of the menu bar.
  void toggleTreePane();

  // Widgets of the page objects, for the window's own tests.
  QWidget* objectWidget(ObjectKind kind, int index) const;
  QScrollBar* horizontalBar() const { return hsc_; }
  QScrollBar* verticalBar() const { return vsc_; }
  QString statusText() const;
  // The page's mouse and key events, the splitter drag and the pressed frame.
  PageEventWiring& pageEvents() { return *events_; }
  // Status panels 1 to 3 (panel 1 is the status line); other numbers read as "".
  std::string statusPanel(int panel) const;
  void setStatusPanel(int panel, const std::string& text);
  // The page's background colour as last set (BGR; the system's window colour at first).
  std::uint32_t backColor() const { return backColor_; }

  // "file,section,key" of the INI values that MENU.REQUERYAREAYEAR shows in status
  // panels 2 and 3; nothing in the system fills them.
  std::string areaParam;
  std::string yearParam;

  // PageView
  void setStatusText(const std::string& text) override;
  void setPointer(MousePointer pointer) override;
  void setOpening(bool opening) override;
  void yieldToEvents() override;
  bool treePaneShown() const override;
  int splitterLeft() const override;
  int splitterWidth() const override;
  void setCaption(const std::string& caption) override;
  void setBackColor(std::uint32_t bgr) override;
  int tileBackground(const std::string& hostPath) override;
  bool isPicture(const std::string& hostPath) override;
  void objectLoaded(const PageObject& object) override;
  void objectChanged(const PageObject& object) override;
  void objectsMoved() override;
  void pageCleared() override;
  void raiseFixedControls() override;
  void relayout() override;
  void enablePage(bool enabled) override;
  void closeWindow() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void applyViewSettings(const ViewSettings& settings);
  void buildFixedControls();
  QWidget* loadWidget(const PageObject& object);
  // Loads an element whose `clicked` signal reaches the page as a click of the object.
  template <class W, class Signal>
  W* loadClickable(ui::ControlArray<W>& array, ObjectKind kind, int index, Signal clicked);
  void objectClicked(ObjectKind kind, int index);
  void treeNodeClicked(int node);
  template <class F>
  void forEachObjectArray(F f);

  RuntimeState& runtime_;
  std::int32_t handle_;
  std::unique_ptr<SystemProcesses> ownProcesses_;
  std::unique_ptr<RegistryRunList> ownRunList_;
  RegistryRunList* registryRunList_ = nullptr;

  QWidget* client_ = nullptr;
  QTreeWidget* tv_ = nullptr;
  QFrame* seg_ = nullptr;
  QScrollBar* hsc_ = nullptr;
  QScrollBar* vsc_ = nullptr;
  QPushButton* exitBtn_ = nullptr;
  QFrame* fra_ = nullptr;
  QStatusBar* stbar_ = nullptr;
  QLabel* panels_[3] = {};
  std::uint32_t backColor_ = 0x8000000F;
  QMenu* menuMenu_ = nullptr;          // "ﾒﾆｭｰ": the tree pane and the end
  QMenu* runOptionHelpMenus_[3] = {};  // left alone in a test run
  QAction* treePaneItem_ = nullptr;

  std::unique_ptr<ui::ControlArray<ClickableLabel>> zc_;
  std::unique_ptr<ui::ControlArray<QPushButton>> cbtn_;
  std::unique_ptr<ui::ControlArray<QToolButton>> pbtn_;
  std::unique_ptr<ui::ControlArray<ClickableLabel>> img_;
  std::unique_ptr<ui::ControlArray<QRadioButton>> radio_;
  std::unique_ptr<ui::ControlArray<QCheckBox>> chk_;
  std::unique_ptr<ui::ControlArray<QGroupBox>> frame_;
  std::unique_ptr<ui::ControlArray<QComboBox>> cmb_;
  std::unique_ptr<ui::ControlArray<LineWidget>> ln_;

  std::unique_ptr<MenuTreePane> treePane_;
  std::unique_ptr<MenuPage> page_;
  std::unique_ptr<LinkActions> links_;
  PageEventWiring* events_ = nullptr;
  TiledBackground* background_ = nullptr;
  bool shuttingDown_ = false;
  QElapsedTimer lastYield_;
};

}  // namespace pemo::page
