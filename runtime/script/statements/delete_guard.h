#pragma once
// What DELETEFILEEX may delete. It removes whole folder trees silently, so a value that
// went wrong must not take the drive, the home folder or the folder the program works in
// with it.
#include <string>

namespace pemo::script::statements {

// False for an empty or blank path, a path that names no place on a drive, a drive's
// root, the host folder a drive stands for, the host's root, the home folder, and the
// current folder or a folder that holds it. A pattern with wildcards is judged by its
// folder and by every entry it selects.
bool mayDeleteRecursively(const std::string& pattern);

}  // namespace pemo::script::statements
