#include "platform/ui/outline.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace pemo::ui {

std::vector<QRect> outlineStripRects(const QRect& rect, int penWidth) {
  const QRect r = rect.normalized();
  if (r.isEmpty()) return {};
  const int pen = std::max(1, penWidth);
  // Thin rectangles: the strips shrink so that none covers a pixel another covers.
  const int top = std::min(pen, r.height());
  const int bottom = std::min(pen, r.height() - top);
  const int left = std::min(pen, r.width());
  const int right = std::min(pen, r.width() - left);
  const int sideHeight = r.height() - top - bottom;
  std::vector<QRect> strips{QRect(r.left(), r.top(), r.width(), top)};
  if (bottom > 0) strips.emplace_back(r.left(), r.bottom() + 1 - bottom, r.width(), bottom);
  if (sideHeight > 0) {
    strips.emplace_back(r.left(), r.top() + top, left, sideHeight);
    if (right > 0) strips.emplace_back(r.right() + 1 - right, r.top() + top, right, sideHeight);
  }
  return strips;
}

QRegion outlineStrips(const QRect& rect, int penWidth) {
  QRegion strips;
  for (const QRect& strip : outlineStripRects(rect, penWidth)) strips += strip;
  return strips;
}

bool OutlineSet::toggle(const QRect& rect, int penWidth) {
  auto same = [&](const Outline& o) { return o.rect == rect && o.penWidth == penWidth; };
  auto it = std::find_if(outlines_.begin(), outlines_.end(), same);
  if (it != outlines_.end()) {
    outlines_.erase(it);
    return false;
  }
  outlines_.push_back({rect, penWidth});
  return true;
}

OutlineOverlay::OutlineOverlay(QWidget* host) : QWidget(host) {
  setObjectName("outlineOverlay");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(host->rect());
  host->installEventFilter(this);
  hide();
}

QRect OutlineOverlay::invert(const QWidget* from, const QRect& rect, int penWidth) {
  QWidget* host = parentWidget();
  QRect placed = rect;
  if (from && from != host) {
    const QPoint origin = host->isAncestorOf(from) ? from->mapTo(host, QPoint(0, 0))
                                                   : host->mapFromGlobal(from->mapToGlobal(QPoint(0, 0)));
    placed.translate(origin);
  }
  invert(placed, penWidth);
  return placed;
}

void OutlineOverlay::invert(const QRect& hostRect, int penWidth) {
  set_.toggle(hostRect, penWidth);
  if (!set_.empty()) show();
  stayOnTop();
  repaintStrips(hostRect, penWidth);
}

void OutlineOverlay::repaintStrips(const QRect& hostRect, int penWidth) {
  if (held_) {
    // Painting from the held picture costs little per pixel: one rectangle around all
    // that changed is cheaper than the region of many thin strips.
    heldDirty_ |= hostRect.normalized();
    update(heldDirty_);
    return;
  }
  // Only the strips: the widgets beneath repaint where the outline crosses them, no more.
  for (const QRect& strip : outlineStripRects(hostRect, penWidth)) update(strip);
}

void OutlineOverlay::stayOnTop() {
  // Raising looks the overlay up among all its host's children; most times it is on top.
  const QObjectList& siblings = parentWidget()->children();
  if (siblings.isEmpty() || siblings.constLast() != this) raise();
}

void OutlineOverlay::clear() {
  if (set_.empty()) return;
  QRect old;
  for (const OutlineSet::Outline& o : set_.outlines()) old |= o.rect.normalized();
  set_.clear();
  // Hidden, the overlay leaves its host to repaint all it covered.
  if (held_) repaintStrips(old, 1);
  else hide();
}

void OutlineOverlay::holdBackground() {
  if (held_) return;
  beneath_ = pictureBeneath();
  held_ = true;
  heldDirty_ = QRect();
  setGeometry(parentWidget()->rect());
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  show();
  stayOnTop();
}

