#include "runtime/page/window/page_surface.h"

#include <QApplication>
#include <QScrollBar>

#include "menufile/control_kind.h"
#include "platform/ui/colours.h"
#include "platform/ui/fonts.h"
#include "platform/ui/picture_file.h"
#include "platform/ui/qt_frame_watch.h"
#include "runtime/page/splitter.h"
#include "runtime/page/window/page_event_wiring.h"

namespace pemo::page {
namespace {

constexpr int kSplitterTopAbove = 10;  // the splitter starts above the client area

void applyZOrder(QWidget* w, ZOrder z) {
  // A new widget is already in front of its siblings; raising it would search them all.
  const bool inFront = w->parentWidget() && w->parentWidget()->children().constLast() == w;
  if (z == ZOrder::Front && !inFront) w->raise();
  if (z == ZOrder::Back) w->lower();
}

// Frames and lines stay as they are when the page locks.
bool isLockedWithPage(ObjectKind kind) { return kind != ObjectKind::Frame && kind != ObjectKind::Line; }

template <class W>
std::unique_ptr<ui::ControlArray<W>> makeArray(QWidget* parent) {
  return std::make_unique<ui::ControlArray<W>>(parent, [](QWidget* p) { return new W(p); });
}

// While it lives, drops the posted repaint requests of a container and of the widgets
// inside it, except those that fill their own background; everyone else's go through.
class DropRepaintRequests : public QObject {
 public:
  explicit DropRepaintRequests(QWidget* container) : container_(container) { qApp->installEventFilter(this); }
  ~DropRepaintRequests() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::UpdateLater || !watched->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(watched);
    // An object that fills its own background (a frame, a coloured check box) is left out
    // of the painting of what lies beneath it: only its own request paints it.
    if (w != container_ && w->autoFillBackground()) return false;
    return container_->isAncestorOf(w);
  }

 private:
  QWidget* container_;
};

}  // namespace

PageSurface::PageSurface(PageFrame& frame, QWidget* treePane) : windowFrame_(frame), tree_(treePane) {
  setObjectName("client");
  setAutoFillBackground(true);
  setFont(ui::displayFont(ui::Font{}));
  buildFixedControls();
  background_ = new ui::TiledBackground(this);
}

PageSurface::~PageSurface() = default;

void PageSurface::buildFixedControls() {
  // The layer covers the client area and passes the mouse on to it: a press on the bare
  // page still reaches the client area.
  objectLayer_ = new QWidget(this);
  objectLayer_->setObjectName("objects");
  objectLayer_->setMouseTracking(true);
  labels_ = makeArray<ui::ClickableLabel>(objectLayer_);
  buttons_ = makeArray<QPushButton>(objectLayer_);
  pictureButtons_ = makeArray<QToolButton>(objectLayer_);
  images_ = makeArray<ui::ClickableLabel>(objectLayer_);
  radios_ = makeArray<QRadioButton>(objectLayer_);
  checkBoxes_ = makeArray<QCheckBox>(objectLayer_);
  frames_ = makeArray<QGroupBox>(objectLayer_);
  comboBoxes_ = makeArray<QComboBox>(objectLayer_);
  lines_ = makeArray<ui::LineWidget>(objectLayer_);

  tree_->setParent(this);

  splitter_ = new QFrame(this);
  splitter_->setObjectName("SEG");
  splitter_->setFrameShape(QFrame::VLine);
  splitter_->setCursor(Qt::SplitHCursor);
  splitter_->setGeometry(200, -kSplitterTopAbove, kSplitterWidth, 100);

  horizontalBar_ = new QScrollBar(Qt::Horizontal, this);
  horizontalBar_->setObjectName("HSC");
  verticalBar_ = new QScrollBar(Qt::Vertical, this);
  verticalBar_->setObjectName("VSC");
  for (QScrollBar* bar : {horizontalBar_, verticalBar_}) {
    bar->setMinimum(0);
    bar->setMaximum(0);
    bar->setSingleStep(10);
    bar->setPageStep(100);
    bar->hide();
  }

  exitButton_ = new QPushButton(this);
  exitButton_->setObjectName("EXITBTN");
  exitButton_->setFocusPolicy(Qt::NoFocus);
  exitButton_->resize(kScrollBarSize, kScrollBarSize);
  exitButton_->hide();

  topStrip_ = new QFrame(this);
  topStrip_->setObjectName("FRA");
  topStrip_->setFrameShape(QFrame::HLine);
  topStrip_->setGeometry(0, -3, 640, 5);
  topStrip_->stackUnder(objectLayer_);  // objects at the top of the page cover the strip
}

