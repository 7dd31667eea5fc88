#pragma once
// The widgets that show a menu document's objects on its window.
#include <QWidget>

#include "editor/document/menu_object.h"

namespace pemo::editor {

// A widget of the object's kind under parent, showing the object.
QWidget* createObjectWidget(QWidget* parent, const MenuObject& object, double twipsPerPixel);
// Shows the object's attributes (geometry, caption, colours, font, picture, value,
// visibility) on its widget. Geometry inside a frame is in twips.
void showObject(QWidget* widget, const MenuObject& object, double twipsPerPixel);

}  // namespace pemo::editor
