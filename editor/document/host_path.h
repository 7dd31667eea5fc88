#pragma once
// Menu documents name their files in Windows form; the files are opened through this.
#include <filesystem>
#include <string>

namespace pemo::editor {

// The host path of a Windows-style path.
std::filesystem::path hostPath(const std::string& windowsPath);

}  // namespace pemo::editor
