#include "platform/fs/drives.h"

#include <algorithm>

#include "platform/fs/config_folders.h"

namespace pemo::fs {

namespace {

std::string linkName(char letter) { return std::string(1, char(letter - 'A' + 'a')) + ":"; }

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
  const std::filesystem::path folder = pemoConfigFolder() / "drives";
  std::error_code ec;
  if (!std::filesystem::exists(folder, ec)) {
    std::filesystem::create_directories(folder, ec);
    std::filesystem::create_directory_symlink("/", folder / "c:", ec);
  }
  return folder;
}

std::optional<std::filesystem::path> driveTarget(char letter) {
  const auto entry = driveEntry(letter);
  if (!entry) return std::nullopt;
  std::error_code ec;
  if (!std::filesystem::is_symlink(*entry, ec)) return *entry;
  std::filesystem::path target = std::filesystem::read_symlink(*entry, ec);
  if (ec) return std::nullopt;
  if (target.is_relative()) target = entry->parent_path() / target;
  return target.lexically_normal();
}

bool driveAvailable(char letter) {
  const auto target = driveTarget(letter);
  std::error_code ec;
  return target && std::filesystem::is_directory(*target, ec);
}

std::vector<char> driveLetters() {
  std::vector<char> letters;
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    if (driveEntry(letter)) letters.push_back(letter);
  return letters;
}

bool mapDrive(char letter, const std::filesystem::path& target) {
  letter = driveLetter(letter);
  if (!letter) return false;
  unmapDrive(letter);
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
  return removed;
}

}  // namespace pemo::fs