void PageSurface::showPage(MenuPage& page, LinkActions& links, MenuTreePort& tree) {
  page_ = &page;
  connect(horizontalBar_, &QScrollBar::valueChanged, this, [this](int v) { page_->scrollX(v); });
  connect(verticalBar_, &QScrollBar::valueChanged, this, [this](int v) { page_->scrollY(v); });
  events_ = new PageEventWiring(page, links, tree, {window(), this, splitter_, verticalBar_, topStrip_, tree_});
  page.state().splitterLeft = splitter_->x();
}

void PageSurface::openFirstMenu(const std::string& path) {
  page_->closeMenu();
  page_->openMenuFile(path);
  relayout();
}

void PageSurface::placeTreePane(bool shown, int splitterLeft) {
  splitter_->move(splitterLeft, splitter_->y());
  tree_->resize(splitterLeft, tree_->height());
  treeShown_ = shown;
  tree_->setVisible(shown);
  splitter_->setVisible(shown);
}

void PageSurface::showTreePane(bool shown) {
  treeShown_ = shown;
  tree_->setVisible(shown);
  splitter_->setVisible(shown);
  if (shown) tree_->resize(splitter_->x(), tree_->height());
  page_->shiftForTreePane(shown, splitter_->x() + splitter_->width());
  relayout();
  page_->state().splitterLeft = splitter_->x();
}

template <class F>
void PageSurface::forEachObjectArray(F f) {
  f(ObjectKind::Image, *images_);
  f(ObjectKind::Label, *labels_);
  f(ObjectKind::Button, *buttons_);
  f(ObjectKind::PictureButton, *pictureButtons_);
  f(ObjectKind::Radio, *radios_);
  f(ObjectKind::CheckBox, *checkBoxes_);
  f(ObjectKind::ComboBox, *comboBoxes_);
  f(ObjectKind::Line, *lines_);
  f(ObjectKind::Frame, *frames_);
}

QWidget* PageSurface::objectWidget(ObjectKind kind, int index) const {
  switch (kind) {
    case ObjectKind::Label: return labels_->at(index);
    case ObjectKind::Button: return buttons_->at(index);
    case ObjectKind::PictureButton: return pictureButtons_->at(index);
    case ObjectKind::Image: return images_->at(index);
    case ObjectKind::Radio: return radios_->at(index);
    case ObjectKind::CheckBox: return checkBoxes_->at(index);
    case ObjectKind::Frame: return frames_->at(index);
    case ObjectKind::ComboBox: return comboBoxes_->at(index);
    case ObjectKind::Line: return lines_->at(index);
    default: return nullptr;
  }
}

template <class W, class Signal>
W* PageSurface::loadClickable(ui::ControlArray<W>& array, ObjectKind kind, int index, Signal clicked) {
  W* w = array.load(index);
  // The index is looked up at the click: the element may have been loaded again since.
  connect(w, clicked, this, [this, &array, kind, w] { events_->clicked(kind, array.indexOf(w)); });
  return w;
}

QWidget* PageSurface::loadWidget(const PageObject& o) {
  if (QWidget* existing = objectWidget(o.kind, o.index)) return existing;
  const int i = o.index;
  switch (o.kind) {
    case ObjectKind::Label: return loadClickable(*labels_, o.kind, i, &ui::ClickableLabel::clicked);
    case ObjectKind::Image: return loadClickable(*images_, o.kind, i, &ui::ClickableLabel::clicked);
    case ObjectKind::Button: return loadClickable(*buttons_, o.kind, i, &QPushButton::clicked);
    case ObjectKind::PictureButton: return loadClickable(*pictureButtons_, o.kind, i, &QToolButton::clicked);
    case ObjectKind::ComboBox: return loadClickable(*comboBoxes_, o.kind, i, &QComboBox::activated);
    case ObjectKind::Radio: return radios_->load(i);
    case ObjectKind::CheckBox: return checkBoxes_->load(i);
    case ObjectKind::Frame: return frames_->load(i);
    case ObjectKind::Line: return lines_->load(i);
    default: return nullptr;
  }
}

