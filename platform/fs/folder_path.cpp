#include "platform/fs/folder_path.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/fs/current_folder.h"
#include "platform/fs/windows_path.h"
#include "platform/text/strings.h"

namespace pemo::fs {
namespace {

// Characters the Windows platform refused in a folder name.
bool isValidFolderName(const std::string& name) {
  for (unsigned char c : name)
    if (c < 0x20 || std::string_view("*?\"<>|:").find(char(c)) != std::string_view::npos) return false;
  return true;
}

}  // namespace

std::string withClosingBackslash(std::string_view path) {
  std::string closed(path);
  if (closed.empty() || closed.back() != '\\') closed += '\\';
  return closed;
}

FolderAndName splitFolderAndName(std::string_view path) {
  const long position = std::max(text::InStrRev(path, "\\"), text::InStrRev(path, "/"));
  if (position == 0) return {std::nullopt, std::string(path)};
  std::string folder = text::Left(path, position - 1);
  if (text::Right(folder, 1) == ":") folder += "\\";
  return {std::move(folder), text::Mid(path, position + 1)};
}

bool createFolderPath(std::string_view rawPath) {
  const auto path = parseWindowsPath(rawPath);
  if (!path || !changeDrive(path->drive)) return false;
  if (!changeFolder(WindowsPath{path->drive, {}}.text())) return false;
  for (const std::string& level : path->parts) {
    if (!isValidFolderName(level)) return false;
    const auto host = toHostPath(currentFolder() + "\\" + level);
    if (!host) return false;
    std::error_code ec;
    std::filesystem::create_directory(*host, ec);
    if (ec || !changeFolder(level)) return false;
  }
  return true;
}

}  // namespace pemo::fs
