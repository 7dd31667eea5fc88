#include "editor/workspace/window/object_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "editor/document/object_look.h"
#include "platform/ui/controls.h"

namespace pemo::editor {

QWidget* createObjectWidget(QWidget* parent, const MenuObject& object) {
  QWidget* widget = nullptr;
  switch (object.kind) {
    case ObjectKind::Label:
    case ObjectKind::Image: widget = new ui::ClickableLabel(parent); break;
    case ObjectKind::Button: widget = new QPushButton(parent); break;
    case ObjectKind::PictureButton: widget = new QToolButton(parent); break;
    case ObjectKind::Radio: widget = new QRadioButton(parent); break;
    case ObjectKind::CheckBox: widget = new QCheckBox(parent); break;
    case ObjectKind::Frame: widget = new QGroupBox(parent); break;
    case ObjectKind::ComboBox: {
      // A combo box shows its text in its own field.
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      widget = combo;
      break;
    }
    default: widget = new QWidget(parent); break;
  }
  // The editing surface handles the pointer and the keys itself.
  widget->setFocusPolicy(Qt::NoFocus);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  showObject(widget, object);
  return widget;
}

void showObject(QWidget* widget, const MenuObject& object) {
  ui::applyLook(widget, lookOf(object));
  if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->setEditText(QString::fromStdString(object.caption));
}

}  // namespace pemo::editor