void PageSurface::applyObject(QWidget* w, const PageObject& o) {
  ui::ControlLook look = o.look();
  if (locked_ && isLockedWithPage(o.kind)) look.enabled = false;
  ui::applyLook(w, look);
  applyZOrder(w, o.zOrder);
}

void PageSurface::setStatusText(const std::string& text) { windowFrame_.setStatusText(text); }

void PageSurface::setPointer(MousePointer pointer) {
  switch (pointer) {
    case MousePointer::Hourglass: window()->setCursor(Qt::WaitCursor); break;
    case MousePointer::NoDrop: window()->setCursor(Qt::ForbiddenCursor); break;
    case MousePointer::Default: window()->unsetCursor(); break;
  }
}

void PageSurface::setOpening(bool opening) {
  // Painting a page that grows by a thousand objects over and over is what made
  // opening slow; the page is painted once it is complete.
  if (opening) {
    pictureReads_.emplace();  // what a picture was for the last page it may no longer be
    setUpdatesEnabled(false);
    // Showing an object in a layer on the screen costs a repaint request, a comparison
    // with every object above it and a notice to assistive tools; in a hidden layer it
    // costs a flag, and the layer shows all its objects at once.
    objectLayer_->hide();
    return;
  }
  pictureReads_.reset();  // the page's script sees each picture as it is then
  if (!objectLayer_->isHidden()) return;
  QWidget* focused = QApplication::focusWidget();
  // Enabling updates asks for one repaint of the whole client area. It paints every object
  // but those that fill their own background, and those keep their own requests: a
  // repaint of the layer besides would paint the page a second time.
  setUpdatesEnabled(true);
  objectLayer_->show();
  {
    // Each object shown asks for a repaint of its own.
    DropRepaintRequests drop(objectLayer_);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
  }
  if (focused && isAncestorOf(focused) && focused->isVisible()) focused->setFocus();
}

void PageSurface::yieldToEvents() {
  // The reader yields after every line; handling events at most once a frame keeps the
  // window alive without repainting a growing page a thousand times.
  if (lastYield_.isValid() && lastYield_.elapsed() < 15) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  lastYield_.start();
}

int PageSurface::splitterLeft() const { return splitter_->x(); }
int PageSurface::splitterWidth() const { return splitter_->width(); }

void PageSurface::setCaption(const std::string& caption) { windowFrame_.setCaption(caption); }

void PageSurface::setBackColor(std::uint32_t bgr) {
  backColor_ = bgr;
  QPalette p = palette();
  p.setColor(QPalette::Window, ui::colourFromBgr(bgr));
  setPalette(p);
}

int PageSurface::tileBackground(const std::string& hostPath) {
  return background_->tileOverScreen(hostPath);
}

bool PageSurface::isPicture(const std::string& hostPath) { return ui::isPictureFile(hostPath); }

void PageSurface::objectLoaded(const PageObject& o) {
  QWidget* w = loadWidget(o);
  if (!w) return;
  if (o.kind != ObjectKind::Line) events_->watchObject(w, o.kind, o.index);
  applyObject(w, o);
}

void PageSurface::objectChanged(const PageObject& o) {
  QWidget* w = objectWidget(o.kind, o.index);
  if (!w) return;
  QWidget* container = o.parentFrame ? static_cast<QWidget*>(frames_->at(o.parentFrame)) : objectLayer_;
  if (container && w->parentWidget() != container) w->setParent(container);
  applyObject(w, o);
}

void PageSurface::objectsMoved() {
  page_->objects().forEach([this](const PageObject& o) {
    if (!o.onPage()) return;
    if (QWidget* w = objectWidget(o.kind, o.index)) ui::applyGeometry(w, menufile::controlKindOf(o.kind), o.geometry());
  });
}

