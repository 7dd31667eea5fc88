#pragma once
// The per-user configuration folders. XDG_CONFIG_HOME is read at every call, so a
// test or a check that points it elsewhere is followed at once.
#include <filesystem>
#include <string>

namespace pemo::fs {

// $XDG_CONFIG_HOME, or ~/.config when it is unset, empty or relative.
std::filesystem::path configHome();
// configHome()/pemo, created when missing.
std::filesystem::path pemoConfigFolder();

// The stand-ins for the Windows folder and its system folder, created on first use,
// as host paths (see windowsFolder()/systemFolder() in windows_path.h for their
// Windows form).
std::filesystem::path hostWindowsFolder();
std::filesystem::path hostSystemFolder();

}  // namespace pemo::fs
