#pragma once
// How long a file name may be where it is written.
#include <cstddef>
#include <filesystem>

namespace pemo::fs {

// The longest name, in bytes, that the file system holding folder takes (255 on most).
size_t longestNameIn(const std::filesystem::path& folder);

// Whether the host takes file's own name in its folder.
bool nameFitsItsFolder(const std::filesystem::path& file);

}  // namespace pemo::fs
