#pragma once
// The launcher's entries as files: which dropped files are programs, the caption a drop
// gets, where a button's picture comes from, and what a drop writes at once.
#include <string>

#include "runtime/page/runtime_state.h"
#include "runtime/shell/launcher/launcher_ports.h"

namespace pemo::shell::launcher {

// A program: a file (not a folder) named like a Windows program, or one with the
// execute bit, whose path the run-info file can hold. `path` is a Windows path.
bool isDroppableProgram(const std::string& path);

// The file name, with "，" for each "," (the run-info file separates the caption from
// the command line by the first comma).
std::string droppedCaption(const std::string& path);

// The picture of a command line's file: none for an empty name, a missing file or a
// command line with arguments (no file has that name).
ButtonIcon extractIconPicture(const std::string& fileName);

}  // namespace pemo::shell::launcher
