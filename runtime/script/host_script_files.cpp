#include "runtime/script/host_script_files.h"

#include <filesystem>

#include "menufile/types.h"
#include "platform/fs/fs.h"

namespace pemo::script {
namespace {

// A menu's script is read from its menu file, so any menu the page reads has its script
// read as well; an included file is no larger. One beyond this is no script, and reading
// it whole would only exhaust memory.
constexpr std::uintmax_t kLargestScriptFile = menufile::kLargestMenuFile;

}  // namespace

std::optional<std::string> HostScriptFiles::readFile(const std::string& windowsPath) {
  const std::optional<std::string> host = fs::toHostPath(windowsPath);
  if (!host) return std::nullopt;
  return fs::readWholeFile(*host, kLargestScriptFile);
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
