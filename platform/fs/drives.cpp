#include "platform/fs/drives.h"

#include <algorithm>

#include "platform/fs/config_folders.h"
#include "platform/fs/lookup_cache.h"

namespace pemo::fs {

namespace {

std::string linkName(char letter) { return std::string(1, char(letter - 'A' + 'a')) + ":"; }

// The host folder an entry of the drive folder stands for.
std::optional<std::filesystem::path> targetOfEntry(const std::filesystem::path& entry) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(entry, ec)) return entry;
  std::filesystem::path target = std::filesystem::read_symlink(entry, ec);
  if (ec) return std::nullopt;
  if (target.is_relative()) target = entry.parent_path() / target;
  return target.lexically_normal();
}

// The entry that defines a drive: "c:" as created, "C:" when a user made it by hand.
std::optional<std::filesystem::path> driveEntry(char letter) {
  letter = driveLetter(letter);
  if (!letter) return std::nullopt;
  const std::filesystem::path folder = drivesFolder();
  for (const std::string& name : {linkName(letter), std::string(1, letter) + ":"}) {
    std::error_code ec;
    std::filesystem::path entry = folder / name;
    if (std::filesystem::symlink_status(entry, ec).type() != std::filesystem::file_type::not_found &&
        !ec)
      return entry;
  }
  return std::nullopt;
}

}  // namespace

char driveLetter(char c) {
  if (c >= 'a' && c <= 'z') return char(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return c;
  return 0;
}

std::filesystem::path drivesFolder() {
  const std::filesystem::path folder = configHome() / "pemo" / "drives";
  std::error_code ec;
  if (!std::filesystem::exists(folder, ec)) {
    std::filesystem::create_directories(folder, ec);
    std::filesystem::create_directory_symlink("/", folder / "c:", ec);
  }
  return folder;
}

std::optional<std::filesystem::path> driveTarget(char letter) {
  const auto entry = driveEntry(letter);
  return entry ? targetOfEntry(*entry) : std::nullopt;
}

bool driveAvailable(char letter) {
  const auto target = driveTarget(letter);
  std::error_code ec;
  return target && std::filesystem::is_directory(*target, ec);
}

std::map<char, std::filesystem::path> driveTargets() {
  std::map<char, std::filesystem::path> targets;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(drivesFolder(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const char letter = name.size() == 2 && name[1] == ':' ? driveLetter(name[0]) : 0;
    if (!letter) continue;
    // "c:" wins over a hand-made "C:", as in driveTarget().
    if (targets.count(letter) && name[0] == letter) continue;
    if (auto target = targetOfEntry(it->path())) targets[letter] = std::move(*target);
  }
  return targets;
}

std::vector<char> driveLetters() {
  std::vector<char> letters;
  for (const auto& [letter, target] : driveTargets()) letters.push_back(letter);
  return letters;
}

bool mapDrive(char letter, const std::filesystem::path& target) {
  letter = driveLetter(letter);
  if (!letter) return false;
  unmapDrive(letter);
  detail::forgetLookups();
  std::error_code ec;
  std::filesystem::create_directory_symlink(target, drivesFolder() / linkName(letter), ec);
  return !ec;
}

bool unmapDrive(char letter) {
  bool removed = false;
  while (const auto entry = driveEntry(letter)) {
    std::error_code ec;
    if (!std::filesystem::remove(*entry, ec)) break;
    removed = true;
  }
  if (removed) detail::forgetLookups();
  return removed;
}

}  // namespace pemo::fs
