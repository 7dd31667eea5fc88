#pragma once
// The script of a menu document: its own work file, or the lines held in memory when no
// work file could be made.
#include <optional>
#include <string>
#include <vector>

#include "editor/document/editor_state.h"

namespace pemo::editor {

// Gives the document a new work file holding lines, named after menuPath (see
// scriptWorkFileName) and made unique in the editor's work folder; an earlier work file
// of the document is removed. When none can be created the user is told and the lines
// stay in the document, so that the next save still writes them.
void attachScriptWorkFile(MenuDocument& document, const EditorState& state,
                          const std::string& menuPath, std::vector<std::string> lines);

// Makes sure the document has a work file the script editor can open (an empty one for
// a menu without script, or one holding the script kept in memory), named after the
// menu file or, for a new menu, its caption. False when none can be created.
bool ensureScriptWorkFile(MenuDocument& document, const EditorState& state);

// The document's script lines; nullopt when the menu has no script.
std::optional<std::vector<std::string>> documentScript(const MenuDocument& document);

// True when the document's work file is there but cannot be read (grown past what a
// menu can hold, replaced by a folder, ...): a write then would lose the script.
bool scriptWorkFileUnreadable(const MenuDocument& document);

// Deletes the document's work file, as closing its window does.
void removeScriptWorkFile(MenuDocument& document);

}  // namespace pemo::editor
