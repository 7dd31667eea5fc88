#pragma once
// Internal: a Windows path resolved against the drive folder and the disk.
#include <filesystem>
#include <optional>

#include "platform/fs/windows_path.h"

namespace pemo::fs::detail {

struct ResolvedPath {
  std::filesystem::path host;
  WindowsPath onDisk;  // the names as the disk spells them where they exist
};

// nullopt when the drive is not defined.
std::optional<ResolvedPath> resolve(const WindowsPath& path);

}  // namespace pemo::fs::detail
