#pragma once
// Internal: the findings a PathLookupScope keeps, and the name matching they share with
// lookups made outside any scope.
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/fs/resolve.h"

namespace pemo::fs::detail {

// The names of one folder by their upper-case form. Among names that differ only by
// case the alphabetically first is kept, so the choice does not depend on the disk's order.
class FolderNames {
 public:
  // Empty when the folder cannot be listed.
  static FolderNames list(const std::filesystem::path& folder);
  std::optional<std::string> findNoCase(const std::string& name) const;

 private:
  std::unordered_map<std::string, std::string> byUpperCase_;
};

struct FolderTimes {
  timespec modified{};
  timespec changed{};
  bool operator==(const FolderTimes& other) const;
};

class LookupCache {
 public:
  // The name in folder equal to name without regard to case.
  std::optional<std::string> findNoCase(const std::filesystem::path& folder, const std::string& name);

  // The folder made of the first `count` names of path, when it was resolved before
  // with every name found on the disk.
  std::optional<ResolvedPath> resolvedFolder(const WindowsPath& path, size_t count) const;
  void rememberFolder(const WindowsPath& path, size_t count, const ResolvedPath& folder);

  std::optional<std::string> processFolder;  // the current folder's Windows form

 private:
  struct Listing {
    FolderNames names;
    FolderTimes times;  // the folder's when it was listed
  };
  std::unordered_map<std::string, Listing> listings_;    // by host folder
  std::unordered_map<std::string, ResolvedPath> folders_;  // by drive and names as written
};

// The cache of the scope open on this thread; nullptr when none is.
LookupCache* activeLookupCache();
// Drops what the open scope kept, after the current folder or a drive changed.
void forgetLookups();

}  // namespace pemo::fs::detail
