#include "platform/fs/config_folders.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

namespace pemo::fs {

namespace {

std::filesystem::path homeFolder() {
  const char* home = getenv("HOME");
  if (home && *home) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return "/";
}

std::filesystem::path ensureFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return folder;
}

}  // namespace

std::filesystem::path configHome() {
  const char* xdg = getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg == '/') return xdg;
  return homeFolder() / ".config";
}

std::filesystem::path pemoConfigFolder() { return ensureFolder(configHome() / "pemo"); }

std::filesystem::path hostWindowsFolder() { return ensureFolder(pemoConfigFolder() / "windows"); }

std::filesystem::path hostSystemFolder() { return ensureFolder(hostWindowsFolder() / "system"); }

}  // namespace pemo::fs
