#include <limits.h>

#include <algorithm>

#include "platform/fs/config_folders.h"
#include "platform/fs/drives.h"
#include "platform/fs/lookup_cache.h"
#include "platform/fs/resolve.h"
#include "platform/fs/windows_path.h"

namespace pemo::fs {

namespace {

namespace stdfs = std::filesystem;
using detail::entryExists;

// The name in folder that equals name without regard to case, through the open
// scope's listings when there is one.
detail::LookupCache::Match findNoCase(const stdfs::path& folder, const std::string& name) {
  if (auto* cache = detail::activeLookupCache()) return cache->findNoCase(folder, name);
  return {detail::FolderNames::list(folder).findNoCase(name)};
}

enum class Found { Yes, No, NoFolder };

// Adds a name to a resolved path as the disk spells it: the exact name when it exists,
// else a name that differs only by case, else as written.
Found appendName(detail::ResolvedPath& path, const std::string& name) {
  std::string onDisk = name;
  Found found = entryExists(path.host / name) ? Found::Yes : Found::No;
  if (found == Found::No) {
    auto match = findNoCase(path.host, name);
    if (match.name) {
      onDisk = std::move(*match.name);
      found = Found::Yes;
    } else if (match.folderGone) {
      found = Found::NoFolder;
    }
  }
  path.host /= onDisk;
  path.onDisk.parts.push_back(std::move(onDisk));
  return found;
}

// Adds the names of path from index `from` up to `to` as written, without the disk.
void appendAsWritten(detail::ResolvedPath& resolved, const WindowsPath& path, size_t from, size_t to) {
  std::string names;
  for (size_t i = from; i < to; ++i) {
    if (i > from) names += '/';
    names += path.parts[i];
  }
  if (from < to) resolved.host /= names;
  resolved.onDisk.parts.insert(resolved.onDisk.parts.end(), path.parts.begin() + from, path.parts.begin() + to);
}

// Adds the names of path from index `from` up to `to`; true when all of them exist.
// Nothing can exist below a missing name, so the names after it are not looked up.
bool appendNames(detail::ResolvedPath& resolved, const WindowsPath& path, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i)
    if (appendName(resolved, path.parts[i]) != Found::Yes) {
      appendAsWritten(resolved, path, i + 1, to);
      return false;
    }
  return true;
}

// A path the host cannot open at all: longer than PATH_MAX, or a name longer than NAME_MAX.
bool tooLongToOpen(const stdfs::path& target, const WindowsPath& path) {
  const std::string& root = target.native();
  size_t length = root.size() - (!root.empty() && root.back() == '/');
  for (const std::string& name : path.parts) {
    if (name.size() > NAME_MAX) return true;
    length += 1 + name.size();
    if (length >= PATH_MAX) return true;
  }
  return false;
}

stdfs::path withoutTrailingSlash(stdfs::path path) {
  path = path.lexically_normal();
  if (path.has_relative_path() && !path.has_filename()) path = path.parent_path();
  return path;
}

// Number of leading components of path that are target; -1 when target is no prefix.
int prefixLength(const stdfs::path& path, const stdfs::path& target) {
  auto p = path.begin();
  int count = 0;
  for (auto t = target.begin(); t != target.end(); ++t, ++p, ++count)
    if (p == path.end() || *p != *t) return -1;
  return count;
}

// The prefixes by which a drive covers host paths: its target as written and, when the
// target passes through symbolic links, its real location too.
std::vector<stdfs::path> drivePrefixes(const stdfs::path& target) {
  std::vector<stdfs::path> prefixes{withoutTrailingSlash(target)};
  std::error_code ec;
  const stdfs::path real = stdfs::canonical(target, ec);
  if (!ec && real != prefixes.front()) prefixes.push_back(real);
  return prefixes;
}

}  // namespace

