#include "runtime/page/window/runtime_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "platform/ui/colours.h"
#include "platform/ui/fonts.h"
#include "platform/ui/message_port.h"
#include "platform/ui/window_table.h"
#include "runtime/messages.h"
#include "runtime/page/splitter.h"
#include "runtime/page/window/menu_tree_pane.h"
#include "runtime/page/window/view_settings.h"
#include "runtime/page/window/page_event_wiring.h"
#include "runtime/page/window/tiled_background.h"

namespace pemo::page {
namespace {

using namespace runtime_messages;

constexpr int kSplitterTopAbove = 10;  // the splitter starts above the client area

template <class W>
std::unique_ptr<ui::ControlArray<W>> makeArray(QWidget* parent) {
  return std::make_unique<ui::ControlArray<W>>(parent, [](QWidget* p) { return new W(p); });
}

}  // namespace

RuntimeWindow::RuntimeWindow(RuntimeState& runtime, ScriptPort& script, ProcessPort* processes,
                             RunProcessList* runList)
    : runtime_(runtime), handle_(ui::registerWindow(this)) {
  setWindowTitle(kTitle);
  setObjectName("CMENU");
  buildMenus();
  buildFixedControls();
  if (!processes) {
    ownProcesses_ = std::make_unique<SystemProcesses>();
    processes = ownProcesses_.get();
  }
  if (!runList) {
    ownRunList_ = std::make_unique<RegistryRunList>(handle_);
    registryRunList_ = ownRunList_.get();
    registryRunList_->clear();
    runList = registryRunList_;
  }
  page_ = std::make_unique<MenuPage>(runtime_, *this, script);
  links_ = std::make_unique<LinkActions>(*page_, *processes, *runList, *treePane_);
  events_ = new PageEventWiring(*page_, *links_, *treePane_, {this, client_, seg_, vsc_, fra_, tv_});
  background_ = new TiledBackground(client_);
  applyViewSettings(loadViewSettings());
  page_->state().splitterLeft = seg_->x();
  if (registryRunList_) {
    // Programs that have ended leave the window's list.
    auto* sweep = new QTimer(this);
    connect(sweep, &QTimer::timeout, this, [this, processes] { registryRunList_->dropEnded(*processes); });
    sweep->start(2000);
  }
  setMinimumSize(kMinimumWindowSize, kMinimumWindowSize);
  resize(720, 540);
}

RuntimeWindow::~RuntimeWindow() = default;

void RuntimeWindow::applyViewSettings(const ViewSettings& settings) {
  // A stored position beyond the screen would leave the splitter out of the mouse's reach.
  int left = settings.segmentPosition;
  if (QScreen* shown = screen()) left = clampSplitterLeft(left, shown->availableGeometry().width());
  seg_->move(left, seg_->y());
  tv_->resize(left, tv_->height());
  treePaneItem_->setChecked(settings.treeView);
  tv_->setVisible(settings.treeView);
  seg_->setVisible(settings.treeView);
}

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

void RuntimeWindow::buildFixedControls() {
  client_ = new QWidget(this);
  client_->setObjectName("client");
  client_->setAutoFillBackground(true);
  client_->setFont(ui::displayFont(menufile::Font{}));
  setCentralWidget(client_);

  // The page's objects are children of the client area itself, in their arrays.
  zc_ = makeArray<ClickableLabel>(client_);
  cbtn_ = makeArray<QPushButton>(client_);
  pbtn_ = makeArray<QToolButton>(client_);
  img_ = makeArray<ClickableLabel>(client_);
  radio_ = makeArray<QRadioButton>(client_);
  chk_ = makeArray<QCheckBox>(client_);
  frame_ = makeArray<QGroupBox>(client_);
  cmb_ = makeArray<QComboBox>(client_);
  ln_ = makeArray<LineWidget>(client_);

  tv_ = new QTreeWidget(client_);
  tv_->setObjectName("TV");
  tv_->setHeaderHidden(true);
  treePane_ = std::make_unique<MenuTreePane>(tv_);
  connect(tv_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { treeNodeClicked(treePane_->nodeOf(item)); });

  seg_ = new QFrame(client_);
  seg_->setObjectName("SEG");
  seg_->setFrameShape(QFrame::VLine);
  seg_->setCursor(Qt::SplitHCursor);
  seg_->setGeometry(200, -kSplitterTopAbove, kSplitterWidth, 100);

  hsc_ = new QScrollBar(Qt::Horizontal, client_);
  hsc_->setObjectName("HSC");
  vsc_ = new QScrollBar(Qt::Vertical, client_);
  vsc_->setObjectName("VSC");
  for (QScrollBar* bar : {hsc_, vsc_}) {
    bar->setMinimum(0);
    bar->setMaximum(0);
    bar->setSingleStep(10);
    bar->setPageStep(100);
    bar->hide();
  }
  connect(hsc_, &QScrollBar::valueChanged, this, [this](int v) { page_->scrollX(v); });
  connect(vsc_, &QScrollBar::valueChanged, this, [this](int v) { page_->scrollY(v); });

  exitBtn_ = new QPushButton(client_);
  exitBtn_->setObjectName("EXITBTN");
  exitBtn_->setFocusPolicy(Qt::NoFocus);
  exitBtn_->resize(kScrollBarSize, kScrollBarSize);
  exitBtn_->hide();

  fra_ = new QFrame(client_);
  fra_->setObjectName("FRA");
  fra_->setFrameShape(QFrame::HLine);
  fra_->setGeometry(0, -3, 640, 5);

  stbar_ = statusBar();
  stbar_->setObjectName("STBAR");
  stbar_->setSizeGripEnabled(true);
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(stbar_);
    if (i == 0)
      stbar_->addWidget(panels_[i], 1);
    else {
      panels_[i]->setMinimumWidth(80);
      stbar_->addPermanentWidget(panels_[i]);
    }
  }
}

