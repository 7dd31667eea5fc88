#include "platform/ui/qt_frame_watch.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace pemo::ui {
namespace {

// The events after which a manager's frame may have come: the window's first paint
// follows its framing even when the frame left the window where it was.
bool mayFollowFraming(QEvent::Type type) {
  switch (type) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowActivate:
      return true;
    default:
      return false;
  }
}

// Runs an action once, after the window event that makes it due, on the window's behalf.
// Named by its purpose, so that a later wait for the same purpose replaces it.
class WindowWatch : public QObject {
 public:
  WindowWatch(QWidget* window, const QString& purpose, std::function<void()> action)
      : QObject(window), window_(window), action_(std::move(action)) {
    setObjectName(purpose);
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && !due_ && isDue(event)) runSoon();
    return false;
  }

 protected:
  virtual bool isDue(QEvent* event) = 0;

  void runSoon() {
    if (due_) return;
    due_ = true;
    // Not inside the event: moving a window while it paints is not safe.
    QMetaObject::invokeMethod(this, [this] { run(); }, Qt::QueuedConnection);
  }

  QWidget* window_;

 private:
  void run() {
    window_->removeEventFilter(this);
    std::function<void()> action = std::move(action_);
    // The action may wait again for the same purpose: this watch is done.
    setObjectName({});
    deleteLater();
    action();
  }

  std::function<void()> action_;
  bool due_ = false;
};

class FrameWatch : public WindowWatch {
 public:
  using WindowWatch::WindowWatch;

 protected:
  bool isDue(QEvent* event) override { return mayFollowFraming(event->type()) && frameKnown(window_); }
};

// The window's state changes before the manager has put it back, and its place changes
// before its frame does: the normal frame is what the place needs. A manager that frames
// a maximised window as a normal one is given a moment instead.
class NormalWatch : public WindowWatch {
 public:
  NormalWatch(QWidget* window, const QString& purpose, std::function<void()> action)
      : WindowWatch(window, purpose, std::move(action)), maximisedFrame_(frameMargins(window)) {}

 protected:
  bool isDue(QEvent* event) override {
    if (maximisedOrFullScreen(window_)) {
      maximisedFrame_ = frameMargins(window_);
      return false;
    }
    if (event->type() == QEvent::WindowStateChange) {
      constexpr int kMomentMs = 200;
      QTimer::singleShot(kMomentMs, this, [this] {
        if (!maximisedOrFullScreen(window_)) runSoon();
      });
      return false;
    }
    return mayFollowFraming(event->type()) && frameKnown(window_) && frameMargins(window_) != maximisedFrame_;
  }

 private:
  QMargins maximisedFrame_;
};

// Replaces a watch of the same purpose still waiting.
void forgetWaiting(QWidget* window, const QString& purpose) {
  for (QObject* child : window->children()) {
    auto* waiting = dynamic_cast<WindowWatch*>(child);
    if (waiting && waiting->objectName() == purpose) {
      delete waiting;
      return;
    }
  }
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

bool maximisedOrFullScreen(const QWidget* window) {
  return window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

void whenFrameKnown(QWidget* window, const QString& purpose, std::function<void()> action) {
  forgetWaiting(window, purpose);
  if (frameKnown(window)) {
    action();
    return;
  }
  new FrameWatch(window, purpose, std::move(action));
}

void whenMadeNormal(QWidget* window, const QString& purpose, std::function<void()> action) {
  forgetWaiting(window, purpose);
  new NormalWatch(window, purpose, std::move(action));
}

}  // namespace pemo::ui
