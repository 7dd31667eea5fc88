#pragma once
// For the start-up benchmark and the checks with hostile menu files: with
// PEMO_QUIT_AFTER_FIRST_PAINT set, the program ends once the page has been painted.
class QWidget;

namespace pemo::shell {

// Arms the quit when the environment asks for it; nothing otherwise.
void quitAfterFirstPaintWhenAsked(QWidget& page);

}  // namespace pemo::shell
