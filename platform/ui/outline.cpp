#include "platform/ui/outline.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace pemo::ui {

QRegion outlineStrips(const QRect& rect, int penWidth) {
  const QRect r = rect.normalized();
  if (r.isEmpty()) return {};
  const int pen = std::max(1, penWidth);
  // Thin rectangles: the strips shrink so that none covers a pixel another covers.
  const int top = std::min(pen, r.height());
  const int bottom = std::min(pen, r.height() - top);
  const int left = std::min(pen, r.width());
  const int right = std::min(pen, r.width() - left);
  const int sideHeight = r.height() - top - bottom;
  QRegion strips(r.left(), r.top(), r.width(), top);
  if (bottom > 0) strips += QRect(r.left(), r.bottom() + 1 - bottom, r.width(), bottom);
  if (sideHeight > 0) {
    strips += QRect(r.left(), r.top() + top, left, sideHeight);
    if (right > 0) strips += QRect(r.right() + 1 - right, r.top() + top, right, sideHeight);
  }
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

QRegion OutlineSet::region() const {
  QRegion all;
  for (const Outline& o : outlines_) all += outlineStrips(o.rect, o.penWidth);
  return all;
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
  setVisible(!set_.empty());
  raise();
  update(outlineStrips(hostRect, penWidth));
}

void OutlineOverlay::clear() {
  if (set_.empty()) return;
  QRegion old = set_.region();
  set_.clear();
  update(old);
  hide();
}

void OutlineOverlay::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // What the window painted beneath is already there: invert it along each outline. An
  // outline drawn twice is gone from the set, so overlapping ones invert twice as well.
  painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  for (const OutlineSet::Outline& o : set_.outlines())
    for (const QRect& strip : outlineStrips(o.rect, o.penWidth) & event->region()) painter.fillRect(strip, Qt::black);
}

bool OutlineOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  if (watched == parentWidget() && event->type() == QEvent::ChildAdded) raise();
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
