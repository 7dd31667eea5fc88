#pragma once
// Folder paths as the Windows programs wrote them: closing a folder with "\" before a
// name is added, cutting a path into its folder and name, and making a folder path level
// by level.
#include <optional>
#include <string>
#include <string_view>

namespace pemo::fs {

// The path with a "\" at its end, added when it has none ("" becomes "\").
std::string withClosingBackslash(std::string_view path);

// A path cut at its last "\" or "/": the folder before it ("C:" closed as "C:\") and the
// name after it. A path without either is all name and has no folder.
struct FolderAndName {
  std::optional<std::string> folder;
  std::string name;
};
FolderAndName splitFolderAndName(std::string_view path);

// Walks down from the drive's root, creating each missing level and stepping into it, so
// that the current drive and folder end at the folder created, as callers expect. A host
// path or a relative path is taken as the absolute Windows path it stands for. False when
// the path cannot be parsed or a level cannot be made or entered.
bool createFolderPath(std::string_view path);

}  // namespace pemo::fs
