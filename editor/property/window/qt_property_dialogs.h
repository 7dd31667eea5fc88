#pragma once
// The "..." button's dialogs as Qt's own: the colour and font dialogs, and the editor's
// open dialog for files.
#include <QWidget>

#include "editor/document/window_ports.h"
#include "editor/property/picture_port.h"
#include "editor/property/property_dialogs.h"

namespace pemo::editor::property {

class QtPropertyDialogs : public PropertyDialogs {
 public:
  QtPropertyDialogs(QWidget* parent, FileDialogPort& files) : parent_(parent), files_(files) {}
  std::optional<std::uint32_t> chooseColour(std::optional<std::uint32_t> start) override;
  std::optional<FontChoice> chooseFont(const FontChoice& start) override;
  std::optional<std::string> chooseFile(const std::string& title, const std::string& filter) override;

 private:
  QWidget* parent_;
  FileDialogPort& files_;
};

// Pictures read as the runtime reads them.
class QtPictures : public PicturePort {
 public:
  std::optional<PictureSize> readPicture(const std::string& hostPath) override;
};

// The stored font for a font chosen in the dialog: a family that is the one the start
// font shows as keeps the start font's stored name.
FontChoice storedFont(const QFont& chosen, const FontChoice& start);

}  // namespace pemo::editor::property
