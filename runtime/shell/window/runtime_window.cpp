#include "runtime/shell/window/runtime_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTreeWidget>

#include "kovan/kovan.h"
#include "platform/ui/fonts.h"
#include "platform/ui/qt_keyboard_return.h"
#include "platform/ui/qt_version_dialog.h"
#include "platform/ui/window_table.h"
#include "runtime/messages.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/page/splitter.h"
#include "runtime/page/window/page_event_wiring.h"
#include "runtime/shell/window/favourites_delete_dialog.h"
#include "runtime/shell/window/menu_item_block.h"
#include "runtime/shell/window/menu_tree_pane.h"
#include "runtime/shell/window/menu_tree_widget.h"
#include "runtime/shell/window/run_registration_dialog.h"
#include "runtime/shell/window/tree_font.h"

// The program's picture lives in this library's resources.
static void initShellResources() { Q_INIT_RESOURCE(shell_window); }

namespace pemo::shell {
namespace {

using namespace runtime_messages;

// The tree's font as designed; a stored font replaces it.
const ui::Font kDesignedTreeFont{};

}  // namespace

RuntimeWindow::RuntimeWindow(page::RuntimeState& runtime) : runtime_(runtime), handle_(ui::registerWindow(this)) {
  initShellResources();
  setWindowTitle(kTitle);
  setWindowIcon(QIcon(":/pemo/pemo.png"));
  setObjectName("CMENU");
  buildMenus();
  buildStatusBar();
  tree_ = new MenuTreeWidget(this);
  tree_->setObjectName("TV");
  tree_->setHeaderHidden(true);
  tree_->setFont(ui::displayFont(kDesignedTreeFont));
  tree_->viewport()->setMouseTracking(true);
  tree_->viewport()->installEventFilter(this);
  treeViewport_ = tree_->viewport();
  treePane_ = std::make_unique<MenuTreePane>(tree_);
  setMinimumSize(page::kMinimumWindowSize, page::kMinimumWindowSize);
  resize(720, 540);
}

RuntimeWindow::~RuntimeWindow() = default;

QAction* RuntimeWindow::addCommand(QMenu* menu, const char* caption, ShellCommand command, QKeySequence key) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  if (!key.isEmpty()) action->setShortcut(key);
  connect(action, &QAction::triggered, this, [this, command] { run(command); });
  return action;
}

QAction* RuntimeWindow::addArrayItem(QMenu* menu, const char* caption, const char* arrayName, int index,
                                     QKeySequence key, void (RuntimeWindow::*clicked)(int, const std::string&)) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromUtf8(arrayName) + QString::number(index));
  if (!key.isEmpty()) action->setShortcut(key);
  connect(action, &QAction::triggered, this, [this, clicked, index] { (this->*clicked)(index, {}); });
  return action;
}

void RuntimeWindow::runMenuClicked(int index, const std::string& tag) {
  if (shell_) shell_->runMenu().clicked(index, tag);
}

void RuntimeWindow::favouritesClicked(int index, const std::string&) {
  if (shell_) shell_->favourites().clicked(index);
}

