#include "runtime/page/window/page_surface.h"

#include <QApplication>
#include <QImageReader>
#include <QScrollBar>

#include "menufile/control_kind.h"
#include "platform/ui/colours.h"
#include "platform/ui/fonts.h"
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

// While it lives, drops the posted repaint requests of the widgets inside a container
// (the container's own request and everyone else's go through).
class DropRepaintRequests : public QObject {
 public:
  explicit DropRepaintRequests(QWidget* container) : container_(container) { qApp->installEventFilter(this); }
  ~DropRepaintRequests() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::UpdateLater || !watched->isWidgetType()) return false;
    return container_->isAncestorOf(static_cast<QWidget*>(watched));
  }

 private:
  QWidget* container_;
};

}  // namespace

PageSurface::PageSurface(PageFrame& frame, QWidget* treePane) : windowFrame_(frame), tv_(treePane) {
  setObjectName("client");
  setAutoFillBackground(true);
  setFont(ui::displayFont(ui::Font{}));
  buildFixedControls();
  background_ = new ui::TiledBackground(this);
}

PageSurface::~PageSurface() = default;

void PageSurface::buildFixedControls() {
  // The page's objects are children of the client area itself, in their arrays.
  zc_ = makeArray<ui::ClickableLabel>(this);
  cbtn_ = makeArray<QPushButton>(this);
  pbtn_ = makeArray<QToolButton>(this);
  img_ = makeArray<ui::ClickableLabel>(this);
  radio_ = makeArray<QRadioButton>(this);
  chk_ = makeArray<QCheckBox>(this);
  frame_ = makeArray<QGroupBox>(this);
  cmb_ = makeArray<QComboBox>(this);
  ln_ = makeArray<ui::LineWidget>(this);

  tv_->setParent(this);

  seg_ = new QFrame(this);
  seg_->setObjectName("SEG");
  seg_->setFrameShape(QFrame::VLine);
  seg_->setCursor(Qt::SplitHCursor);
  seg_->setGeometry(200, -kSplitterTopAbove, kSplitterWidth, 100);

  hsc_ = new QScrollBar(Qt::Horizontal, this);
  hsc_->setObjectName("HSC");
  vsc_ = new QScrollBar(Qt::Vertical, this);
  vsc_->setObjectName("VSC");
  for (QScrollBar* bar : {hsc_, vsc_}) {
    bar->setMinimum(0);
    bar->setMaximum(0);
    bar->setSingleStep(10);
    bar->setPageStep(100);
    bar->hide();
  }

  exitBtn_ = new QPushButton(this);
  exitBtn_->setObjectName("EXITBTN");
  exitBtn_->setFocusPolicy(Qt::NoFocus);
  exitBtn_->resize(kScrollBarSize, kScrollBarSize);
  exitBtn_->hide();

  fra_ = new QFrame(this);
  fra_->setObjectName("FRA");
  fra_->setFrameShape(QFrame::HLine);
  fra_->setGeometry(0, -3, 640, 5);
}

void PageSurface::showPage(MenuPage& page, LinkActions& links, MenuTreePort& tree) {
  page_ = &page;
  connect(hsc_, &QScrollBar::valueChanged, this, [this](int v) { page_->scrollX(v); });
  connect(vsc_, &QScrollBar::valueChanged, this, [this](int v) { page_->scrollY(v); });
  events_ = new PageEventWiring(page, links, tree, {window(), this, seg_, vsc_, fra_, tv_});
  page.state().splitterLeft = seg_->x();
}

void PageSurface::openFirstMenu(const std::string& path) {
  page_->closeMenu();
  page_->openMenuFile(path);
  relayout();
}

void PageSurface::placeTreePane(bool shown, int splitterLeft) {
  seg_->move(splitterLeft, seg_->y());
  tv_->resize(splitterLeft, tv_->height());
  treeShown_ = shown;
  tv_->setVisible(shown);
  seg_->setVisible(shown);
}

