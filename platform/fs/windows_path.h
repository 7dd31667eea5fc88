#pragma once
// Windows paths inside, host paths at the edge.
//
// A Windows path is "C:\DIR\FILE.FIL", "\DIR" (on the current drive), "C:DIR" (from
// drive C's current folder) or "DIR\FILE" (from the current folder); "/" counts as "\".
// A text that starts with "/" is a host path that came in from outside (command line,
// dialogs, dropped files) and is taken as it is.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pemo::fs {

// An absolute Windows path taken apart: drive letter in upper case and the folder names
// below its root ("." and ".." already applied).
struct WindowsPath {
  char drive = 0;
  std::vector<std::string> parts;

  // "C:\" for the root, else "C:\A\B" without closing backslash.
  std::string text() const;
};

bool isHostPath(std::string_view path);
// True for "X:\..." and "X:/...".
bool isAbsoluteWindowsPath(std::string_view path);

// The absolute form of a Windows path, relative forms resolved against the current
// drive and folders; nullopt for an empty text, a network path ("\\server\share") or a
// drive that is not a letter. A host path is mapped back first.
std::optional<WindowsPath> parseWindowsPath(std::string_view path);

// The host path of a Windows path: the drive's target followed by the names, each name
// matched without regard to case when the exact name does not exist (names that match
// nothing stay as written, so new files can be named). A host path comes back as it
// is. nullopt when the path cannot be parsed or its drive is not defined.
std::optional<std::string> toHostPath(std::string_view windowsPath);
// The host path of a Windows path when the lookup found every name on the disk (a file,
// a folder or anything else); nullopt when a name is missing, without asking the disk again.
std::optional<std::string> foundHostPath(std::string_view windowsPath);
// The host path of an existing regular file that the path names; nullopt otherwise.
std::optional<std::string> existingHostFile(std::string_view windowsPath);

// The Windows path of a host path, through the drive whose target is the longest
// prefix of it ("/home/u/m.fil" is "C:\home\u\m.fil" while C: is "/"). A relative host
// path is taken from the process's current folder. A Windows path comes back in its
// absolute form. Empty when no drive covers the path.
std::string toWindowsPath(std::string_view hostPath);

// The absolute Windows form of any path with the names as they are on disk where the
// path exists (case-insensitive matches replaced by the real names).
std::optional<std::string> absoluteWindowsPath(std::string_view path);

// The Windows folder and system folder in Windows form ("C:\home\u\.config\pemo\windows").
std::string windowsFolder();
std::string systemFolder();

}  // namespace pemo::fs
