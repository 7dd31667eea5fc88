#pragma once
// What DELETEFILEEX may delete. It removes whole folder trees silently, so a value that
// went wrong must not take the drive, the home folder, the program's own folders or the
// folder the program works in with it.
#include <string>

namespace pemo::script::statements {

// False for an empty or blank path, a path that names no place on a drive, a drive's
// root, and a folder that is or holds a key folder: the host's root, the home folder,
// the configuration folder (drives, registry), the program folder, the host folder of
// a drive, or the current folder. A pattern with wildcards is judged by every entry it
// selects, and may not select the whole contents of a drive's root or a key folder
// other than the current folder.
bool mayDeleteRecursively(const std::string& pattern);

}  // namespace pemo::script::statements
