#pragma once
// The font of a menu object as the FONTNAME, FONTSIZE, FONTBOLD, FONTITALIC and
// FONTUNDERLINE keys give it, with the font a new object starts with.
#include <string>

namespace pemo::menufile {

struct Font {
  std::string name = "ＭＳ Ｐゴシック";
  double size = 9;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

}  // namespace pemo::menufile
