#include "runtime/page/window/page_widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>

#include "platform/ui/colours.h"
#include "platform/ui/fonts.h"

namespace pemo::page {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (!click) return;
  // A click may change the menu, and the label goes with the page: the release is
  // marked as handled first, so that the application does not offer it to the label
  // (then deleted) and its parents again. Nothing here touches the label after it.
  event->accept();
  emit clicked();
}

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setLine(const PageObject& o) {
  width_ = std::max(1, o.borderWidth);
  colour_ = o.foreColor ? ui::colourFromBgr(*o.foreColor) : QColor(Qt::black);
  const int pad = width_;
  QRectF box = QRectF(QPointF(o.x1, o.y1), QPointF(o.x2, o.y2)).normalized().adjusted(-pad, -pad, pad, pad);
  QRect area = box.toAlignedRect();
  setGeometry(area);
  line_ = QLineF(QPointF(o.x1, o.y1) - area.topLeft(), QPointF(o.x2, o.y2) - area.topLeft());
  update();
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(QPen(colour_, width_));
  p.drawLine(line_);
}

namespace {

int px(double v) { return static_cast<int>(std::lround(v)); }

void setColour(QWidget* w, QPalette::ColorRole role, const std::optional<std::uint32_t>& bgr) {
  QPalette p = w->palette();
  // Without a colour of its own the control shows the desktop's (a hover colour goes again).
  p.setColor(role, bgr ? ui::colourFromBgr(*bgr) : QApplication::palette(w).color(role));
  w->setPalette(p);
}

// A combo box is as high as its font makes it; asking the style is slow, so the answer
// is kept per font.
int comboBoxHeight(QWidget* w) {
  static QHash<QString, int> heights;
  const QString key = w->font().key();
  auto it = heights.find(key);
  if (it == heights.end()) it = heights.insert(key, w->sizeHint().height());
  return *it;
}

void applyZOrder(QWidget* w, ZOrder z) {
  if (z == ZOrder::Front) w->raise();
  if (z == ZOrder::Back) w->lower();
}

}  // namespace

void applyPosition(QWidget* w, const PageObject& o) {
  if (o.kind == ObjectKind::Line) {
    static_cast<LineWidget*>(w)->setLine(o);
    return;
  }
  int height = o.kind == ObjectKind::ComboBox ? comboBoxHeight(w) : px(o.height);
  w->setGeometry(px(o.left), px(o.top), px(o.width), height);
}

void applyObject(QWidget* w, const PageObject& o) {
  const QString caption = QString::fromStdString(o.caption);
  if (o.kind != ObjectKind::Image && o.kind != ObjectKind::Line) {
    // Most objects use the page's own font, which they inherit; setting it is slow.
    QFont font = ui::displayFont(o.font);
    if (w->font() != font) w->setFont(font);
  }
  switch (o.kind) {
    case ObjectKind::Label: {
      auto* label = static_cast<QLabel*>(w);
      label->setText(caption);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      setColour(w, QPalette::WindowText, o.foreColor);
      break;
    }
    case ObjectKind::Button:
      static_cast<QAbstractButton*>(w)->setText(caption);
      break;
    case ObjectKind::PictureButton: {
      auto* button = static_cast<QToolButton*>(w);
      button->setText(caption);
      QPixmap picture(QString::fromStdString(o.picture));
      button->setIcon(QIcon(picture));
      button->setIconSize(picture.size());
      button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
      break;
    }
    case ObjectKind::Image: {
      auto* image = static_cast<QLabel*>(w);
      image->setToolTip(caption);
      QPixmap picture(QString::fromStdString(o.picture));
      image->setScaledContents(o.stretch);
      image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      image->setPixmap(picture);
      break;
    }
    case ObjectKind::Radio: {
      auto* radio = static_cast<QRadioButton*>(w);
      radio->setText(caption);
      radio->setChecked(o.value != 0);
      break;
    }
    case ObjectKind::CheckBox: {
      auto* check = static_cast<QCheckBox*>(w);
      check->setText(caption);
      check->setTristate(o.value == 2);
      check->setCheckState(o.value == 2 ? Qt::PartiallyChecked : o.value ? Qt::Checked : Qt::Unchecked);
      break;
    }
    case ObjectKind::Frame:
      static_cast<QGroupBox*>(w)->setTitle(caption);
      break;
    default:
      break;
  }
  if (o.kind == ObjectKind::Radio || o.kind == ObjectKind::CheckBox || o.kind == ObjectKind::Frame) {
    setColour(w, QPalette::WindowText, o.foreColor);
    if (o.backColor) {
      setColour(w, QPalette::Window, o.backColor);
      w->setAutoFillBackground(true);
    }
  }
  if (o.kind == ObjectKind::ComboBox) setColour(w, QPalette::Text, o.foreColor);
  applyPosition(w, o);
  w->setEnabled(o.enabled);
  w->setVisible(o.visible);
  applyZOrder(w, o.zOrder);
}

}  // namespace pemo::page
