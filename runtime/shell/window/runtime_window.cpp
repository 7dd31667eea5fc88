#include "runtime/shell/window/runtime_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "platform/ui/message_port.h"
#include "platform/ui/window_table.h"
#include "runtime/messages.h"
#include "runtime/page/splitter.h"
#include "runtime/shell/window/menu_tree_pane.h"
#include "runtime/shell/window/view_settings.h"

namespace pemo::shell {
namespace {

using namespace runtime_messages;

constexpr int kRunListSweepMs = 2000;

}  // namespace

RuntimeWindow::RuntimeWindow(page::RuntimeState& runtime) : runtime_(runtime), handle_(ui::registerWindow(this)) {
  setWindowTitle(kTitle);
  setObjectName("CMENU");
  buildMenus();
  buildStatusBar();
  tv_ = new QTreeWidget(this);
  tv_->setObjectName("TV");
  tv_->setHeaderHidden(true);
  treePane_ = std::make_unique<MenuTreePane>(tv_);
  connect(tv_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { treeNodeClicked(treePane_->nodeOf(item)); });
  setMinimumSize(page::kMinimumWindowSize, page::kMinimumWindowSize);
  resize(720, 540);
}

RuntimeWindow::~RuntimeWindow() = default;

void RuntimeWindow::buildMenus() {
  menuMenu_ = menuBar()->addMenu(QStringLiteral("ﾒﾆｭｰ(&M)"));
  treePaneItem_ = menuMenu_->addAction(QStringLiteral("ﾂﾘｰ表示(&T)"));
  treePaneItem_->setCheckable(true);
  treePaneItem_->setChecked(true);
  connect(treePaneItem_, &QAction::triggered, this, [this] { toggleTreePane(); });
  menuMenu_->addSeparator();
  connect(menuMenu_->addAction(QStringLiteral("終了(&X)")), &QAction::triggered, this, &QWidget::close);
  runOptionHelpMenus_[0] = menuBar()->addMenu(QStringLiteral("実行(&R)"));
  runOptionHelpMenus_[1] = menuBar()->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
  runOptionHelpMenus_[2] = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
}

void RuntimeWindow::buildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("STBAR");
  bar->setSizeGripEnabled(true);
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(bar);
    if (i == 0)
      bar->addWidget(panels_[i], 1);
    else {
      panels_[i]->setMinimumWidth(80);
      bar->addPermanentWidget(panels_[i]);
    }
  }
}

void RuntimeWindow::showPage(page::PageSurface& surface, page::MenuPage& page, page::LinkActions& links,
                             page::RegistryRunList& runList, page::ProcessPort& processes) {
  surface_ = &surface;
  page_ = &page;
  links_ = &links;
  runList_ = &runList;
  setCentralWidget(&surface);
  surface.showPage(page, links, *treePane_);

  const ViewSettings settings = loadViewSettings();
  // A stored position beyond the screen would leave the splitter out of the mouse's reach.
  int left = settings.segmentPosition;
  if (QScreen* shown = screen()) left = page::clampSplitterLeft(left, shown->availableGeometry().width());
  surface.placeTreePane(settings.treeView, left);
  treePaneItem_->setChecked(settings.treeView);
  page.state().splitterLeft = surface.splitterLeft();

  // Programs that have ended leave the window's list.
  auto* sweep = new QTimer(this);
  connect(sweep, &QTimer::timeout, this, [this, &processes] { runList_->dropEnded(processes); });
  sweep->start(kRunListSweepMs);
}

QWidget* RuntimeWindow::treeWidget() const { return tv_; }

page::MenuTreePort& RuntimeWindow::tree() { return *treePane_; }

void RuntimeWindow::setMenuTree(const std::vector<page::MenuTreeNode>& nodes) { treePane_->setNodes(nodes); }

void RuntimeWindow::toggleTreePane() {
  const bool show = !surface_->treePaneShown();
  treePaneItem_->setChecked(show);
  surface_->showTreePane(show);
}

void RuntimeWindow::treeNodeClicked(int node) {
  if (node == 0) return;
  if (page_->script().scriptRunning()) {
    ui::showExclamation(kScriptRunning, kTitle);
    return;
  }
  std::string file = treePane_->nodeFile(node);
  if (file != page_->state().currentMenuFile) links_->changeMenu(file);
}

void RuntimeWindow::setStatusText(const std::string& text) { panels_[0]->setText(QString::fromStdString(text)); }

std::string RuntimeWindow::statusPanel(int panel) const {
  if (panel < 1 || panel > 3) return "";
  return panels_[panel - 1]->text().toStdString();
}

void RuntimeWindow::setStatusPanel(int panel, const std::string& text) {
  if (panel >= 1 && panel <= 3) panels_[panel - 1]->setText(QString::fromStdString(text));
}

void RuntimeWindow::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void RuntimeWindow::enableMenus(bool enabled) {
  menuMenu_->setEnabled(enabled);
  if (!runtime_.testRun)
    for (QMenu* menu : runOptionHelpMenus_) menu->setEnabled(enabled);
}

int RuntimeWindow::statusBarHeight() const { return statusBar()->height(); }

void RuntimeWindow::closeWindow() { close(); }

void RuntimeWindow::closeEvent(QCloseEvent* event) {
  if (shuttingDown_ || !page_) {
    event->accept();
    return;
  }
  if (page_->state().unloadModeValue == static_cast<int>(menufile::UnloadMode::CheckApps) &&
      links_->checkRunningPrograms()) {
    ui::showExclamation(kCloseProgramsFirst, kTitle);
    event->ignore();
    return;
  }
  shuttingDown_ = true;
  runList_->clear();
  saveViewSettings({surface_->treePaneShown(), surface_->splitterLeft()});
  page::ScriptPort& script = page_->script();
  if (script.scriptLoaded()) {
    script.fireScriptEvent(menufile::ObjectKind::Menu, 0, menufile::ScriptEvent::UnloadMenu);
    script.closeScript();
  }
  event->accept();
}

}  // namespace pemo::shell
