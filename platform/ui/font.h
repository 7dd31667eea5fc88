#pragma once
// The font of a control as it is stored (a menu file's FONTNAME, FONTSIZE, FONTBOLD,
// FONTITALIC and FONTUNDERLINE keys), with the font a new control starts with.
#include <string>

namespace pemo::ui {

struct Font {
  std::string name = "ＭＳ Ｐゴシック";
  double size = 9;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

}  // namespace pemo::ui
