#include <algorithm>

#include "platform/fs/config_folders.h"
#include "platform/fs/drives.h"
#include "platform/fs/resolve.h"
#include "platform/fs/windows_path.h"
#include "platform/text/strings.h"

namespace pemo::fs {

namespace {

namespace stdfs = std::filesystem;

bool entryExists(const stdfs::path& path) {
  std::error_code ec;
  return stdfs::symlink_status(path, ec).type() != stdfs::file_type::not_found && !ec;
}

// The name in folder that equals name without regard to case; the alphabetically first
// one when several differ only by case, so the choice does not depend on the disk's order.
std::optional<std::string> findNoCase(const stdfs::path& folder, const std::string& name) {
  std::optional<std::string> found;
  std::error_code ec;
  for (stdfs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string candidate = it->path().filename().string();
    if (text::EqualsNoCase(candidate, name) && (!found || candidate < *found)) found = candidate;
  }
  return found;
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

std::optional<ResolvedPath> resolve(const WindowsPath& path) {
  const auto target = driveTarget(path.drive);
  if (!target) return std::nullopt;
  ResolvedPath result{*target, WindowsPath{path.drive, {}}};
  for (const std::string& name : path.parts) {
    std::string onDisk = name;
    if (!entryExists(result.host / name))
      if (auto match = findNoCase(result.host, name)) onDisk = *match;
    result.host /= onDisk;
    result.onDisk.parts.push_back(onDisk);
  }
  return result;
}

}  // namespace detail

std::optional<std::string> toHostPath(std::string_view windowsPath) {
  if (isHostPath(windowsPath)) return std::string(windowsPath);
  const auto parsed = parseWindowsPath(windowsPath);
  if (!parsed) return std::nullopt;
  const auto resolved = detail::resolve(*parsed);
  if (!resolved) return std::nullopt;
  return resolved->host.string();
}

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
