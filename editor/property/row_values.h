#pragma once
// What a row's text does to an object or to the menu, worked out on a copy so that a
// value can be checked against every target before anything is stored.
#include <optional>
#include <string>

#include "editor/document/menu_document.h"
#include "editor/property/picture_port.h"

namespace pemo::editor::property {

struct RowContext {
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;
  PicturePort& pictures;
};

// Whether the row writes to an object of this kind: the rows the grid shows for it.
bool rowReaches(int row, ObjectKind kind);

// The object as it is with the row's text given to it; nullopt when it refuses the value
// (a negative size, a position out of reach, a colour that is none, a font text whose
// flags are no truth words or whose size is out of range, a check state outside 0 to 2, a
// picture file that is missing or no picture). A row that does not reach the object
// leaves it as it is; so does a font text without five fields.
std::optional<MenuObject> objectWithRow(MenuObject object, int row, const std::string& text,
                                        const RowContext& context);

// An image that does not stretch its picture takes the picture's size (twips inside a
// frame); any other object, or an image without a readable picture, stays as it is.
void fitImageToPicture(MenuObject& object, const RowContext& context);

// The menu's own rows: caption, back colour, tiling image. False when refused; the
// menu then stays as it was.
bool applyMenuRow(MenuDocument& document, int row, const std::string& text);

}  // namespace pemo::editor::property