MenuTreePort& RuntimeWindow::tree() { return *treePane_; }

void RuntimeWindow::setMenuTree(const std::vector<MenuTreeNode>& nodes) { treePane_->setNodes(nodes); }

void RuntimeWindow::openFirstMenu(const std::string& path) {
  page_->closeMenu();
  page_->openMenuFile(path);
  relayout();
}

void RuntimeWindow::toggleTreePane() {
  const bool show = tv_->isHidden();
  treePaneItem_->setChecked(show);
  tv_->setVisible(show);
  seg_->setVisible(show);
  if (show) tv_->resize(seg_->x(), tv_->height());
  page_->shiftForTreePane(show, seg_->x() + seg_->width());
  relayout();
  page_->state().splitterLeft = seg_->x();
}

template <class F>
void RuntimeWindow::forEachObjectArray(F f) {
  f(ObjectKind::Image, *img_);
  f(ObjectKind::Label, *zc_);
  f(ObjectKind::Button, *cbtn_);
  f(ObjectKind::PictureButton, *pbtn_);
  f(ObjectKind::Radio, *radio_);
  f(ObjectKind::CheckBox, *chk_);
  f(ObjectKind::ComboBox, *cmb_);
  f(ObjectKind::Line, *ln_);
  f(ObjectKind::Frame, *frame_);
}

QWidget* RuntimeWindow::objectWidget(ObjectKind kind, int index) const {
  switch (kind) {
    case ObjectKind::Label: return zc_->at(index);
    case ObjectKind::Button: return cbtn_->at(index);
    case ObjectKind::PictureButton: return pbtn_->at(index);
    case ObjectKind::Image: return img_->at(index);
    case ObjectKind::Radio: return radio_->at(index);
    case ObjectKind::CheckBox: return chk_->at(index);
    case ObjectKind::Frame: return frame_->at(index);
    case ObjectKind::ComboBox: return cmb_->at(index);
    case ObjectKind::Line: return ln_->at(index);
    default: return nullptr;
  }
}

