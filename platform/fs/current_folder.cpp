#include "platform/fs/current_folder.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <mutex>

#include "platform/fs/drives.h"
#include "platform/fs/lookup_cache.h"
#include "platform/fs/resolve.h"
#include "platform/fs/windows_path.h"

// The current drive's folder is the process's own current folder; the Windows form it
// was reached by and the folders of the other drives live in the environment, the way
// the Windows platform kept them. So every copy of this library in a process (the
// programs and the function library each link it) sees the same current folders, and a
// child process inherits them.

namespace pemo::fs {

namespace {

namespace stdfs = std::filesystem;

constexpr const char* kCurrentFolderVariable = "PEMO_CURRENT_FOLDER";

std::string driveVariable(char drive) { return std::string("PEMO_FOLDER_") + drive; }

std::recursive_mutex& lock() {
  static std::recursive_mutex mutex;
  return mutex;
}

std::string rootOf(char drive) { return std::string{drive, ':', '\\'}; }

// A folder remembered in the environment; empty unless it is an absolute Windows path
// (on the given drive, when one is given). The environment is inherited, so it may hold
// anything, and a relative text would be resolved against itself without end.
std::string rememberedFolder(const std::string& name, char drive = 0) {
  const char* value = getenv(name.c_str());
  if (!value || !isAbsoluteWindowsPath(value)) return {};
  if (drive && driveLetter(value[0]) != drive) return {};
  return value;
}

bool isFolder(const stdfs::path& path) {
  std::error_code ec;
  return stdfs::is_directory(path, ec);
}

// The existing folder a Windows path names, with its names as on disk.
std::optional<detail::ResolvedPath> existingFolder(std::string_view path) {
  const auto parsed = parseWindowsPath(path);
  if (!parsed) return std::nullopt;
  auto resolved = detail::resolve(*parsed);
  if (!resolved || !isFolder(resolved->host)) return std::nullopt;
  return resolved;
}

// The Windows form of the process's current folder: the one it was reached by while
// that still names the same folder, else the one the drive folder maps it to.
std::string findProcessFolder() {
  std::error_code ec;
  const stdfs::path here = stdfs::current_path(ec);
  if (ec) return rootOf('C');
  const std::string remembered = rememberedFolder(kCurrentFolderVariable);
  if (!remembered.empty())
    if (const auto folder = existingFolder(remembered); folder && stdfs::equivalent(folder->host, here, ec))
      return remembered;
  const std::string mapped = toWindowsPath(here.string());
  return mapped.empty() ? rootOf('C') : mapped;
}

// The same, taken once while a path lookup scope is open.
std::string processFolder() {
  detail::LookupCache* cache = detail::activeLookupCache();
  if (!cache) return findProcessFolder();
  if (!cache->processFolder) cache->processFolder = findProcessFolder();
  return *cache->processFolder;
}

// Moves the process into a folder and remembers it as its drive's current folder.
bool enter(const detail::ResolvedPath& folder) {
  if (::chdir(folder.host.c_str()) != 0) return false;
  detail::forgetLookups();
  const std::string text = folder.onDisk.text();
  setenv(kCurrentFolderVariable, text.c_str(), 1);
  setenv(driveVariable(folder.onDisk.drive).c_str(), text.c_str(), 1);
  return true;
}

}  // namespace

char currentDrive() {
  std::lock_guard guard(lock());
  return processFolder()[0];
}

std::string currentFolder(char drive) {
  std::lock_guard guard(lock());
  drive = driveLetter(drive);
  const std::string current = processFolder();
  if (drive == current[0]) return current;
  const std::string remembered = rememberedFolder(driveVariable(drive), drive);
  return remembered.empty() ? rootOf(drive) : remembered;
}

std::string currentFolder() {
  std::lock_guard guard(lock());
  return processFolder();
}

bool changeDrive(char drive) {
  std::lock_guard guard(lock());
  drive = driveLetter(drive);
  if (!drive || !driveAvailable(drive)) return false;
  const std::string leaving = processFolder();
  auto folder = existingFolder(currentFolder(drive));
  if (!folder) folder = existingFolder(rootOf(drive));
  if (!folder) return false;
  setenv(driveVariable(leaving[0]).c_str(), leaving.c_str(), 1);
  return enter(*folder);
}

bool changeFolder(std::string_view path) {
  std::lock_guard guard(lock());
  const auto folder = existingFolder(path);
  if (!folder) return false;
  if (folder->onDisk.drive == currentDrive()) return enter(*folder);
  const std::string text = folder->onDisk.text();
  setenv(driveVariable(folder->onDisk.drive).c_str(), text.c_str(), 1);
  return true;
}

void resetCurrentFolders() {
  std::lock_guard guard(lock());
  unsetenv(kCurrentFolderVariable);
  detail::forgetLookups();
  for (char drive = 'A'; drive <= 'Z'; ++drive) unsetenv(driveVariable(drive).c_str());
}

}  // namespace pemo::fs
