#pragma once
// The current drive and a current folder per drive, as the Windows platform kept them.
// They start from the process's current folder; changing the current drive's folder
// also moves the process's own current folder, so child processes and relative host
// paths follow.
#include <string>
#include <string_view>

namespace pemo::fs {

// The current drive letter in upper case.
char currentDrive();
// The current folder of a drive ("C:\home\u"); a drive not visited yet is at its root.
std::string currentFolder(char drive);
// The current folder of the current drive.
std::string currentFolder();

// Makes a defined drive with an existing target the current drive, at its current
// folder (its root when that folder is gone); false otherwise.
bool changeDrive(char drive);
// Sets the current folder of the path's drive to an existing folder (relative paths
// from the current folder); the current drive stays. False when it is no folder.
bool changeFolder(std::string_view path);

// Forgets the current drive and folders, so that the next use starts again from the
// process's current folder (for tests that change the drives).
void resetCurrentFolders();

}  // namespace pemo::fs
