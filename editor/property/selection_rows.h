#pragma once
// The grid for a multi-selection: the rows of its one kind, empty, so that a value typed
// goes to every selected object; for mixed kinds only the left and top rows.
#include "editor/document/editor_state.h"
#include "editor/property/property_grid.h"

namespace pemo::editor::property {

// The kind a multi-selection's kind mask stands for; Multiple for mixed kinds.
ObjectKind kindOfSelection(int kindMask);

// Fills the grid for the multi-selection in the state's active object. Nothing of any
// single object shows, and neither the active object control nor the shown kind changes.
void loadMultiSelection(PropertyGrid& grid, EditorState& state);

}  // namespace pemo::editor::property
