#include "platform/fs/current_folder.h"

#include <unistd.h>

#include <filesystem>
#include <map>
#include <mutex>

#include "platform/fs/drives.h"
#include "platform/fs/resolve.h"
#include "platform/fs/windows_path.h"

namespace pemo::fs {

namespace {

struct CurrentFolders {
  bool started = false;
  char drive = 'C';
  std::map<char, std::string> folders;  // Windows form, per drive letter
};

std::recursive_mutex& lock() {
  static std::recursive_mutex mutex;
  return mutex;
}

CurrentFolders& state() {
  static CurrentFolders folders;
  if (!folders.started) {
    folders.started = true;
    std::error_code ec;
    const std::string here = toWindowsPath(std::filesystem::current_path(ec).string());
    if (!here.empty()) {
      folders.drive = here[0];
      folders.folders[here[0]] = here;
    }
  }
  return folders;
}

std::string rootOf(char drive) { return std::string{drive, ':', '\\'}; }

bool isFolder(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

// The existing folder a Windows path names, with its names as on disk.
std::optional<detail::ResolvedPath> existingFolder(std::string_view path) {
  const auto parsed = parseWindowsPath(path);
  if (!parsed) return std::nullopt;
  auto resolved = detail::resolve(*parsed);
  if (!resolved || !isFolder(resolved->host)) return std::nullopt;
  return resolved;
}

}  // namespace

char currentDrive() {
  std::lock_guard guard(lock());
  return state().drive;
}

std::string currentFolder(char drive) {
  std::lock_guard guard(lock());
  drive = driveLetter(drive);
  const auto& folders = state().folders;
  const auto it = folders.find(drive);
  return it != folders.end() ? it->second : rootOf(drive);
}

std::string currentFolder() { return currentFolder(currentDrive()); }

bool changeDrive(char drive) {
  std::lock_guard guard(lock());
  drive = driveLetter(drive);
  if (!drive || !driveAvailable(drive)) return false;
  auto folder = existingFolder(currentFolder(drive));
  if (!folder) folder = existingFolder(rootOf(drive));
  if (!folder || ::chdir(folder->host.c_str()) != 0) return false;
  CurrentFolders& current = state();
  current.drive = drive;
  current.folders[drive] = folder->onDisk.text();
  return true;
}

bool changeFolder(std::string_view path) {
  std::lock_guard guard(lock());
  const auto folder = existingFolder(path);
  if (!folder) return false;
  CurrentFolders& current = state();
  const char drive = folder->onDisk.drive;
  if (drive == current.drive && ::chdir(folder->host.c_str()) != 0) return false;
  current.folders[drive] = folder->onDisk.text();
  return true;
}

void resetCurrentFolders() {
  std::lock_guard guard(lock());
  state() = CurrentFolders{};
}

}  // namespace pemo::fs