QImage OutlineOverlay::pictureBeneath() {
  QWidget* host = parentWidget();
  const qreal ratio = host->devicePixelRatioF();
  const QRect hostPixels(host->mapTo(host->window(), QPoint(0, 0)) * ratio, host->size() * ratio);
  // The window's own buffer already holds the picture, once what waits to be painted is
  // painted: a copy costs far less than painting every object again.
  QCoreApplication::sendPostedEvents(host->window(), QEvent::UpdateRequest);
  QBackingStore* store = host->window()->backingStore();
  QPaintDevice* device = store ? store->paintDevice() : nullptr;
  if (device && device->devType() == QInternal::Image) {
    const QImage& buffer = *static_cast<QImage*>(device);
    if (buffer.rect().contains(hostPixels)) {
      QImage picture = buffer.copy(hostPixels).convertToFormat(QImage::Format_RGB32);
      picture.setDevicePixelRatio(ratio);
      // The buffer shows the outlines too: inverting them again leaves what lies beneath.
      QPainter painter(&picture);
      painter.setCompositionMode(QPainter::RasterOp_NotDestination);
      for (const OutlineSet::Outline& o : set_.outlines())
        for (const QRect& strip : outlineStripRects(o.rect, o.penWidth)) painter.fillRect(strip, Qt::black);
      return picture;
    }
  }
  QImage picture(host->size() * ratio, QImage::Format_RGB32);
  picture.setDevicePixelRatio(ratio);
  renderingBeneath_ = true;
  host->render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  renderingBeneath_ = false;
  return picture;
}

void OutlineOverlay::releaseBackground() {
  if (!held_) return;
  held_ = false;
  // What the screen shows is already right: the held picture with the outlines inverted
  // on it is what the host paints beneath.
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  beneath_ = QImage();
  heldDirty_ = QRect();
}

void OutlineOverlay::dropBackground() {
  if (!held_) return;
  releaseBackground();
  // What changed beneath was painted over from the picture: all of it paints again.
  parentWidget()->update();
}

void OutlineOverlay::paintEvent(QPaintEvent* event) {
  if (renderingBeneath_) return;
  QPainter painter(this);
  // A picture taken at another pixel ratio (the window went to another screen) no longer
  // matches the pixels beneath.
  if (held_ && beneath_.devicePixelRatio() != devicePixelRatioF()) dropBackground();
  if (held_) {
    // Pixel for pixel, clipped to what is painted: a rectangle scaled by a fractional
    // ratio would land its pixels a pixel off here and there, and those seams would stay
    // once the picture is let go.
    painter.drawImage(QPointF(0, 0), beneath_);
    heldDirty_ = QRect();
  }
  // What lies beneath is already there: invert it along each outline. An outline drawn
  // twice is gone from the set, so overlapping ones invert twice as well.
  painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  const QRect bounds = event->region().boundingRect();
  for (const OutlineSet::Outline& o : set_.outlines()) {
    if (!o.rect.normalized().intersects(bounds)) continue;
    for (const QRect& strip : outlineStripRects(o.rect, o.penWidth))
      for (const QRect& area : event->region())
        if (QRect part = strip & area; !part.isEmpty()) painter.fillRect(part, Qt::black);
  }
}

bool OutlineOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) {
    setGeometry(parentWidget()->rect());
    // A picture of the old size no longer covers the host.
    releaseBackground();
  }
  // With nothing to show, where the overlay stands does not matter: the next outline
  // raises it. That spares a paste of many objects a search through the host's children
  // for each one.
  if (watched == parentWidget() && event->type() == QEvent::ChildAdded && (held_ || !set_.empty())) stayOnTop();
  return QWidget::eventFilter(watched, event);
}

namespace {

class ScreenOutlineWindow : public QWidget {
 public:
  ScreenOutlineWindow(const QRect& rect, int penWidth)
      : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                             Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setGeometry(rect.normalized());
    setMask(outlineStrips(QRect(QPoint(0, 0), rect.normalized().size()), penWidth));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
  }
};

}  // namespace

ScreenOutline::ScreenOutline() = default;
ScreenOutline::~ScreenOutline() = default;

void ScreenOutline::invert(const QRect& globalRect, int penWidth) {
  set_.toggle(globalRect, penWidth);
  sync();
}

void ScreenOutline::clear() {
  set_.clear();
  sync();
}

void ScreenOutline::sync() {
  windows_.clear();
  for (const OutlineSet::Outline& o : set_.outlines()) {
    if (o.rect.normalized().isEmpty()) continue;
    auto w = std::make_unique<ScreenOutlineWindow>(o.rect, o.penWidth);
    w->show();
    windows_.push_back(std::move(w));
  }
}

}  // namespace pemo::ui
