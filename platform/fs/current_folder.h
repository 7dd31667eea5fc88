#pragma once
// The current drive and a current folder per drive, as the Windows platform kept them.
// The current drive's folder is the process's own current folder (so child processes and
// relative host paths follow it); the other drives' folders are kept in the environment
// (PEMO_FOLDER_<letter>), shared by every part of the process and inherited by children.
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

// Forgets the folders of the drives, so that the current drive and folder follow from
// the process's current folder alone.
void resetCurrentFolders();

}  // namespace pemo::fs
