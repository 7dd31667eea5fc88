#pragma once
// The picture of a launcher button whose entry gives none of its own: a program started
// by name from the search path, or a command line with arguments.
#include <QPixmap>

namespace pemo::shell::launcher {

// The icon theme's program picture; where the theme has none (no desktop, a bare X
// server), a program window drawn at the button's size, so that such a button never
// stands empty.
QPixmap programPicture(int size);

}  // namespace pemo::shell::launcher
