#pragma once
// Drive letters. Each drive is an entry of the drive folder
// $XDG_CONFIG_HOME/pemo/drives: a symbolic link (or a folder) named "c:", "d:", ...
// The drive folder is created on first use with "c:" pointing to "/".
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

namespace pemo::fs {

std::filesystem::path drivesFolder();

// The host folder a drive letter stands for (either case of the letter); nullopt when
// the drive is not defined. A link whose target is gone still gives its target.
std::optional<std::filesystem::path> driveTarget(char letter);
// True when the drive is defined and its target is a folder.
bool driveAvailable(char letter);
// Every defined drive with its target, read from the drive folder in one pass.
std::map<char, std::filesystem::path> driveTargets();
// Defined drive letters in upper case, in alphabetical order.
std::vector<char> driveLetters();

// Points a drive letter at a host folder (replacing an earlier definition); false when
// the letter is not A to Z or the link cannot be made.
bool mapDrive(char letter, const std::filesystem::path& target);
bool unmapDrive(char letter);

// 'C' for 'c' and 'C'; 0 for anything that is not a letter A to Z.
char driveLetter(char c);

}  // namespace pemo::fs
