#include "platform/ui/large_control_style.h"

#include <QApplication>
#include <QCommonStyle>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

namespace pemo::ui {
namespace {

// 2048 x 2048 pixels: a 16 MB picture, far above any control that fits on a screen.
constexpr long long kLargestCachedArea = 2048LL * 2048LL;

bool oversized(const QStyleOption* option) {
  return option && isOversizedControl(option->rect.width(), option->rect.height());
}

class LargeControlStyle : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (oversized(option)) plain_.drawPrimitive(element, option, painter, widget);
    else QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (oversized(option)) plain_.drawControl(element, option, painter, widget);
    else QProxyStyle::drawControl(element, option, painter, widget);
  }
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override {
    if (oversized(option)) plain_.drawComplexControl(control, option, painter, widget);
    else QProxyStyle::drawComplexControl(control, option, painter, widget);
  }

 private:
  mutable QCommonStyle plain_;
};

QStyle* largeControlStyle() {
  // Owned by the application, so it outlives every widget that uses it.
  static QPointer<LargeControlStyle> style;
  if (!style) {
    style = new LargeControlStyle;
    style->setParent(qApp);
  }
  return style;
}

}  // namespace

bool isOversizedControl(int width, int height) {
  return static_cast<long long>(width) * height > kLargestCachedArea;
}

void guardOversizedControl(QWidget* widget) {
  if (isOversizedControl(widget->width(), widget->height()) && widget->style() != largeControlStyle())
    widget->setStyle(largeControlStyle());
}

}  // namespace pemo::ui
