#include "platform/ui/controls.h"

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
#include "platform/ui/large_control_style.h"
#include "platform/ui/picture_file.h"

namespace pemo::ui {

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

void LineWidget::setPen(const QColor& colour, int width) {
  colour_ = colour;
  width_ = std::max(1, width);
  update();
}

void LineWidget::setLine(const ControlGeometry& g) {
  const int pad = width_;
  QRectF box = QRectF(QPointF(g.x1, g.y1), QPointF(g.x2, g.y2)).normalized().adjusted(-pad, -pad, pad, pad);
  QRect area = box.toAlignedRect();
  setGeometry(area);
  line_ = QLineF(QPointF(g.x1, g.y1) - area.topLeft(), QPointF(g.x2, g.y2) - area.topLeft());
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
  p.setColor(role, bgr ? colourFromBgr(*bgr) : QApplication::palette(w).color(role));
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

void applyCaptionAndPicture(QWidget* w, const ControlLook& look) {
  const QString caption = QString::fromStdString(look.caption);
  switch (look.kind) {
    case ControlKind::Label: {
      auto* label = static_cast<QLabel*>(w);
      label->setText(caption);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      break;
    }
    case ControlKind::Button:
      static_cast<QAbstractButton*>(w)->setText(caption);
      break;
    case ControlKind::PictureButton: {
      auto* button = static_cast<QToolButton*>(w);
      button->setText(caption);
      const QPixmap picture = loadPixmap(look.picture);
      button->setIcon(QIcon(picture));
      button->setIconSize(picture.size());
      button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
      break;
    }
    case ControlKind::Image: {
      auto* image = static_cast<QLabel*>(w);
      image->setToolTip(caption);
      const QPixmap picture = loadPixmap(look.picture);
      image->setScaledContents(look.stretch);
      image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      image->setPixmap(picture);
      break;
    }
    case ControlKind::Radio: {
      auto* radio = static_cast<QRadioButton*>(w);
      radio->setText(caption);
      radio->setChecked(look.state != 0);
      break;
    }
    case ControlKind::CheckBox: {
      auto* check = static_cast<QCheckBox*>(w);
      check->setText(caption);
      check->setTristate(look.state == kCheckGrayed);
      check->setCheckState(look.state == kCheckGrayed ? Qt::PartiallyChecked : look.state ? Qt::Checked : Qt::Unchecked);
      break;
    }
    case ControlKind::Frame:
      static_cast<QGroupBox*>(w)->setTitle(caption);
      break;
    default:
      break;
  }
}

void applyColours(QWidget* w, const ControlLook& look) {
  switch (look.kind) {
    case ControlKind::Label:
      setColour(w, QPalette::WindowText, look.foreColor);
      break;
    case ControlKind::Radio:
    case ControlKind::CheckBox:
    case ControlKind::Frame:
      setColour(w, QPalette::WindowText, look.foreColor);
      if (look.backColor) {
        // Buttons fill with their button colour, not the window colour a frame fills with.
        setColour(w, w->backgroundRole(), look.backColor);
        w->setAutoFillBackground(true);
      }
      break;
    case ControlKind::ComboBox:
      setColour(w, QPalette::Text, look.foreColor);
      break;
    case ControlKind::Line:
      static_cast<LineWidget*>(w)->setPen(look.foreColor ? colourFromBgr(*look.foreColor) : QColor(Qt::black),
                                          look.geometry.penWidth);
      break;
    default:
      break;
  }
}

}  // namespace

void applyGeometry(QWidget* w, ControlKind kind, const ControlGeometry& g) {
  if (kind == ControlKind::Line) {
    static_cast<LineWidget*>(w)->setLine(g);
    return;
  }
  int height = kind == ControlKind::ComboBox ? comboBoxHeight(w) : px(g.height);
  w->setGeometry(px(g.left), px(g.top), px(g.width), height);
  guardOversizedControl(w);
}

void applyLook(QWidget* w, const ControlLook& look) {
  if (look.kind != ControlKind::Image && look.kind != ControlKind::Line) {
    // Most objects use the page's own font, which they inherit; setting it is slow.
    QFont font = displayFont(look.font);
    if (w->font() != font) w->setFont(font);
  }
  applyCaptionAndPicture(w, look);
  applyColours(w, look);
  applyGeometry(w, look.kind, look.geometry);
  w->setEnabled(look.enabled);
  w->setVisible(look.visible);
}

}  // namespace pemo::ui
