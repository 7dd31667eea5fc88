#pragma once
// For the start-up benchmark and the checks with hostile menu files: with
// PEMO_QUIT_AFTER_FIRST_PAINT set, the program ends once the page has been painted.
class QWidget;

namespace pemo::shell {

// Arms the quit when the environment asks for it; nothing otherwise. Armed before the
// start file is checked, so that the message about a missing one is closed as well.
void armQuitAfterFirstPaint();
// The page whose first paint ends the program, once armed.
void quitAfterFirstPaintOf(QWidget& page);

}  // namespace pemo::shell
