#include "runtime/script/host_script_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/fs/fs.h"

namespace pemo::script {

std::optional<std::string> HostScriptFiles::readFile(const std::string& windowsPath) {
  const std::optional<std::string> host = fs::toHostPath(windowsPath);
  if (!host || !fs::fileExists(windowsPath)) return std::nullopt;
  std::ifstream in(*host, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string HostScriptFiles::resolvedPath(const std::string& windowsPath) {
  const std::optional<std::string> host = fs::toHostPath(windowsPath);
  if (!host || !fs::fileExists(windowsPath)) return {};
  std::error_code ec;
  const std::filesystem::path resolved = std::filesystem::canonical(*host, ec);
  return ec ? std::string() : resolved.string();
}

bool HostScriptFiles::anyFileMatches(const std::string& windowsPattern) {
  // An empty path names no file (a folder search would find whatever the current folder holds).
  if (windowsPattern.empty()) return false;
  for (const fs::FolderEntry& entry : fs::listFolder(windowsPattern)) {
    if (!entry.isFolder) return true;
  }
  return false;
}

}  // namespace pemo::script
