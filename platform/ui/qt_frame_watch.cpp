#include "platform/ui/qt_frame_watch.h"

#include <QEvent>
#include <QWidget>

namespace pemo::ui {
namespace {

// The events after which a manager's frame may have come: the window's first paint
// follows its framing even when the frame left the window where it was. A change of the
// window's state may bring it back to its normal place.
bool mayFollowFraming(QEvent::Type type) {
  switch (type) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowActivate:
    case QEvent::WindowStateChange:
      return true;
    default:
      return false;
  }
}

class FrameWatch : public QObject {
 public:
  FrameWatch(QWidget* window, const QString& purpose, bool (*ready)(const QWidget*), std::function<void()> action)
      : QObject(window), window_(window), ready_(ready), action_(std::move(action)) {
    setObjectName(purpose);
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && !due_ && mayFollowFraming(event->type()) && ready_(window_)) {
      due_ = true;
      // Not inside the event: moving a window while it paints is not safe.
      QMetaObject::invokeMethod(this, [this] { run(); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void run() {
    window_->removeEventFilter(this);
    std::function<void()> action = std::move(action_);
    deleteLater();
    action();
  }

  QWidget* window_;
  bool (*ready_)(const QWidget*);
  std::function<void()> action_;
  bool due_ = false;
};

bool framedAtItsNormalPlace(const QWidget* window) {
  return frameKnown(window) && !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
}

void whenReady(QWidget* window, const QString& purpose, bool (*ready)(const QWidget*), std::function<void()> action) {
  for (QObject* child : window->children()) {
    auto* waiting = dynamic_cast<FrameWatch*>(child);
    if (waiting && waiting->objectName() == purpose) {
      delete waiting;
      break;
    }
  }
  if (ready(window)) {
    action();
    return;
  }
  new FrameWatch(window, purpose, ready, std::move(action));
}

}  // namespace

QMargins frameMargins(const QWidget* window) {
  if (!window->isWindow()) return {};
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

bool frameKnown(const QWidget* window) { return !frameMargins(window).isNull(); }

void whenFrameKnown(QWidget* window, const QString& purpose, std::function<void()> action) {
  whenReady(window, purpose, frameKnown, std::move(action));
}

void whenFramedAtNormalPlace(QWidget* window, const QString& purpose, std::function<void()> action) {
  whenReady(window, purpose, framedAtItsNormalPlace, std::move(action));
}

}  // namespace pemo::ui
