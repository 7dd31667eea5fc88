#include "platform/testing/shown_pixels.h"

#include <QApplication>
#include <QBackingStore>
#include <QPainter>
#include <QWidget>

namespace pemo::testing {

QImage shownPixels(QWidget& window) {
  QApplication::processEvents();
  QBackingStore* store = window.backingStore();
  QPaintDevice* device = store ? store->paintDevice() : nullptr;
  if (!device || device->devType() != QInternal::Image) return {};
  return static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
}

QImage freshlyPainted(QWidget& window, const QWidget* leftOut) {
  QImage picture(shownPixels(window).size(), QImage::Format_RGB32);
  picture.fill(Qt::black);
  picture.setDevicePixelRatio(window.devicePixelRatioF());
  {
    QPainter painter(&picture);
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    // Children in their stacking order, each with what it holds.
    for (QObject* child : window.children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget && widget != leftOut && widget->isVisible() && !widget->isWindow())
        widget->render(&painter, widget->pos());
    }
  }
  picture.setDevicePixelRatio(1);
  return picture;
}

long differingPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  long count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  return count;
}

}  // namespace pemo::testing
