#include "platform/fs/windows_path.h"

#include "platform/fs/current_folder.h"
#include "platform/fs/drives.h"

namespace pemo::fs {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool hasDrivePrefix(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' && driveLetter(path[0]) != 0;
}

// Applies the names of a relative text to the parts of a folder.
void appendNames(std::vector<std::string>& parts, std::string_view rest) {
  size_t pos = 0;
  while (pos <= rest.size()) {
    size_t end = pos;
    while (end < rest.size() && !isSeparator(rest[end])) ++end;
    const std::string_view name = rest.substr(pos, end - pos);
    if (name == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!name.empty() && name != ".") {
      parts.emplace_back(name);
    }
    pos = end + 1;
  }
}

}  // namespace

std::string WindowsPath::text() const {
  std::string out{drive, ':'};
  if (parts.empty()) return out + "\\";
  for (const std::string& part : parts) out += "\\" + part;
  return out;
}

bool isHostPath(std::string_view path) { return !path.empty() && path[0] == '/'; }

bool isAbsoluteWindowsPath(std::string_view path) {
  return hasDrivePrefix(path) && path.size() >= 3 && isSeparator(path[2]);
}

std::optional<WindowsPath> parseWindowsPath(std::string_view path) {
  if (path.empty()) return std::nullopt;
  if (isHostPath(path)) {
    const std::string mapped = toWindowsPath(path);
    if (mapped.empty()) return std::nullopt;
    return parseWindowsPath(mapped);
  }
  if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) return std::nullopt;

  const bool hasDrive = hasDrivePrefix(path);
  if (!hasDrive && path.size() >= 2 && path[1] == ':') return std::nullopt;
  const std::string_view rest = hasDrive ? path.substr(2) : path;
  const bool fromRoot = !rest.empty() && isSeparator(rest[0]);
  WindowsPath result{hasDrive ? driveLetter(path[0]) : char(0), {}};
  if (!(fromRoot && hasDrive)) {
    // A relative path starts from a current folder, "\..." from the current drive's root.
    const std::string base = hasDrive ? currentFolder(path[0]) : currentFolder();
    result.drive = base[0];
    if (!fromRoot)
      if (const auto folder = parseWindowsPath(base)) result.parts = folder->parts;
  }
  appendNames(result.parts, rest);
  return result;
}

}  // namespace pemo::fs
