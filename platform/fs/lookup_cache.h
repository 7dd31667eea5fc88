#pragma once
// Internal: the findings a PathLookupScope keeps, and the name matching they share with
// lookups made outside any scope.
#include <sys/stat.h>

#include <chrono>
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

// Reads a folder's times; nullptr restores the disk's own. Tests stand in a file system
// whose clock keeps whole seconds.
using FolderTimesReader = std::optional<FolderTimes> (*)(const std::filesystem::path& folder);
void useFolderTimesReader(FolderTimesReader reader);

// True when something, even a broken link, has this name.
bool entryExists(const std::filesystem::path& path);

// A name found in a kept listing is checked on the disk before it is given; a name not in
// it is reported missing only when the folder has not changed since, or by a fresh listing.
// A folder that keeps changing is listed again a few times at once, then at most once per
// interval, so a scan beside a busy folder does not list it for every name.
class LookupCache {
 public:
  struct Match {
    std::optional<std::string> name;  // the name in the folder equal to the one asked for without regard to case
    bool folderGone = false;          // no name: the folder itself was not there when it was looked at
  };
  // Every answer without a name looked at the folder on the disk just now.
  Match findNoCase(const std::filesystem::path& folder, const std::string& name);

  // The folder made of the first `count` names of path, when it was resolved before
  // with every name found on the disk.
  std::optional<ResolvedPath> resolvedFolder(const WindowsPath& path, size_t count) const;
  void rememberFolder(const WindowsPath& path, size_t count, const ResolvedPath& folder);

  std::optional<std::string> processFolder;  // the current folder's Windows form

  int listingsTaken() const { return listingsTaken_; }  // of all folders, since the scope opened

 private:
  struct Listing {
    FolderNames names;
    FolderTimes times;  // the folder's when it was listed
    bool folderFound = false;
    bool settled = false;  // taken after the folder's clock had moved past its last change
    std::chrono::steady_clock::time_point takenAt;
    std::chrono::steady_clock::duration took{};
    int relistings = 0;  // listings taken again since the first
  };
  const Listing& list(const std::filesystem::path& folder, Listing& listing);
  Match matchIn(const Listing& listing, const std::string& name) const;
  // Whether a name the listing lacks is missing on the disk now, without listing again;
  // `folderGone` tells when the folder is not there at all.
  bool stillMissing(const std::filesystem::path& folder, const Listing& listing, bool& folderGone) const;
  bool mayListAgain(const Listing& listing) const;

  std::unordered_map<std::string, Listing> listings_;    // by host folder
  int listingsTaken_ = 0;
  std::unordered_map<std::string, ResolvedPath> folders_;  // by drive and names as written
};

// The cache of the scope open on this thread; nullptr when none is.
LookupCache* activeLookupCache();
// Drops what the open scope kept, after the current folder or a drive changed.
void forgetLookups();

}  // namespace pemo::fs::detail
