#pragma once
// The widgets that show menu objects, and how a control's look reaches them: the one
// drawing of labels, buttons, pictures, choices, frames, combo boxes and lines that the
// runtime's page and the editor share.
#include <QLabel>
#include <QWidget>

#include "platform/ui/control_look.h"

namespace pemo::ui {

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
  void setPen(const QColor& colour, int width);
  // Places the widget over the line.
  void setLine(const ControlGeometry& line);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QLineF line_;
  QColor colour_ = Qt::black;
  int width_ = 1;
};

// Applies the look (position, size, caption, colours, font, picture, state,
// visibility) to the widget of its kind that shows it.
void applyLook(QWidget* widget, const ControlLook& look);
// Applies the position only (after a move of the page).
void applyGeometry(QWidget* widget, ControlKind kind, const ControlGeometry& geometry);

}  // namespace pemo::ui