namespace detail {

// The folder above the last name is looked up once per scope, as long as it exists;
// the last name is always checked on the disk. When it is missing and the remembered
// folder is gone too (renamed, perhaps only in case), the folder is looked up again.
std::optional<ResolvedPath> resolve(const WindowsPath& path) {
  LookupCache* cache = activeLookupCache();
  const size_t folderNames = path.parts.empty() ? 0 : path.parts.size() - 1;
  if (cache)
    if (auto remembered = cache->resolvedFolder(path, folderNames)) {
      const Found last = path.parts.empty() ? Found::Yes : appendName(*remembered, path.parts.back());
      remembered->found = last == Found::Yes;
      if (last != Found::NoFolder) return remembered;
    }
  const auto target = driveTarget(path.drive);
  if (!target) return std::nullopt;
  ResolvedPath result{*target, WindowsPath{path.drive, {}}};
  if (tooLongToOpen(result.host, path)) {
    appendAsWritten(result, path, 0, path.parts.size());
    return result;
  }
  const bool folderFound = appendNames(result, path, 0, folderNames);
  if (folderFound && cache) cache->rememberFolder(path, folderNames, result);
  if (folderFound)
    result.found = appendNames(result, path, folderNames, path.parts.size());
  else
    appendAsWritten(result, path, folderNames, path.parts.size());
  return result;
}

}  // namespace detail

namespace {

// The host path of a Windows or host path; with `mustExist`, only when the disk has it.
std::optional<std::string> mappedHostPath(std::string_view windowsPath, bool mustExist) {
  if (isHostPath(windowsPath)) {
    if (mustExist && !detail::entryExists(stdfs::path(windowsPath))) return std::nullopt;
    return std::string(windowsPath);
  }
  const auto parsed = parseWindowsPath(windowsPath);
  if (!parsed) return std::nullopt;
  const auto resolved = detail::resolve(*parsed);
  if (!resolved || (mustExist && !resolved->found)) return std::nullopt;
  return resolved->host.string();
}

}  // namespace

std::optional<std::string> toHostPath(std::string_view windowsPath) { return mappedHostPath(windowsPath, false); }

std::optional<std::string> foundHostPath(std::string_view windowsPath) { return mappedHostPath(windowsPath, true); }

std::optional<std::string> existingHostFile(std::string_view windowsPath) {
  auto host = toHostPath(windowsPath);
  std::error_code ec;
  if (!host || !stdfs::is_regular_file(*host, ec)) return std::nullopt;
  return host;
}

std::string toWindowsPath(std::string_view hostPath) {
  if (!hostPath.empty() && !isHostPath(hostPath)) {
    const auto parsed = parseWindowsPath(hostPath);
    return parsed ? parsed->text() : std::string();
  }
  std::error_code ec;
  const stdfs::path path = withoutTrailingSlash(stdfs::absolute(stdfs::path(hostPath), ec));
  if (ec) return {};
  char bestDrive = 0;
  int bestLength = -1;
  for (const auto& [letter, target] : driveTargets()) {
    for (const stdfs::path& prefix : drivePrefixes(target)) {
      const int length = prefixLength(path, prefix);
      if (length > bestLength) {
        bestLength = length;
        bestDrive = letter;
      }
    }
  }
  if (!bestDrive) return {};
  WindowsPath result{bestDrive, {}};
  auto it = path.begin();
  for (int i = 0; i < bestLength; ++i) ++it;
  for (; it != path.end(); ++it) result.parts.push_back(it->string());
  return result.text();
}

std::optional<std::string> absoluteWindowsPath(std::string_view path) {
  const auto parsed = parseWindowsPath(path);
  if (!parsed) return std::nullopt;
  const auto resolved = detail::resolve(*parsed);
  return resolved ? resolved->onDisk.text() : parsed->text();
}

std::string windowsFolder() { return toWindowsPath(hostWindowsFolder().string()); }

std::string systemFolder() { return toWindowsPath(hostSystemFolder().string()); }

}  // namespace pemo::fs
