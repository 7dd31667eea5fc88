#include "editor/property/window/qt_property_dialogs.h"

#include <QColorDialog>
#include <QFontDialog>

#include "platform/ui/colours.h"
#include "platform/ui/fonts.h"
#include "platform/ui/picture_file.h"
#include "platform/ui/qt_keyboard_return.h"

namespace pemo::editor::property {

std::optional<std::uint32_t> QtPropertyDialogs::chooseColour(std::optional<std::uint32_t> start) {
  ui::KeyboardReturn keyboard;
  QColorDialog dialog(parent_);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (start) dialog.setCurrentColor(ui::colourFromBgr(*start));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const std::uint32_t chosen = ui::bgrFromColour(dialog.selectedColor());
  // OK on the colour the dialog opened at keeps the value it was given: a system colour
  // stays one instead of turning into the shade the desktop gives it today.
  if (start && chosen == ui::bgrFromColour(ui::colourFromBgr(*start))) return start;
  return chosen;
}

FontChoice storedFont(const QFont& chosen, const FontChoice& start) {
  FontChoice font;
  font.name = chosen.family() == ui::displayFamily(start.name) ? start.name : chosen.family().toStdString();
  font.size = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : start.size;
  font.bold = chosen.bold();
  font.italic = chosen.italic();
  font.underline = chosen.underline();
  return font;
}

std::optional<FontChoice> QtPropertyDialogs::chooseFont(const FontChoice& start) {
  ui::KeyboardReturn keyboard;
  QFontDialog dialog(ui::displayFont(start), parent_);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return storedFont(dialog.selectedFont(), start);
}

std::optional<std::string> QtPropertyDialogs::chooseFile(const std::string& title, const std::string& filter) {
  return files_.showOpen({0, title, filter, "", ""});
}

std::optional<PictureSize> QtPictures::readPicture(const std::string& hostPath) {
  ui::PictureFile file(hostPath);
  QImageReader& reader = file.reader();
  if (!file.isOpen() || !reader.canRead()) return std::nullopt;
  QSize size = reader.size();
  if (!size.isValid()) {
    // A format that does not tell its size before it is read.
    QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    size = image.size();
  }
  return PictureSize{size.width(), size.height()};
}

}  // namespace pemo::editor::property
