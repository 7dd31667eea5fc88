#include "runtime/script/statements/delete_guard.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/fs/fs.h"
#include "platform/process/process.h"
#include "platform/text/strings.h"
#include "runtime/script/statements/host_files.h"

namespace pemo::script::statements {
namespace {

namespace stdfs = std::filesystem;

std::optional<stdfs::path> canonicalPath(const stdfs::path& host) {
  std::error_code ec;
  stdfs::path result = stdfs::weakly_canonical(host, ec);
  if (ec || result.empty()) return std::nullopt;
  return result;
}

std::optional<stdfs::path> canonicalHost(const std::string& windowsPath) {
  const auto host = fs::toHostPath(windowsPath);
  if (!host) return std::nullopt;
  return canonicalPath(*host);
}

// True when inner is outer itself or lies below it.
bool holds(const stdfs::path& outer, const stdfs::path& inner) {
  auto i = inner.begin();
  for (const stdfs::path& name : outer) {
    if (name.empty()) continue;  // the empty name after a closing "/"
    if (i == inner.end() || name != *i) return false;
    ++i;
  }
  return true;
}

// The folders whose loss would take the system, the user's files or this program with it.
std::vector<stdfs::path> keyFolders() {
  std::vector<stdfs::path> folders{"/", fs::configHome(), process::programFolder()};
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') folders.emplace_back(home);
  for (char letter : fs::driveLetters()) {
    if (const auto target = fs::driveTarget(letter)) folders.push_back(*target);
  }
  std::vector<stdfs::path> result;
  for (const stdfs::path& folder : folders) {
    if (const auto key = canonicalPath(folder)) result.push_back(*key);
  }
  return result;
}

bool holdsAny(const stdfs::path& target, const std::vector<stdfs::path>& folders) {
  return std::any_of(folders.begin(), folders.end(), [&](const stdfs::path& f) { return holds(target, f); });
}

}  // namespace

bool mayDeleteRecursively(const std::string& pattern) {
  if (text::Trim(pattern).empty()) return false;
  const auto parsed = fs::parseWindowsPath(pattern);
  if (!parsed || parsed->parts.empty()) return false;  // nowhere, or a drive's root
  const auto current = canonicalHost(fs::currentFolder());
  if (!current) return false;
  std::vector<stdfs::path> keys = keyFolders();

  if (!hasWildcards(parsed->parts.back())) {
    keys.push_back(*current);
    const auto target = canonicalHost(parsed->text());
    return target && !holdsAny(*target, keys);
  }
  fs::WindowsPath folder = *parsed;
  folder.parts.pop_back();
  const auto folderHost = canonicalHost(folder.text());
  if (!folderHost || folder.parts.empty()) return false;
  if (std::find(keys.begin(), keys.end(), *folderHost) != keys.end()) return false;
  keys.push_back(*current);
  for (const fs::FolderEntry& entry : fs::listFolder(pattern)) {
    // An entry is judged as it stands: a link is removed, not followed.
    if (holdsAny(*folderHost / entry.name, keys)) return false;
  }
  return true;
}

}  // namespace pemo::script::statements