void RuntimeWindow::buildMenus() {
  menuMenu_ = menuBar()->addMenu(QStringLiteral("ﾒﾆｭｰ(&M)"));
  treePaneItem_ = addCommand(menuMenu_, "ﾘﾝｸﾂﾘｰ(&T)", ShellCommand::TreePane, Qt::CTRL | Qt::Key_T);
  treePaneItem_->setCheckable(true);
  topMenuItem_ = addCommand(menuMenu_, "最上位ﾒﾆｭｰ表示(&M)", ShellCommand::TopMenu, Qt::CTRL | Qt::Key_M);
  favouritesMenu_ = menuMenu_->addMenu(QStringLiteral("よく使うﾒﾆｭｰ(&U)"));
  connect(favouritesMenu_, &QMenu::aboutToShow, this, [this] { run(ShellCommand::OpenFavourites); });
  QAction* addFavourite = addArrayItem(favouritesMenu_, "現在のﾒﾆｭｰを登録(&U)", "MNUUSER", kAddFavouriteItem,
                                       Qt::CTRL | Qt::Key_U, &RuntimeWindow::favouritesClicked);
  addArrayItem(favouritesMenu_, "登録ﾒﾆｭｰの削除(&D)", "MNUUSER", kDeleteFavouritesItem, {},
               &RuntimeWindow::favouritesClicked);
  favouriteItems_ = std::make_unique<MenuItemBlock>(
      favouritesMenu_, addFavourite, "MNUUSER",
      [this](int index, const std::string& tag) { favouritesClicked(index, tag); });
  menuMenu_->addSeparator();
  shutdownItem_ = addCommand(menuMenu_, "Windowsの終了(&E)", ShellCommand::Shutdown);
  restartItem_ = addCommand(menuMenu_, "ｺﾝﾋﾟｭｰﾀを再起動(&R)", ShellCommand::Restart);
  menuMenu_->addSeparator();
  addCommand(menuMenu_, "終了(&X)", ShellCommand::Exit);

  // The explorer, the control panel, the registered programs and their editing; the
  // launcher's switch ends the menu.
  runMenu_ = menuBar()->addMenu(QStringLiteral("実行(&R)"));
  addArrayItem(runMenu_, "ｴｸｽﾌﾟﾛｰﾗ(&E)", "MNURUN", kExplorerItem, Qt::Key_F5, &RuntimeWindow::runMenuClicked);
  addArrayItem(runMenu_, "ｺﾝﾄﾛｰﾙﾊﾟﾈﾙ(&C)", "MNURUN", kControlPanelItem, Qt::Key_F6, &RuntimeWindow::runMenuClicked);
  QAction* runListEnd = runMenu_->addSeparator();
  runListEnd->setObjectName("MNURUN98");
  addArrayItem(runMenu_, "実行情報の編集(&R)", "MNURUN", kEditRunListItem, Qt::CTRL | Qt::Key_R,
               &RuntimeWindow::runMenuClicked);
  runListItems_ = std::make_unique<MenuItemBlock>(
      runMenu_, runListEnd, "MNURUN", [this](int index, const std::string& tag) { runMenuClicked(index, tag); });
  launcherItem_ = addCommand(runMenu_, "ﾗﾝﾁｬ表示(&L)", ShellCommand::Launcher, Qt::Key_F2);
  launcherItem_->setCheckable(true);

  optionMenu_ = menuBar()->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
  addCommand(optionMenu_, "ﾌｫﾝﾄの設定(&F)", ShellCommand::TreeFont, Qt::CTRL | Qt::Key_F2);

  helpMenu_ = menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
  addCommand(helpMenu_, "HTMLﾍﾙﾌﾟ(&H)", ShellCommand::Help);
  helpMenu_->addSeparator();
  addCommand(helpMenu_, "ﾊﾞｰｼﾞｮﾝ情報(&A)", ShellCommand::Version);

  popupMenu_ = new QMenu(QStringLiteral("ﾎﾟｯﾌﾟｱｯﾌﾟ(&E)"), this);
  popupMenu_->setObjectName("POPMNU");
  runningAppsMenu_ = popupMenu_->addMenu(QStringLiteral("実行中のｱﾌﾟﾘｹｰｼｮﾝ(&R)"));
  runningAppsMenu_->addAction(QStringLiteral("なし"));
  popupMenu_->addSeparator();
  addCommand(popupMenu_, "ﾌｫﾝﾄ(&F)", ShellCommand::TreeFont);
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
                             page::RegistryRunList& runList) {
  surface_ = &surface;
  page_ = &page;
  runList_ = &runList;
  setCentralWidget(&surface);
  surface.showPage(page, links, *treePane_);
  surface.pageEvents().setPopupMenu([this](QPoint at) { showPopupMenu(at); });
}

void RuntimeWindow::attachShell(RuntimeShell& shell) {
  shell_ = &shell;
  MenuTreeEvents& events = shell.treeEvents();
  connect(tree_, &QTreeWidget::itemClicked, this,
          [this, &events](QTreeWidgetItem* item) { events.nodeClicked(treePane_->nodeOf(item)); });
  connect(tree_, &QTreeWidget::itemExpanded, this,
          [this, &events](QTreeWidgetItem* item) { events.expanded(treePane_->nodeOf(item)); });
  connect(tree_, &QTreeWidget::itemCollapsed, this,
          [this, &events](QTreeWidgetItem* item) { events.collapsed(treePane_->nodeOf(item)); });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [&events] { events.doubleClicked(); });
  tree_->setKeyHandling([this, &events](const std::function<void()>& handleKey) {
    events.keyPressed(treePane_->selectedNode(), handleKey);
  });
}

void RuntimeWindow::run(ShellCommand command) {
  if (shell_) shell_->run(command);
}

void RuntimeWindow::showPopupMenu(const QPoint& at) {
  if (shell_) shell_->popupOpening();
  popupMenu_->popup(at);
}

