#pragma once
// From a command line to the host program to run: the Windows programs that menus name
// have Linux counterparts, executables are looked up without regard to letter case,
// "PEMO.EXE" also finds "pemo" beside it, and documents open with their desktop program.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pemo::process {

// Where a program name without a folder is looked for, before the PATH folders.
struct LookupFolders {
  std::filesystem::path programFolder;  // the running program's own folder
  std::filesystem::path currentFolder;  // the current folder
};

// Maps a Windows path (or a host path) to the host path of an existing file or folder
// when there is one; platform/fs provides the real mapping.
using HostPathMapper = std::function<std::filesystem::path(std::string_view)>;

// The argument vector to spawn (argv[0] a host path), or empty with a reason.
struct LaunchPlan {
  std::vector<std::string> argv;
  std::string error;
  bool opener = false;  // argv opens a document or folder with the desktop's program
};

LaunchPlan planLaunch(std::string_view commandLine, const LookupFolders& folders, const HostPathMapper& toHost);

// The first of these program names found in PATH, as a host path; empty when none.
std::filesystem::path findInPath(std::string_view name);

// True for a name that ends in the extension of a Windows program (".EXE", ".COM",
// ".BAT", ".PIF", any letter case); on Linux the same program has none.
bool hasProgramExtension(std::string_view name);

// A host file with an execute bit for its owner, group or others, that is no folder.
bool isExecutableFile(const std::filesystem::path& file);

}  // namespace pemo::process
