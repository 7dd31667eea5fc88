#include "editor/workspace/window/surface_events.h"

#include <QAction>
#include <QMouseEvent>
#include <cmath>

#include "editor/workspace/window/menu_window.h"

namespace pemo::editor {

namespace {

const char* const kKindProperty = "pemoObjectKind";
const char* const kIndexProperty = "pemoObjectIndex";

int mouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return 0;
  }
}

int mouseButtons(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? kLeftButton : 0) | (buttons & Qt::RightButton ? kRightButton : 0) |
         (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}

// The pixels an outline covers: from its left and top up to, not including, its right and
// bottom, whichever way round its sides are.
QRect outlineRect(const SurfaceRect& rect) {
  int left = static_cast<int>(std::lround(std::min(rect.left, rect.right)));
  int right = static_cast<int>(std::lround(std::max(rect.left, rect.right)));
  int top = static_cast<int>(std::lround(std::min(rect.top, rect.bottom)));
  int bottom = static_cast<int>(std::lround(std::max(rect.top, rect.bottom)));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

Qt::CursorShape cursorOf(PointerShape shape) {
  switch (shape) {
    case PointerShape::SizeNorthSouth: return Qt::SizeVerCursor;
    case PointerShape::SizeWestEast: return Qt::SizeHorCursor;
    case PointerShape::SizeAll: return Qt::SizeAllCursor;
    case PointerShape::Default: break;
  }
  return Qt::ArrowCursor;
}

}  // namespace

SurfaceEvents::SurfaceEvents(MenuWindow& window, EditorState& state, EditorWorkspace& workspace)
    : window_(window), workspace_(workspace), surface_(state, window.document(), window.handle(), *this) {}

SurfaceEvents::~SurfaceEvents() = default;

void SurfaceEvents::watch(QWidget* widget, ObjectRef object) {
  widget->setProperty(kKindProperty, static_cast<int>(object.kind));
  widget->setProperty(kIndexProperty, object.index);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  widget->setMouseTracking(true);
  widget->setFocusPolicy(Qt::NoFocus);
  // The parts a widget is made of (a combo box's text field, its list) pass the pointer
  // to it; objects inside a frame are widgets of their own and stay as they are.
  for (QWidget* part : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (part->property(kKindProperty).isValid()) continue;
    part->setAttribute(Qt::WA_TransparentForMouseEvents);
    part->setFocusPolicy(Qt::NoFocus);
  }
  widget->installEventFilter(this);
}

bool SurfaceEvents::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: break;
    // Nothing else of the pointer reaches an object: no wheel through a combo box's
    // entries, no context menu of its text field.
    case QEvent::Wheel:
    case QEvent::ContextMenu: return true;
    default: return QObject::eventFilter(watched, event);
  }
  QVariant kind = watched->property(kKindProperty);
  if (!kind.isValid()) return QObject::eventFilter(watched, event);
  ObjectRef object{static_cast<ObjectKind>(kind.toInt()), watched->property(kIndexProperty).toInt()};
  mouseEvent(object, event->type(), *static_cast<QMouseEvent*>(event));
  return true;
}

void SurfaceEvents::mouseEvent(ObjectRef object, QEvent::Type type, const QMouseEvent& event) {
  double x = event.position().x(), y = event.position().y();
  bool combo = object.kind == ObjectKind::ComboBox;
  int button = mouseButton(event.button());
  ui::OutlineOverlay* overlay = window_.overlay();
  // A drag's outlines paint over a held picture of the window; the objects move (and
  // repaint) only once it is let go.
  if (overlay && type == QEvent::MouseMove && (event.buttons() & Qt::LeftButton)) overlay->holdBackground();
  if (overlay && type == QEvent::MouseButtonRelease && button == kLeftButton) overlay->releaseBackground();
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (!combo) surface_.objectPressed(object, button, x, y);
      else if (button == kLeftButton) surface_.comboPressed(object, x, y);
      else if (button == kRightButton) surface_.comboRightPressed(object);
      break;
    case QEvent::MouseMove:
      if (combo) surface_.comboMoved(object, mouseButtons(event.buttons()), x, y);
      else surface_.objectMoved(object, mouseButtons(event.buttons()), x, y);
      break;
    case QEvent::MouseButtonRelease:
      if (!combo) releaseObject(object, button, x, y);
      else if (button == kLeftButton) surface_.comboReleased(object, x, y);
      break;
    default: break;
  }
}

void SurfaceEvents::releaseObject(ObjectRef object, int button, double x, double y) {
  // A group dropped moves many widgets: each move would add two rectangles to the region
  // waiting to be painted, at a cost that grows with the region. One repaint of the
  // window costs less.
  const bool batch = button == kLeftButton && window_.document().bandSelectionActive && window_.updatesEnabled();
  if (batch) window_.setUpdatesEnabled(false);
  surface_.objectReleased(object, button, x, y);
  if (batch) window_.setUpdatesEnabled(true);
}

void SurfaceEvents::invertOutline(int frame, const SurfaceRect& rect, int penWidth) {
  QWidget* from = frame > 0 ? window_.objectWidget({ObjectKind::Frame, frame}) : &window_;
  if (from && window_.overlay()) window_.overlay()->invert(from, outlineRect(rect), penWidth);
}

void SurfaceEvents::clearOutlines() {
  // Only where the outlines were: a repaint of the whole window costs every object.
  if (window_.overlay()) window_.overlay()->clear();
}

void SurfaceEvents::setPointer(ObjectRef object, PointerShape shape) {
  if (QWidget* widget = window_.objectWidget(object)) widget->setCursor(cursorOf(shape));
}

void SurfaceEvents::setToolTip(ObjectRef object, const std::string& text) {
  if (QWidget* widget = window_.objectWidget(object)) widget->setToolTip(QString::fromStdString(text));
}

void SurfaceEvents::showObjectMenu(const SurfacePopupState& items) { window_.showObjectPopup(items); }

void SurfaceEvents::objectChanged(ObjectRef object) { window_.objectChanged(object); }

void SurfaceEvents::setAddCommandsEnabled(bool enabled) {
  window_.popupItem(0)->setEnabled(enabled);
  workspace_.setAddCommandsEnabled(enabled);
}

double SurfaceEvents::shownHeight(ObjectRef object) {
  QWidget* widget = window_.objectWidget(object);
  return widget ? widget->height() : 0;
}

}  // namespace pemo::editor
