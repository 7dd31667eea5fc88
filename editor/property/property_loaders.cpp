#include "editor/property/property_loaders.h"

#include <cmath>

#include "menufile/values.h"
#include "platform/text/numbers.h"

namespace pemo::editor::property {

namespace {

// A frame measures its contents in twips; the grid shows pixels, unrounded.
std::string geometryText(const MenuObject& object, double value, double twipsPerPixel) {
  bool inFrame = object.kind != ObjectKind::Frame && object.frame != 0;
  return text::FormatGeneral(inFrame ? value / twipsPerPixel : value);
}

// A label keeps its style as text; the list shows it read as a number, rounded.
long labelStyleValue(const std::string& style) {
  double value = text::RoundHalfEven(text::Val(style));
  return std::fabs(value) < 1e9 ? static_cast<long>(value) : -1;
}

long listValue(int listRow, const MenuObject& object) {
  if (listRow == row::Stretch) return object.stretch ? 0 : 1;
  if (object.kind == ObjectKind::Label) return labelStyleValue(object.labelStyle);
  return object.linkStyle;
}

}  // namespace

std::string fontText(const FontChoice& font) {
  using menufile::formatBoolean;
  return font.name + "," + text::FormatGeneral(font.size) + "," + formatBoolean(font.bold) + "," +
         formatBoolean(font.italic) + "," + formatBoolean(font.underline);
}

std::string objectRowText(int row, const MenuObject& object, const EditorState& state) {
  switch (row) {
    case row::Caption: return object.caption;
    case row::Left: return geometryText(object, object.left, state.twipsPerPixelX);
    case row::Top: return geometryText(object, object.top, state.twipsPerPixelY);
    case row::Width: return geometryText(object, object.width, state.twipsPerPixelX);
    case row::Height: return geometryText(object, object.height, state.twipsPerPixelY);
    case row::BackColor: return menufile::formatColour(object.backColor);
    case row::ForeColor: return menufile::formatColour(object.foreColor);
    case row::Font: return fontText(object.font);
    case row::Link: return object.link;
    case row::Picture: return object.picture;
    case row::OnCursorColor: return object.onCursorColor;
    case row::Value:
      if (object.kind == ObjectKind::Radio) return object.value != 0 ? "-1" : "0";
      return std::to_string(object.value);
    default: return "";
  }
}

namespace {

void loadObject(PropertyGrid& grid, EditorState& state, MenuDocument* document, ObjectRef ref,
                bool blankMode) {
  const ObjectKind kind = ref.kind;
  const MenuObject* object = document ? document->find(ref) : nullptr;
  if (!blankMode) {
    if (!object) return;
    // Before any row: whatever a row's list does, it must reach this object.
    state.activeObjectControl = {document, ref};
    grid.shownKind = kind;
    grid.target = {document, ref, {}};
  }
  const auto shown = rowsShownFor(kind);
  for (int row = 0; row < kRowCount; ++row) {
    if (!isListRow(row)) {
      bool on = shown[row];
      grid.setTextRow(row, on, on && !blankMode ? objectRowText(row, *object, state) : "");
    } else if (blankMode && row == row::Stretch) {
      grid.rows[row].enabled = false;  // keeps the entry it shows
    } else if (shown[row] && !blankMode) {
      grid.setListRow(row, true, listValue(row, *object));
    } else {
      grid.disableRow(row);
    }
  }
}

}  // namespace

void loadObjectProperties(PropertyGrid& grid, EditorState& state, ObjectKind kind,
                          bool blankMode) {
  loadObject(grid, state, state.activeDocument, {kind, state.activeObject.index}, blankMode);
}

void reloadShownObject(PropertyGrid& grid, EditorState& state) {
  loadObject(grid, state, grid.target.document, grid.target.object, false);
}

void loadMenuProperties(PropertyGrid& grid, EditorState& state) {
  MenuDocument* document = state.activeDocument;
  if (!document) return;
  const auto shown = rowsShownFor(ObjectKind::Menu);
  for (int row = 0; row < kRowCount; ++row) {
    if (!shown[row]) {
      grid.disableRow(row);
      continue;
    }
    switch (row) {
      case row::Caption: grid.setTextRow(row, true, document->caption); break;
      case row::BackColor:
        grid.setTextRow(row, true, menufile::formatColour(document->backColor));
        break;
      case row::UnloadMode: grid.setListRow(row, true, document->unloadMode); break;
      default: grid.setTextRow(row, true, document->tilingImage); break;
    }
  }
  grid.shownKind = ObjectKind::Menu;
  grid.target = {document, {ObjectKind::Menu, 0}, {}};
}

}  // namespace pemo::editor::property
