#include "editor/property/row_values.h"

#include <cmath>

#include "editor/document/object_look.h"
#include "editor/property/grid_rows.h"
#include "editor/property/value_reading.h"
#include "menufile/values.h"
#include "platform/text/numbers.h"

namespace pemo::editor::property {

namespace {

// A frame keeps its contents' geometry in twips; a frame itself lies on the window.
bool inFrame(const MenuObject& object) { return object.kind != ObjectKind::Frame && object.frame != 0; }

bool setGeometry(MenuObject& object, int row, const std::string& text, const RowContext& context) {
  const double pixels = numberOf(text);
  if (!std::isfinite(pixels) || std::fabs(pixels) > menufile::kLargestCoordinate) return false;
  const bool size = row == row::Width || row == row::Height;
  if (size && pixels < 0) return false;
  const bool across = row == row::Left || row == row::Width;
  const double value = inFrame(object) ? pixels * (across ? context.twipsPerPixelX : context.twipsPerPixelY) : pixels;
  switch (row) {
    case row::Left: object.left = value; break;
    case row::Top: object.top = value; break;
    case row::Width: object.width = value; break;
    default: object.height = value; break;
  }
  return true;
}

bool setColour(std::uint32_t& target, const std::string& text) {
  auto colour = colourOf(text);
  if (!colour) return false;
  target = *colour;
  return true;
}

bool setFont(MenuObject& object, const std::string& text) {
  FontText font = fontOf(text);
  if (font.reading == FontText::Reading::Refused) return false;
  if (font.reading == FontText::Reading::Font) object.font = font.font;
  return true;
}

// No text takes the picture away; any other text must name a picture that can be shown.
bool setPicture(MenuObject& object, const std::string& text, const RowContext& context) {
  if (!text.empty()) {
    const std::string host = hostPicturePath(text);
    if (host.empty() || !context.pictures.readPicture(host)) return false;
  }
  object.picture = text;
  fitImageToPicture(object, context);
  return true;
}

bool setValue(MenuObject& object, const std::string& text) {
  const double number = numberOf(text);
  if (object.kind == ObjectKind::Radio) {
    object.value = number != 0 ? 1 : 0;
    return true;
  }
  const double state = text::RoundHalfEven(number);
  if (!(state >= 0 && state <= 2)) return false;
  object.value = static_cast<int>(state);
  return true;
}

}  // namespace

bool rowReaches(int row, ObjectKind kind) { return !isListRow(row) && rowsShownFor(kind)[row]; }

std::optional<MenuObject> objectWithRow(MenuObject object, int row, const std::string& text,
                                        const RowContext& context) {
  if (!rowReaches(row, object.kind)) return object;
  bool accepted = true;
  switch (row) {
    case row::Caption: object.caption = text; break;
    case row::Left:
    case row::Top:
    case row::Width:
    case row::Height: accepted = setGeometry(object, row, text, context); break;
    case row::BackColor: accepted = setColour(object.backColor, text); break;
    case row::ForeColor: accepted = setColour(object.foreColor, text); break;
    case row::Font: accepted = setFont(object, text); break;
    case row::Link: object.link = text; break;
    case row::Picture: accepted = setPicture(object, text, context); break;
    case row::OnCursorColor: object.onCursorColor = text; break;
    case row::Value: accepted = setValue(object, text); break;
    default: break;
  }
  if (!accepted) return std::nullopt;
  return object;
}

void fitImageToPicture(MenuObject& object, const RowContext& context) {
  if (object.kind != ObjectKind::Image || object.stretch || object.picture.empty()) return;
  const std::string host = hostPicturePath(object.picture);
  auto size = host.empty() ? std::nullopt : context.pictures.readPicture(host);
  if (!size) return;
  const bool twips = inFrame(object);
  // A picture's header may claim any size; the object stays within the page's reach.
  object.width = menufile::clampCoordinate(size->width) * (twips ? context.twipsPerPixelX : 1);
  object.height = menufile::clampCoordinate(size->height) * (twips ? context.twipsPerPixelY : 1);
}

bool applyMenuRow(MenuDocument& document, int row, const std::string& text) {
  switch (row) {
    case row::Caption: document.caption = text; return true;
    case row::BackColor: return setColour(document.backColor, text);
    case row::TilingImage: document.tilingImage = text; return true;
    default: return true;
  }
}

}  // namespace pemo::editor::property