template <class W, class Signal>
W* RuntimeWindow::loadClickable(ui::ControlArray<W>& array, ObjectKind kind, int index, Signal clicked) {
  W* w = array.load(index);
  // The index is looked up at the click: the element may have been loaded again since.
  connect(w, clicked, this, [this, &array, kind, w] { objectClicked(kind, array.indexOf(w)); });
  return w;
}

QWidget* RuntimeWindow::loadWidget(const PageObject& o) {
  if (QWidget* existing = objectWidget(o.kind, o.index)) return existing;
  const int i = o.index;
  switch (o.kind) {
    case ObjectKind::Label: return loadClickable(*zc_, o.kind, i, &ClickableLabel::clicked);
    case ObjectKind::Image: return loadClickable(*img_, o.kind, i, &ClickableLabel::clicked);
    case ObjectKind::Button: return loadClickable(*cbtn_, o.kind, i, &QPushButton::clicked);
    case ObjectKind::PictureButton: return loadClickable(*pbtn_, o.kind, i, &QToolButton::clicked);
    case ObjectKind::ComboBox: return loadClickable(*cmb_, o.kind, i, &QComboBox::activated);
    case ObjectKind::Radio: return radio_->load(i);
    case ObjectKind::CheckBox: return chk_->load(i);
    case ObjectKind::Frame: return frame_->load(i);
    case ObjectKind::Line: return ln_->load(i);
    default: return nullptr;
  }
}

void RuntimeWindow::objectClicked(ObjectKind kind, int index) { events_->clicked(kind, index); }

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
QString RuntimeWindow::statusText() const { return panels_[0]->text(); }

std::string RuntimeWindow::statusPanel(int panel) const {
  if (panel < 1 || panel > 3) return "";
  return panels_[panel - 1]->text().toStdString();
}

void RuntimeWindow::setStatusPanel(int panel, const std::string& text) {
  if (panel >= 1 && panel <= 3) panels_[panel - 1]->setText(QString::fromStdString(text));
}

void RuntimeWindow::setPointer(MousePointer pointer) {
  switch (pointer) {
    case MousePointer::Hourglass: setCursor(Qt::WaitCursor); break;
    case MousePointer::NoDrop: setCursor(Qt::ForbiddenCursor); break;
    case MousePointer::Default: unsetCursor(); break;
  }
}

void RuntimeWindow::setOpening(bool opening) {
  // Painting a page that grows by a thousand objects over and over is what made
  // opening slow; the page is painted once it is complete.
  client_->setUpdatesEnabled(!opening);
}

void RuntimeWindow::yieldToEvents() {
  // The reader yields after every line; handling events at most once a frame keeps the
  // window alive without repainting a growing page a thousand times.
  if (lastYield_.isValid() && lastYield_.elapsed() < 15) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  lastYield_.start();
}

bool RuntimeWindow::treePaneShown() const { return treePaneItem_->isChecked(); }
int RuntimeWindow::splitterLeft() const { return seg_->x(); }
int RuntimeWindow::splitterWidth() const { return seg_->width(); }

void RuntimeWindow::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void RuntimeWindow::setBackColor(std::uint32_t bgr) {
  backColor_ = bgr;
  QPalette p = client_->palette();
  p.setColor(QPalette::Window, ui::colourFromBgr(bgr));
  client_->setPalette(p);
}

int RuntimeWindow::tileBackground(const std::string& hostPath) {
  return background_->tile(hostPath, screen() ? screen()->size() : QSize(1024, 768));
}

bool RuntimeWindow::isPicture(const std::string& hostPath) {
  return QImageReader(QString::fromStdString(hostPath)).canRead();
}

void RuntimeWindow::objectLoaded(const PageObject& o) {
  QWidget* w = loadWidget(o);
  if (!w) return;
  if (o.kind != ObjectKind::Line) events_->watchObject(w, o.kind, o.index);
  applyObject(w, o);
}

