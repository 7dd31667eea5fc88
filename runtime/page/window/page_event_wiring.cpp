#include "runtime/page/window/page_event_wiring.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "runtime/page/help_document.h"

namespace pemo::page {
namespace {

constexpr int kPressedFramePen = 1;
constexpr int kSplitterOutlinePen = 2;

int buttonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? kShiftKey : 0) | (modifiers & Qt::ControlModifier ? kCtrlKey : 0) |
         (modifiers & Qt::AltModifier ? kAltKey : 0);
}

// The window's own keys by their Windows key codes; 0 for the others.
int keyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Escape: return kKeyEscape;
    case Qt::Key_F1: return kKeyF1;
    default: return 0;
  }
}

// Mouse events of a watched widget stay with it: a label or a frame that does not take
// them would otherwise hand them on to the page beneath.
void keepMouseEvents(QWidget* w) {
  w->setMouseTracking(true);
  w->setAttribute(Qt::WA_NoMousePropagation);
}

bool isMouseEvent(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::Enter:
    case QEvent::Leave:
      return true;
    default:
      return false;
  }
}

QWidget* mouseSurface(QWidget* w) {
  auto* area = qobject_cast<QAbstractScrollArea*>(w);
  return area ? area->viewport() : w;
}

}  // namespace

// Sees every key of the application first, as the window's own key handler did before
// its controls; a filter of its own, so that the widgets' events are not seen twice.
class PageEventWiring::KeyPreview : public QObject {
 public:
  explicit KeyPreview(PageEventWiring& wiring) : wiring_(wiring) { qApp->installEventFilter(this); }
  ~KeyPreview() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    return event->type() == QEvent::KeyPress && wiring_.keyEvent(watched, event);
  }

 private:
  PageEventWiring& wiring_;
};

PageEventWiring::PageEventWiring(MenuPage& page, LinkActions& links, MenuTreePort& tree, const Parts& parts)
    : QObject(parts.window),
      page_(page),
      programs_(links.programs()),
      parts_(parts),
      events_(page, links, tree, *this),
      drag_(page, *this),
      overlay_(new ui::OutlineOverlay(parts.window)) {
  parts_.client->setMouseTracking(true);
  parts_.client->installEventFilter(this);
  for (QWidget* w : {parts_.splitter, parts_.topStrip, mouseSurface(parts_.tree)}) {
    if (!w) continue;
    keepMouseEvents(w);
    w->installEventFilter(this);
  }
  keyPreview_ = std::make_unique<KeyPreview>(*this);
}

PageEventWiring::~PageEventWiring() = default;

void PageEventWiring::watchObject(QWidget* widget, ObjectKind kind, int index) {
  if (watched_.contains(widget)) return;
  keepMouseEvents(widget);
  widget->installEventFilter(this);
  watched_.insert(widget, {kind, index});
  connect(widget, &QObject::destroyed, this, [this](QObject* gone) { watched_.remove(gone); });
}

void PageEventWiring::pageCleared() {
  overlay_->clear();
  pressedFrame_.reset();
}

bool PageEventWiring::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parts_.splitter) return splitterEvent(event);
  if (watched == parts_.client) return pageObjectEvent({ObjectKind::Menu, 0}, event);
  if (event->type() == QEvent::MouseMove && parts_.tree &&
      (watched == parts_.topStrip || watched == mouseSurface(parts_.tree))) {
    events_.resetHoverLabel();
    return false;
  }
  auto it = watched_.constFind(watched);
  if (it == watched_.constEnd()) return false;
  // A disabled widget still shows its mouse events to this filter, and then to its
  // parent, the bare page: while the page is locked they end here.
  if (objectsLocked_) return isMouseEvent(event->type());
  return pageObjectEvent(*it, event);
}

bool PageEventWiring::pageObjectEvent(const Watched& object, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseMove:
      events_.mouseMove(object.kind, object.index);
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      events_.mouseDown(object.kind, object.index, buttonCode(static_cast<QMouseEvent*>(event)->button()));
      break;
    case QEvent::MouseButtonRelease: {
      const int button = buttonCode(static_cast<QMouseEvent*>(event)->button());
      events_.mouseUp(object.kind, object.index, button);
      // The bare page has no click signal: a left press and release on it is its click.
      if (object.kind == ObjectKind::Menu && button == kLeftButton) events_.click(ObjectKind::Menu, 0);
      break;
    }
    default:
      break;
  }
  return false;
}

bool PageEventWiring::splitterEvent(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
    return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  const int x = static_cast<int>(mouse->position().x());
  switch (type) {
    case QEvent::MouseButtonPress:
      if (mouse->button() == Qt::LeftButton) drag_.press(x);
      if (mouse->button() == Qt::RightButton) showPopupMenu();
      return true;
    case QEvent::MouseMove:
      events_.resetHoverLabel();
      if (mouse->buttons() & Qt::LeftButton) drag_.move(x);
      return true;
    case QEvent::MouseButtonRelease:
      if (mouse->button() == Qt::LeftButton) drag_.release(x);
      return true;
    default:
      return false;
  }
}

bool PageEventWiring::keyEvent(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != parts_.window) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const int code = keyCode(key->key());
  return code != 0 && events_.keyDown(code, shiftState(key->modifiers()));
}

void PageEventWiring::showPopupMenu() {
  if (popup_) popup_(QCursor::pos());
}

void PageEventWiring::showHelpDocument() { page::showHelpDocument(page_.runtime().appFolder, programs_); }

void PageEventWiring::drawPressedFrame(ObjectKind kind, int index) {
  erasePressedFrame();  // a press whose release went astray leaves nothing behind
  for (auto it = watched_.constBegin(); it != watched_.constEnd(); ++it) {
    if (it->kind != kind || it->index != index) continue;
    auto* widget = static_cast<QWidget*>(it.key());
    pressedFrame_ = overlay_->invert(widget, widget->rect(), kPressedFramePen);
    return;
  }
}

void PageEventWiring::erasePressedFrame() {
  // The rectangle drawn at the press, wherever the object is now.
  if (pressedFrame_) overlay_->invert(*pressedFrame_, kPressedFramePen);
  pressedFrame_.reset();
}

int PageEventWiring::splitterLeft() const { return parts_.splitter->x(); }

void PageEventWiring::setSplitterLeft(int left) { parts_.splitter->move(left, parts_.splitter->y()); }

int PageEventWiring::verticalBarLeft() const { return parts_.verticalBar->x(); }

void PageEventWiring::invertOutline(int x) {
  // The splitter's span within the page area, from its top to just above the status bar.
  overlay_->invert(parts_.client, QRect(x, 0, parts_.splitter->width(), parts_.client->height()), kSplitterOutlinePen);
}

}  // namespace pemo::page
