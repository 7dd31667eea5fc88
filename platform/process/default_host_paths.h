#pragma once
#include <filesystem>
#include <string_view>

namespace pemo::process {

// Windows path to an existing host path: drive letters name the root, "\" becomes "/",
// and each component matches without regard to letter case. Empty when nothing exists.
std::filesystem::path defaultHostPath(std::string_view path);

}  // namespace pemo::process
