#pragma once
// The process-wide table of our windows by number. Window numbers are what the
// system stores and passes where Windows passed window handles (the
// "Run\<handle>" keys, the library's window methods): 32-bit, never 0, and unique
// among the Pemo processes running at the same time.
#include <cstdint>

class QWidget;

namespace pemo::ui {

using WindowHandle = int32_t;

// The widget's number, given on its first registration and kept until the widget is
// destroyed, when the table forgets it.
WindowHandle registerWindow(QWidget* widget);
void unregisterWindow(QWidget* widget);
// nullptr for 0, a number never given, or a destroyed widget.
QWidget* windowFromHandle(WindowHandle handle);
// 0 for a widget that is not registered.
WindowHandle handleOfWindow(const QWidget* widget);

}  // namespace pemo::ui
