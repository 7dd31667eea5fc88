#pragma once
// The widgets that show a menu document's objects on its window, drawn by the control
// look both programs share, so that an object looks here as the runtime shows it.
#include <QWidget>

#include "editor/document/menu_object.h"

namespace pemo::editor {

// A widget of the object's kind under parent, showing the object.
QWidget* createObjectWidget(QWidget* parent, const MenuObject& object);
// Shows the object's attributes on its widget.
void showObject(QWidget* widget, const MenuObject& object);

}  // namespace pemo::editor
