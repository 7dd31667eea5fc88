#pragma once
// The beginning and end of a menu document, as its window loads and closes.
#include <cstdint>

#include "editor/document/editor_state.h"

namespace pemo::editor {

// The loading of a menu window: the caption starts as untitledCaption; a document with a
// filePath reads that file, a new one gets an empty script work file named after
// untitledCaption; then the window becomes the active one, the menu itself the active object,
// and the property window reloads.
void loadMenuDocument(MenuDocument& document, EditorState& state, std::uint32_t windowHandle);

// What closing a menu window does to its document once the user has agreed: the work
// file goes, and the editor no longer points at the window.
void closeMenuDocument(MenuDocument& document, EditorState& state);

}  // namespace pemo::editor