void PageSurface::pageCleared() {
  events_->pageCleared();
  forEachObjectArray([](ObjectKind, auto& array) { array.unloadAll(); });
  for (QScrollBar* bar : {horizontalBar_, verticalBar_}) {
    QSignalBlocker block(bar);
    bar->setValue(0);
  }
}

void PageSurface::raiseFixedControls() {
  for (QWidget* w : std::initializer_list<QWidget*>{tree_, splitter_, horizontalBar_, verticalBar_, exitButton_}) w->raise();
}

void PageSurface::relayout() {
  if (!page_ || window()->isMinimized()) return;
  if (bringSplitterWithinReach()) return;  // that laid the window out
  ScrollBarInput in;
  in.statusHeight = windowFrame_.statusBarHeight();
  in.clientWidth = width();
  in.clientHeight = height() + in.statusHeight;
  in.treeShown = treePaneShown();
  in.splitterLeft = splitter_->x();
  in.splitterWidth = splitter_->width();
  in.verticalBarVisible = !verticalBar_->isHidden();
  in.extent = page_->state().extent;
  const ScrollBarLayout L = setScrollBars(in);

  if (in.treeShown) {
    tree_->setGeometry(0, 0, L.treeWidth, L.treeHeight);
    splitter_->setGeometry(splitter_->x(), -kSplitterTopAbove, splitter_->width(), L.splitterHeight);
  }
  horizontalBar_->setVisible(L.horizontalBarVisible);
  if (L.horizontalBarVisible) {
    horizontalBar_->setMaximum(L.horizontalBarMaximum);
  } else {
    horizontalBar_->setValue(0);
    if (page_->state().scrollX > 0) page_->undoScrollX();
  }
  verticalBar_->setVisible(L.verticalBarVisible);
  if (L.verticalBarVisible) {
    verticalBar_->setMaximum(L.verticalBarMaximum);
  } else {
    verticalBar_->setValue(0);
    if (page_->state().scrollY > 0) page_->undoScrollY();
  }
  horizontalBar_->setGeometry(L.horizontalBarLeft, L.horizontalBarTop, std::max(0, L.horizontalBarWidth), kScrollBarSize);
  verticalBar_->setGeometry(L.verticalBarLeft, 0, kScrollBarSize, std::max(0, L.verticalBarHeight));
  exitButton_->setVisible(L.exitVisible);
  exitButton_->move(L.exitLeft, L.exitTop);
  topStrip_->setGeometry(L.topStripLeft, -3, L.topStripWidth, 5);
}

void PageSurface::enablePage(bool enabled) {
  locked_ = !enabled;
  events_->lockObjects(locked_);
  forEachObjectArray([this](ObjectKind kind, auto& array) {
    if (!isLockedWithPage(kind)) return;
    array.forEachLoaded([this, kind](int index, QWidget* w) {
      const PageObject* o = page_->objects().find(kind, index);
      w->setEnabled(!locked_ && (!o || o->enabled));
    });
  });
  tree_->setEnabled(enabled);
  splitter_->setEnabled(enabled);
  windowFrame_.enableMenus(enabled);
}

void PageSurface::closeWindow() { windowFrame_.closeWindow(); }

bool PageSurface::bringSplitterWithinReach() {
  // A window made narrower than where the splitter stands (a maximised one made normal)
  // would leave the tree filling it, with the page and the splitter out of reach: the
  // splitter is put into the window as a stored position is. A maximised window is not
  // its final width until the window manager has made it so; its splitter was put within
  // the screen's width.
  if (!treePaneShown() || !isVisible() || ui::maximisedOrFullScreen(window())) return false;
  const int left = splitterLeftWithin(splitter_->x(), width());
  if (left == splitter_->x()) return false;
  splitter_->move(left, splitter_->y());
  layOutAfterSplitterMove(*page_, left);
  return true;
}

void PageSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  objectLayer_->setGeometry(rect());
  relayout();
}

}  // namespace pemo::page
