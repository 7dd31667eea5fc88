#pragma once
// Filling the grid from the document: one loader for the menu itself and one for the
// objects of every kind. A loader sets every row, enabled with its value or disabled and
// empty, so nothing of what was shown before remains.
#include "editor/document/editor_state.h"
#include "editor/property/property_grid.h"

namespace pemo::editor::property {

// The active menu window's own attributes. The object the grid showed before stays the
// active object control.
void loadMenuProperties(PropertyGrid& grid, EditorState& state);

// The object of `kind` at the active object's index of the active menu window; it becomes
// the active object control and the grid's target. In blank mode (a multi-selection of
// that kind) the kind's rows are enabled and empty, the style and picture-size lists are
// off, and neither the active object control nor the shown kind changes. An object that
// does not exist leaves the grid as it was.
void loadObjectProperties(PropertyGrid& grid, EditorState& state, ObjectKind kind,
                          bool blankMode);

// The object the grid shows, loaded again from its document.
void reloadShownObject(PropertyGrid& grid, EditorState& state);

// A row's text as the grid shows it for one object.
std::string objectRowText(int row, const MenuObject& object, const EditorState& state);
// A font as the grid's font row shows it: name, size, bold, italic, underline.
std::string fontText(const FontChoice& font);

}  // namespace pemo::editor::property
