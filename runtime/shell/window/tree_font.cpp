#include "runtime/shell/window/tree_font.h"

#include "platform/ui/fonts.h"

namespace pemo::shell {

QFont appliedTreeFont(QFont font, const TreeFont& stored) {
  font.setFamily(ui::displayFamily(stored.name));
  if (stored.size) font.setPointSizeF(*stored.size);
  if (stored.bold) font.setBold(*stored.bold);
  if (stored.italic) font.setItalic(*stored.italic);
  if (stored.strikethrough) font.setStrikeOut(*stored.strikethrough);
  if (stored.underline) font.setUnderline(*stored.underline);
  return font;
}

TreeFont storedTreeFont(const QFont& font, const std::string& name) {
  return {name, font.pointSizeF(), font.bold(), font.italic(), font.strikeOut(), font.underline()};
}

}  // namespace pemo::shell
