#pragma once
// The desktop style draws a button's panel through a picture of the whole button, which
// for a control tens of thousands of pixels wide (a menu file may ask for 32767 x 32767)
// is gigabytes. Controls that large get this style: it keeps the desktop style for
// everything else and draws their panels straight onto the screen, where only the visible
// part costs anything.
class QStyle;
class QWidget;

namespace pemo::ui {

// Whether a control of this size would make the desktop style's pictures too large.
bool isOversizedControl(int width, int height);
// Gives the widget the plain drawing when its size needs it (and keeps it afterwards).
void guardOversizedControl(QWidget* widget);

}  // namespace pemo::ui
