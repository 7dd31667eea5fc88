#pragma once
// The script work file: the menu's script as a UTF-8 text file that the user edits in an
// external editor and that a save copies into the menu file. Every menu window has its
// own, created under a unique name in the editor's work folder, so that two windows on
// one file (or two new menus of one number) never share one, and a read-only menu
// folder never costs the script.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pemo::editor {

// The work file's name for a menu file path (Windows or host form): the file name up
// to and including its first ".", followed by "WSC" (MENU1.FIL gives MENU1.WSC, A.B.FIL
// gives A.WSC; a name without "." gives WSC).
std::string scriptWorkFileName(const std::string& menuPath);

// Creates a new work file in folder (created when missing) under name, or under the first
// free variant of it ("A_2.WSC", "A_3.WSC", ...), and writes the lines to it, each ended
// by CR LF. nullopt when it cannot be created or written (a partial file is removed).
std::optional<std::filesystem::path> createScriptWorkFile(
    const std::filesystem::path& folder, const std::string& name,
    const std::vector<std::string>& lines);

// The lines of a work file, without their line ends (CR LF, LF or CR). Text that is not
// UTF-8 (saved by an editor in code page 932) is decoded as code page 932. nullopt when
// the file is missing or cannot be read.
std::optional<std::vector<std::string>> readScriptWorkFile(const std::filesystem::path& file);

}  // namespace pemo::editor
