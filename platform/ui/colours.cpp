#include "platform/ui/colours.h"

#include <QApplication>
#include <QPalette>

namespace pemo::ui {
namespace {

// The Windows system colour indexes and the palette role that plays
// the same part here.
QColor systemColour(unsigned index) {
  QPalette p = QApplication::palette();
  using R = QPalette::ColorRole;
  switch (index) {
    case 0: return p.color(R::Button);           // scroll bar
    case 1: return p.color(R::Dark);             // desktop
    case 2: case 13: return p.color(R::Highlight);  // active caption, highlight
    case 3: case 11: return p.color(R::Mid);     // inactive caption, inactive border
    case 4: case 5: return p.color(R::Base);     // menu, window
    case 6: case 21: return p.color(R::Shadow);  // window frame, dark shadow
    case 7: case 8: return p.color(R::Text);     // menu text, window text
    case 9: case 14: return p.color(R::HighlightedText);
    case 10: case 15: case 22: return p.color(R::Button);  // border, button face, light
    case 12: return p.color(R::Dark);            // application workspace
    case 16: return p.color(R::Dark);            // button shadow
    case 17: case 19: return p.color(QPalette::Disabled, R::Text);  // grey text
    case 18: return p.color(R::ButtonText);
    case 20: return p.color(R::Light);           // button highlight
    case 23: return p.color(R::ToolTipText);
    case 24: return p.color(R::ToolTipBase);
    default: return p.color(R::Window);
  }
}

}  // namespace

QColor colourFromBgr(std::uint32_t bgr) {
  if (bgr & 0x80000000u) return systemColour(bgr & 0xFFu);
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::uint32_t bgrFromColour(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8) |
         (static_cast<std::uint32_t>(c.blue()) << 16);
}

}  // namespace pemo::ui
