#include "runtime/script/statements/delete_guard.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/fs/fs.h"
#include "platform/text/strings.h"
#include "runtime/script/statements/host_files.h"

namespace pemo::script::statements {
namespace {

namespace stdfs = std::filesystem;

std::optional<stdfs::path> canonicalPath(const stdfs::path& host) {
  std::error_code ec;
  stdfs::path result = stdfs::weakly_canonical(host, ec);
  if (ec) return std::nullopt;
  return result;
}

std::optional<stdfs::path> canonicalHost(const std::string& windowsPath) {
  const auto host = fs::toHostPath(windowsPath);
  if (!host) return std::nullopt;
  return canonicalPath(*host);
}

// True when inner is outer itself or lies below it.
bool holds(const stdfs::path& outer, const stdfs::path& inner) {
  auto o = outer.begin(), i = inner.begin();
  for (; o != outer.end(); ++o, ++i) {
    if (o->empty()) continue;  // the empty name after a closing "/"
    if (i == inner.end() || *o != *i) return false;
  }
  return true;
}

bool isKeyFolder(const fs::WindowsPath& path, const stdfs::path& host) {
  if (path.parts.empty()) return true;  // a drive's root
  std::vector<stdfs::path> keyFolders{"/"};
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') keyFolders.emplace_back(home);
  for (char letter : fs::driveLetters()) {
    if (const auto target = fs::driveTarget(letter)) keyFolders.push_back(*target);
  }
  for (const stdfs::path& folder : keyFolders) {
    const auto key = canonicalPath(folder);
    if (key && *key == host) return true;
  }
  return false;
}

}  // namespace

bool mayDeleteRecursively(const std::string& pattern) {
  if (text::Trim(pattern).empty()) return false;
  const auto parsed = fs::parseWindowsPath(pattern);
  if (!parsed) return false;
  const bool selects = !parsed->parts.empty() && hasWildcards(parsed->parts.back());
  fs::WindowsPath folder = *parsed;
  if (selects) folder.parts.pop_back();
  const auto folderHost = canonicalHost(folder.text());
  if (!folderHost || isKeyFolder(folder, *folderHost)) return false;

  std::vector<stdfs::path> targets;
  if (selects) {
    for (const fs::FolderEntry& entry : fs::listFolder(pattern)) targets.push_back(*folderHost / entry.name);
  } else {
    targets.push_back(*folderHost);
  }
  const auto current = canonicalHost(fs::currentFolder());
  if (!current) return false;
  for (const stdfs::path& target : targets) {
    if (holds(target, *current)) return false;
  }
  return true;
}

}  // namespace pemo::script::statements