void PageSurface::showTreePane(bool shown) {
  treeShown_ = shown;
  tv_->setVisible(shown);
  seg_->setVisible(shown);
  if (shown) tv_->resize(seg_->x(), tv_->height());
  page_->shiftForTreePane(shown, seg_->x() + seg_->width());
  relayout();
  page_->state().splitterLeft = seg_->x();
}

template <class F>
void PageSurface::forEachObjectArray(F f) {
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

QWidget* PageSurface::objectWidget(ObjectKind kind, int index) const {
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
    case ObjectKind::Label: return loadClickable(*zc_, o.kind, i, &ui::ClickableLabel::clicked);
    case ObjectKind::Image: return loadClickable(*img_, o.kind, i, &ui::ClickableLabel::clicked);
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
  if (opening) pictureChecks_.clear();  // a picture may have changed since the last page
  if (opening || updatesEnabled()) {
    setUpdatesEnabled(!opening);
    return;
  }
  // Turning repaints back on asks every object for a repaint of its own, and so does
  // showing an object. In a window already on the screen Qt then compares each object
  // painted on its own with all the objects above it, which grows with the square of
  // the page. The page is taken off the screen while repaints come back on (no object
  // then asks), its objects' own requests are dropped, and it is painted as a whole.
  QWidget* focused = QApplication::focusWidget();
  const bool visible = isVisible();
  if (visible) hide();
  setUpdatesEnabled(true);
  if (visible) show();
  {
    DropRepaintRequests drop(this);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
  }
  update();
  if (focused && isAncestorOf(focused) && focused->isVisible()) focused->setFocus();
}

void PageSurface::yieldToEvents() {
  // The reader yields after every line; handling events at most once a frame keeps the
  // window alive without repainting a growing page a thousand times.
  if (lastYield_.isValid() && lastYield_.elapsed() < 15) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  lastYield_.start();
}

int PageSurface::splitterLeft() const { return seg_->x(); }
int PageSurface::splitterWidth() const { return seg_->width(); }

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

bool PageSurface::isPicture(const std::string& hostPath) {
  // A page shows the same few pictures on many buttons: each file is tried once per
  // opening (trying means asking every picture format to read its start).
  auto known = pictureChecks_.find(hostPath);
  if (known != pictureChecks_.end()) return known->second;
  const bool picture = QImageReader(QString::fromStdString(hostPath)).canRead();
  pictureChecks_.emplace(hostPath, picture);
  return picture;
}

void PageSurface::objectLoaded(const PageObject& o) {
  QWidget* w = loadWidget(o);
  if (!w) return;
  if (o.kind != ObjectKind::Line) events_->watchObject(w, o.kind, o.index);
  applyObject(w, o);
}

void PageSurface::objectChanged(const PageObject& o) {
  QWidget* w = objectWidget(o.kind, o.index);
  if (!w) return;
  QWidget* container = o.parentFrame ? static_cast<QWidget*>(frame_->at(o.parentFrame)) : this;
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
  for (QScrollBar* bar : {hsc_, vsc_}) {
    QSignalBlocker block(bar);
    bar->setValue(0);
  }
}

void PageSurface::raiseFixedControls() {
  for (QWidget* w : std::initializer_list<QWidget*>{tv_, seg_, hsc_, vsc_, exitBtn_}) w->raise();
}

void PageSurface::relayout() {
  if (!page_ || window()->isMinimized()) return;
  ScrollBarInput in;
  in.statusHeight = windowFrame_.statusBarHeight();
  in.clientWidth = width();
  in.clientHeight = height() + in.statusHeight;
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
  tv_->setEnabled(enabled);
  seg_->setEnabled(enabled);
  windowFrame_.enableMenus(enabled);
}

void PageSurface::closeWindow() { windowFrame_.closeWindow(); }

void PageSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  relayout();
}

}  // namespace pemo::page
