#pragma once
// The widgets that show page objects, and how an object's attributes reach them.
#include <QLabel>
#include <QWidget>
#include <functional>

#include "runtime/page/page_object.h"

namespace pemo::page {

// A label or an image: clicks arrive as a signal.
class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(QWidget* parent) : QLabel(parent) {}
 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// A line between two points; it takes no mouse events.
class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent);
  // Places the widget over the line (window pixels within its parent).
  void setLine(const PageObject& line);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QLineF line_;
  QColor colour_ = Qt::black;
  int width_ = 1;
};

// Applies the object's attributes (position, size, caption, colours, font, picture,
// value, visibility) to the widget that shows it.
void applyObject(QWidget* widget, const PageObject& object);
// Applies the position only (after a move of the page).
void applyPosition(QWidget* widget, const PageObject& object);

}  // namespace pemo::page