void RuntimeWindow::objectChanged(const PageObject& o) {
  QWidget* w = objectWidget(o.kind, o.index);
  if (!w) return;
  QWidget* container = o.parentFrame ? frame_->at(o.parentFrame) : client_;
  if (container && w->parentWidget() != container) w->setParent(container);
  applyObject(w, o);
}

void RuntimeWindow::objectsMoved() {
  page_->objects().forEach([this](const PageObject& o) {
    if (!o.onPage()) return;
    if (QWidget* w = objectWidget(o.kind, o.index)) applyPosition(w, o);
  });
}

void RuntimeWindow::pageCleared() {
  events_->pageCleared();
  forEachObjectArray([](ObjectKind, auto& array) { array.unloadAll(); });
  for (QScrollBar* bar : {hsc_, vsc_}) {
    QSignalBlocker block(bar);
    bar->setValue(0);
  }
}

void RuntimeWindow::raiseFixedControls() {
  for (QWidget* w : std::initializer_list<QWidget*>{tv_, seg_, hsc_, vsc_, exitBtn_}) w->raise();
}

void RuntimeWindow::relayout() {
  if (isMinimized()) return;
  ScrollBarInput in;
  in.statusHeight = stbar_->height();
  in.clientWidth = client_->width();
  in.clientHeight = client_->height() + in.statusHeight;
  in.treeShown = treePaneShown();
  in.splitterLeft = seg_->x();
  in.splitterWidth = seg_->width();
  in.vscVisible = !vsc_->isHidden();
  in.extent = page_->state().extent;
  const ScrollBarLayout L = setScrollBars(in);

  if (in.treeShown) {
    tv_->setGeometry(0, 0, L.treeWidth, L.treeHeight);
    seg_->setGeometry(seg_->x(), -kSplitterTopAbove, seg_->width(), L.splitterHeight);
  }
  hsc_->setVisible(L.hscVisible);
  if (L.hscVisible) {
    hsc_->setMaximum(L.hscMaximum);
  } else {
    hsc_->setValue(0);
    if (page_->state().scrollX > 0) page_->undoScrollX();
  }
  vsc_->setVisible(L.vscVisible);
  if (L.vscVisible) {
    vsc_->setMaximum(L.vscMaximum);
  } else {
    vsc_->setValue(0);
    if (page_->state().scrollY > 0) page_->undoScrollY();
  }
  hsc_->setGeometry(L.hscLeft, L.hscTop, std::max(0, L.hscWidth), kScrollBarSize);
  vsc_->setGeometry(L.vscLeft, 0, kScrollBarSize, std::max(0, L.vscHeight));
  exitBtn_->setVisible(L.exitVisible);
  exitBtn_->move(L.exitLeft, L.exitTop);
  fra_->setGeometry(L.fraLeft, -3, L.fraWidth, 5);
}

void RuntimeWindow::enablePage(bool enabled) {
  forEachObjectArray([enabled](ObjectKind kind, auto& array) {
    if (kind == ObjectKind::Frame || kind == ObjectKind::Line) return;
    array.forEachLoaded([enabled](int, QWidget* w) { w->setEnabled(enabled); });
  });
  tv_->setEnabled(enabled);
  seg_->setEnabled(enabled);
  menuMenu_->setEnabled(enabled);
  if (!runtime_.testRun)
    for (QMenu* menu : runOptionHelpMenus_) menu->setEnabled(enabled);
}

void RuntimeWindow::closeWindow() { close(); }

void RuntimeWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  relayout();
}

void RuntimeWindow::closeEvent(QCloseEvent* event) {
  if (shuttingDown_) {
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
  if (registryRunList_) {
    registryRunList_->clear();
    saveViewSettings({treePaneShown(), seg_->x()});
  }
  ScriptPort& script = page_->script();
  if (script.scriptLoaded()) {
    script.fireScriptEvent(ObjectKind::Menu, 0, menufile::ScriptEvent::UnloadMenu);
    script.closeScript();
  }
  event->accept();
}

}  // namespace pemo::page