bool RuntimeWindow::eventFilter(QObject* watched, QEvent* event) {
  // Compared with the pointer kept at install: the tree may be in the middle of its destruction
  // (the page surface owns it), when asking it for its viewport is no longer valid.
  if (watched == treeViewport_ && event->type() == QEvent::Show && treePane_) treePane_->showIcons();
  if (watched == treeViewport_ && shell_) {
    if (event->type() == QEvent::MouseMove) shell_->treeEvents().mouseMoved();
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
      showPopupMenu(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

QWidget* RuntimeWindow::treeWidget() const { return tree_; }

MenuTreeView& RuntimeWindow::tree() { return *treePane_; }

void RuntimeWindow::applyViewSettings(const ViewSettings& settings) {
  // A stored position beyond the window would leave the splitter out of the mouse's
  // reach and hide the page; the window stores the position it then has.
  int clientWidth = width();
  if (QScreen* shown = screen(); shown && settings.windowState == WindowShowState::Maximized)
    clientWidth = shown->availableGeometry().width();
  surface_->placeTreePane(settings.treeView, page::splitterLeftWithin(settings.segmentPosition, clientWidth));
  treePaneItem_->setChecked(settings.treeView);
  launcherItem_->setChecked(settings.showLaunch);
  if (settings.windowState == WindowShowState::Maximized) setWindowState(windowState() | Qt::WindowMaximized);
  if (settings.treeFont) {
    tree_->setFont(appliedTreeFont(tree_->font(), *settings.treeFont));
    treeFontName_ = settings.treeFont->name;
  }
}

ViewSettings RuntimeWindow::currentViewSettings() {
  ViewSettings settings;
  settings.treeView = treePaneItem_->isChecked();
  settings.segmentPosition = surface_ ? surface_->splitterLeft() : 200;
  settings.showLaunch = launcherItem_->isChecked();
  settings.windowState = isMinimized()   ? WindowShowState::Minimized
                         : isMaximized() ? WindowShowState::Maximized
                                         : WindowShowState::Normal;
  settings.treeFont = storedTreeFont(tree_->font(), treeFontName_);
  return settings;
}

void RuntimeWindow::restoreWindowRect() {
  kovan::KovanObject().GetWindowPositionReg(handle_, page::kRuntimeRegistryKey, true, true);
}

void RuntimeWindow::storeWindowRect() { kovan::KovanObject().SetWindowPositionReg(handle_, page::kRuntimeRegistryKey); }

void RuntimeWindow::showWindow() {
  show();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QAction* RuntimeWindow::itemAction(ShellItem item) const {
  switch (item) {
    case ShellItem::TreePane: return treePaneItem_;
    case ShellItem::TopMenu: return topMenuItem_;
    case ShellItem::Favourites: return favouritesMenu_->menuAction();
    case ShellItem::Shutdown: return shutdownItem_;
    case ShellItem::Restart: return restartItem_;
    case ShellItem::RunMenu: return runMenu_->menuAction();
    case ShellItem::OptionMenu: return optionMenu_->menuAction();
    case ShellItem::HelpMenu: return helpMenu_->menuAction();
  }
  return nullptr;
}

void RuntimeWindow::setItemEnabled(ShellItem item, bool enabled) {
  // A menu that is off takes its items' keys with it.
  if (QMenu* menu = itemAction(item)->menu()) menu->setEnabled(enabled);
  itemAction(item)->setEnabled(enabled);
}

void RuntimeWindow::setLauncherChecked(bool checked) { launcherItem_->setChecked(checked); }

void RuntimeWindow::toggleTreePane() {
  const bool show = !surface_->treePaneShown();
  treePaneItem_->setChecked(show);
  surface_->showTreePane(show);
}

void RuntimeWindow::clearRunProcessList() {
  if (runList_) runList_->clear();
}

void RuntimeWindow::showRunMenuItems(const std::vector<RunMenuItem>& items) {
  std::vector<MenuItemBlock::Item> shown;
  for (const RunMenuItem& item : items) shown.push_back({item.index, item.caption, item.tag});
  runListItems_->replace(shown);
}

void RuntimeWindow::showRunRegistration() { editRunList(this, runtime_.runList); }

void RuntimeWindow::showFavouriteItems(const std::vector<std::string>& captions) {
  std::vector<MenuItemBlock::Item> shown;
  for (size_t i = 0; i < captions.size(); ++i) shown.push_back({static_cast<int>(i), captions[i], {}});
  if (!shown.empty()) shown.push_back({kFavouritesSeparatorItem, {}, {}});
  favouriteItems_->replace(shown);
}

std::optional<std::vector<page::FavouriteMenu>> RuntimeWindow::showFavouritesDeleteDialog() {
  ui::KeyboardReturn keyboard;
  FavouritesDeleteDialog dialog(this, runtime_.favouriteMenus);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.list().entries();
}

void RuntimeWindow::chooseTreeFont() {
  ui::KeyboardReturn keyboard;
  bool chosen = false;
  QFont font = QFontDialog::getFont(&chosen, tree_->font(), this);
  if (!chosen) return;
  tree_->setFont(font);
  treeFontName_ = font.family().toStdString();
}

void RuntimeWindow::showVersionDialog() {
  ui::KeyboardReturn keyboard;
  ui::VersionDialog dialog(this, QStringLiteral("バージョン情報"), kTitle, windowIcon().pixmap(32, 32));
  kovan::KovanObject().MoveToCenter(ui::registerWindow(&dialog));
  dialog.exec();
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
  popupMenu_->setEnabled(enabled);
  if (!runtime_.testRun)
    for (QMenu* menu : {runMenu_, optionMenu_, helpMenu_}) menu->setEnabled(enabled);
}

int RuntimeWindow::statusBarHeight() const { return statusBar()->height(); }

void RuntimeWindow::closeWindow() { close(); }

void RuntimeWindow::closeEvent(QCloseEvent* event) {
  if (shuttingDown_ || !shell_) {
    event->accept();
    return;
  }
  if (!shell_->closeRequested()) {
    event->ignore();
    return;
  }
  shuttingDown_ = true;
  event->accept();
}

}  // namespace pemo::shell
