#include "platform/ui/qt_outer_place.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "platform/ui/qt_frame_watch.h"

namespace pemo::ui {
namespace {

// The outer place still waiting for the frame, kept on the window itself.
constexpr const char* kWaitingTopLeft = "pemoOuterTopLeft";
constexpr const char* kWaitingSize = "pemoOuterSize";

void resizeClientTo(QWidget* window, QSize outer) {
  const QMargins frame = frameMargins(window);
  window->resize(std::max(0, outer.width() - frame.left() - frame.right()),
                 std::max(0, outer.height() - frame.top() - frame.bottom()));
}

void placeWaitingOuter(QWidget* window) {
  // Set on a maximised window, the place would make it normal: it is kept for when the
  // window is made normal, as its normal place.
  if (maximisedOrFullScreen(window)) {
    whenMadeNormal(window, QStringLiteral("outer place when normal"), [window] { placeWaitingOuter(window); });
    return;
  }
  const QVariant size = window->property(kWaitingSize);
  const QVariant topLeft = window->property(kWaitingTopLeft);
  window->setProperty(kWaitingSize, {});
  window->setProperty(kWaitingTopLeft, {});
  // The size first: a frame that grew with the window must not move it again.
  if (size.isValid()) resizeClientTo(window, size.toSize());
  if (topLeft.isValid()) window->move(topLeft.toPoint());
}

// Until the frame is known, the place is kept to be applied again once it is.
void waitForFrame(QWidget* window, const char* part, const QVariant& value) {
  if (frameKnown(window)) {
    // A place given now replaces one still waiting.
    window->setProperty(part, {});
    return;
  }
  window->setProperty(part, value);
  whenFrameKnown(window, QStringLiteral("outer place"), [window] { placeWaitingOuter(window); });
}

}  // namespace

void moveOuter(QWidget* window, QPoint topLeft) {
  // A window's position is its frame's: Qt counts the frame once it knows it.
  window->move(topLeft);
  waitForFrame(window, kWaitingTopLeft, topLeft);
}

void resizeOuter(QWidget* window, QSize size) {
  resizeClientTo(window, size);
  waitForFrame(window, kWaitingSize, size);
}

QRect outerPlace(const QWidget* window) {
  const QVariant topLeft = window->property(kWaitingTopLeft);
  const QRect frame = window->frameGeometry();
  return QRect(topLeft.isValid() ? topLeft.toPoint() : frame.topLeft(), frame.size());
}

}  // namespace pemo::ui
