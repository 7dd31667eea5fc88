#include "editor/workspace/window/object_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>

#include "platform/fs/windows_path.h"
#include "platform/ui/colours.h"
#include "platform/ui/fonts.h"

namespace pemo::editor {

namespace {

int px(double value) { return static_cast<int>(std::lround(value)); }

QPixmap pictureOf(const std::string& file) {
  if (file.empty()) return {};
  auto host = fs::toHostPath(file);
  return host ? QPixmap(QString::fromStdString(*host)) : QPixmap();
}

void setColour(QWidget* widget, QPalette::ColorRole role, std::uint32_t bgr) {
  QPalette palette = widget->palette();
  palette.setColor(role, ui::colourFromBgr(bgr));
  widget->setPalette(palette);
}

}  // namespace

QWidget* createObjectWidget(QWidget* parent, const MenuObject& object, double twipsPerPixel) {
  QWidget* widget = nullptr;
  switch (object.kind) {
    case ObjectKind::Label:
    case ObjectKind::Image: widget = new QLabel(parent); break;
    case ObjectKind::Button: widget = new QPushButton(parent); break;
    case ObjectKind::PictureButton: widget = new QToolButton(parent); break;
    case ObjectKind::Radio: widget = new QRadioButton(parent); break;
    case ObjectKind::CheckBox: widget = new QCheckBox(parent); break;
    case ObjectKind::Frame: widget = new QGroupBox(parent); break;
    case ObjectKind::ComboBox: widget = new QComboBox(parent); break;
    default: widget = new QWidget(parent); break;
  }
  // The editing surface handles the pointer and the keys itself.
  widget->setFocusPolicy(Qt::NoFocus);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  showObject(widget, object, twipsPerPixel);
  return widget;
}

void showObject(QWidget* widget, const MenuObject& object, double twipsPerPixel) {
  double scale = object.frame > 0 ? twipsPerPixel : 1;
  int height = object.kind == ObjectKind::ComboBox ? widget->sizeHint().height() : px(object.height / scale);
  widget->setGeometry(px(object.left / scale), px(object.top / scale), px(object.width / scale), height);
  QString caption = QString::fromStdString(object.caption);
  if (object.kind != ObjectKind::Image) widget->setFont(ui::displayFont(object.font));
  widget->setAutoFillBackground(object.kind != ObjectKind::Image);
  switch (object.kind) {
    case ObjectKind::Label: {
      auto* label = static_cast<QLabel*>(widget);
      label->setText(caption);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setAutoFillBackground(false);
      setColour(widget, QPalette::WindowText, object.foreColor);
      break;
    }
    case ObjectKind::Image: {
      auto* image = static_cast<QLabel*>(widget);
      image->setPixmap(pictureOf(object.picture));
      image->setScaledContents(object.stretch);
      break;
    }
    case ObjectKind::Button: static_cast<QPushButton*>(widget)->setText(caption); break;
    case ObjectKind::PictureButton: {
      auto* button = static_cast<QToolButton*>(widget);
      QPixmap picture = pictureOf(object.picture);
      button->setText(caption);
      button->setIcon(QIcon(picture));
      button->setIconSize(picture.size());
      button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
      break;
    }
    case ObjectKind::Radio:
    case ObjectKind::CheckBox: {
      auto* button = static_cast<QAbstractButton*>(widget);
      button->setText(caption);
      if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setTristate(object.value == 2);
        check->setCheckState(object.value == 2 ? Qt::PartiallyChecked : object.value ? Qt::Checked : Qt::Unchecked);
      } else {
        button->setChecked(object.value != 0);
      }
      setColour(widget, QPalette::Window, object.backColor);
      setColour(widget, QPalette::WindowText, object.foreColor);
      break;
    }
    case ObjectKind::Frame:
      static_cast<QGroupBox*>(widget)->setTitle(caption);
      setColour(widget, QPalette::Window, object.backColor);
      setColour(widget, QPalette::WindowText, object.foreColor);
      break;
    case ObjectKind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(widget);
      combo->setEditable(true);
      combo->setEditText(caption);
      break;
    }
    default: break;
  }
  widget->setVisible(object.visible);
}

}  // namespace pemo::editor
