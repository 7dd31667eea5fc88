#pragma once
// Existence checks and folder listings on Windows paths (host paths work too).
#include <string>
#include <string_view>
#include <vector>

namespace pemo::fs {

bool fileExists(std::string_view path);    // an existing entry that is not a folder
bool folderExists(std::string_view path);  // an existing folder
bool pathExists(std::string_view path);    // either

// "*" matches any run of characters and "?" one character; letters compare without
// regard to case. A pattern ending in ".*" also matches names without an extension,
// so "*.*" matches every name, as on Windows.
bool matchesWildcard(std::string_view name, std::string_view pattern);

struct FolderEntry {
  std::string name;
  bool isFolder = false;
};

// The entries of a folder whose names match the last part of the pattern
// ("C:\MENU\*.FIL"; "C:\MENU\" or "C:\MENU\*" for all), "." and ".." left out, sorted by
// name without regard to case. A missing folder gives no entries.
std::vector<FolderEntry> listFolder(std::string_view pattern);

}  // namespace pemo::fs
