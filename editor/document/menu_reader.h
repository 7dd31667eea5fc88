#pragma once
// Reading a menu file into a menu document.
#include <string>
#include <string_view>

#include "editor/document/editor_state.h"
#include "editor/document/messages.h"
#include "menufile/lines.h"

namespace pemo::editor {

// How far a reading got.
enum class LoadState {
  NothingRead = 0,  // no block in the file
  Read = 1,         // at least one block read, none cut short
  CutShort = 2,     // a block ran into the next block's opening line before its end
};

// Reads the menu file at path (Windows form) into a fresh document: the menu's
// attributes, one object per block (the n-th block of a kind becomes element n), the
// script into a new work file of this document, and the objects that name a frame into
// their frames. On failure shows a "PemoEdit" message and clears the document's
// filePath; whatever was read stays.
LoadState loadMenuFile(MenuDocument& document, EditorState& state, const std::string& path);

// The same, from the file's code page 932 bytes already read; path names the file in
// messages and gives the work file its name.
LoadState readMenuBytes(MenuDocument& document, EditorState& state, std::string_view bytes,
                        const std::string& path);

}  // namespace pemo::editor
