#pragma once
// Writing a menu document as a menu file.
#include <string>
#include <vector>

#include "editor/document/editor_state.h"
#include "editor/document/messages.h"

namespace pemo::editor {

enum class WriteMode { Save = 0, TestRun = 1 };

// The menu file's lines (UTF-8, without line ends) for the document: the MENU block, the
// object blocks by kind with INDEX and PARENT numbered as in the file, and the script
// section when the document has a script. A text with a line break gets a blank in its
// place, since the format cannot hold one.
std::vector<std::string> menuFileLines(const MenuDocument& document, const EditorState& state);

// Writes the document to path (Windows form) in code page 932 with CR LF. The old file
// is replaced only once the new one is completely on the disk. In save mode a success
// marks the document unchanged, brings path to the front of the recent-file list and has
// the main window rebuild its recent-file items; a failure shows a "PemoEdit" message and
// changes nothing. The test-run mode only writes the file. True on success.
bool writeMenuFile(const std::string& path, MenuDocument& document, WriteMode mode,
                   EditorState& state);

}  // namespace pemo::editor
