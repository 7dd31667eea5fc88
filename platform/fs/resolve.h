#pragma once
// Internal: a Windows path resolved against the drive folder and the disk.
#include <filesystem>
#include <optional>

#include "platform/fs/windows_path.h"

namespace pemo::fs::detail {

struct ResolvedPath {
  std::filesystem::path host;
  WindowsPath onDisk;  // the names as the disk spells them where they exist
  bool found = false;  // every name was found on the disk
};

// nullopt when the drive is not defined. Below a name that is missing nothing can exist,
// so the names after it stay as written without asking the disk; a path the host could
// never open (longer than PATH_MAX, or a name longer than NAME_MAX) is missing at once.
std::optional<ResolvedPath> resolve(const WindowsPath& path);

}  // namespace pemo::fs::detail
