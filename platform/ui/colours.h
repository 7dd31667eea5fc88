#pragma once
// Colours as the system stores them: BGR numbers (red in the lowest byte), and the
// system colours 0x800000nn that stand for the desktop's palette.
#include <QColor>
#include <cstdint>

namespace pemo::ui {

QColor colourFromBgr(std::uint32_t bgr);
std::uint32_t bgrFromColour(const QColor& colour);

}  // namespace pemo::ui
