#include "platform/fs/lookup_cache.h"

#include <time.h>

#include <algorithm>

#include "platform/fs/lookup_scope.h"
#include "platform/text/strings.h"

namespace pemo::fs {

namespace detail {

namespace {

namespace stdfs = std::filesystem;

thread_local LookupCache* activeCache = nullptr;

bool sameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

// A name added, removed or renamed moves both times of its folder; the modification
// time alone can be set back by hand, which moves the change time.
std::optional<FolderTimes> statTimes(const stdfs::path& folder) {
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) return std::nullopt;
  return FolderTimes{status.st_mtim, status.st_ctim};
}

FolderTimesReader timesReader = statTimes;

std::optional<FolderTimes> timesOf(const stdfs::path& folder) { return timesReader(folder); }

// The file system stamps changes with a clock that ticks every few milliseconds, or once
// a second (twice as coarse on some) where the stamps keep whole seconds. A name added
// in the same tick as a listing leaves the times as they were, so a listing taken within
// a tick of the folder's last change may miss names that the times will never show.
long long tickNanoseconds(const FolderTimes& times) {
  const bool wholeSeconds = times.modified.tv_nsec == 0 && times.changed.tv_nsec == 0;
  return wholeSeconds ? 2'000'000'000LL : 100'000'000LL;
}

bool settledBefore(const FolderTimes& times) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const long long age =
      (now.tv_sec - times.modified.tv_sec) * 1'000'000'000LL + (now.tv_nsec - times.modified.tv_nsec);
  return age > tickNanoseconds(times);
}

// A folder that keeps changing is listed again this many times at once to confirm a
// missing name, then no sooner than kRelistInterval (or four times as long as a listing
// takes) after the last listing: a name that is missing then was missing a moment ago.
constexpr int kFreeRelistings = 3;
constexpr auto kRelistInterval = std::chrono::milliseconds(200);

std::string folderKey(const WindowsPath& path, size_t count) {
  std::string key(1, path.drive);
  for (size_t i = 0; i < count; ++i) key += '\\' + path.parts[i];
  return key;
}

}  // namespace

bool FolderTimes::operator==(const FolderTimes& other) const {
  return sameTime(modified, other.modified) && sameTime(changed, other.changed);
}

FolderNames FolderNames::list(const stdfs::path& folder) {
  FolderNames names;
  std::error_code ec;
  for (stdfs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    auto [kept, added] = names.byUpperCase_.try_emplace(text::UCase(name), name);
    if (!added && name < kept->second) kept->second = std::move(name);
  }
  return names;
}

std::optional<std::string> FolderNames::findNoCase(const std::string& name) const {
  const auto it = byUpperCase_.find(text::UCase(name));
  if (it == byUpperCase_.end()) return std::nullopt;
  return it->second;
}

LookupCache::Match LookupCache::findNoCase(const stdfs::path& folder, const std::string& name) {
  auto [it, isNew] = listings_.try_emplace(folder.string());
  Listing& listing = it->second;
  if (isNew) return matchIn(list(folder, listing), name);
  if (const auto match = listing.names.findNoCase(name)) {
    if (entryExists(folder / *match)) return {match};
    // Renamed or removed since the listing: the folder did change, so a new listing is
    // worth its time however busy the folder is.
  } else {
    bool folderGone = false;
    if (stillMissing(folder, listing, folderGone)) return {std::nullopt, folderGone};
    if (!mayListAgain(listing)) return {};
  }
  ++listing.relistings;
  return matchIn(list(folder, listing), name);
}

LookupCache::Match LookupCache::matchIn(const Listing& listing, const std::string& name) const {
  return {listing.names.findNoCase(name), !listing.folderFound};
}

const LookupCache::Listing& LookupCache::list(const stdfs::path& folder, Listing& listing) {
  const auto start = std::chrono::steady_clock::now();
  const auto times = timesOf(folder);
  listing.names = times ? FolderNames::list(folder) : FolderNames{};
  listing.times = times.value_or(FolderTimes{});
  listing.folderFound = times.has_value();
  listing.settled = times && settledBefore(*times);
  listing.takenAt = std::chrono::steady_clock::now();
  listing.took = listing.takenAt - start;
  ++listingsTaken_;
  return listing;
}

bool LookupCache::stillMissing(const stdfs::path& folder, const Listing& listing, bool& folderGone) const {
  const auto times = timesOf(folder);
  folderGone = !times;
  if (!times) return true;  // no folder, no names in it
  return listing.settled && *times == listing.times;
}

bool LookupCache::mayListAgain(const Listing& listing) const {
  if (listing.relistings < kFreeRelistings) return true;
  const auto wait = std::max<std::chrono::steady_clock::duration>(kRelistInterval, 4 * listing.took);
  return std::chrono::steady_clock::now() - listing.takenAt >= wait;
}

std::optional<ResolvedPath> LookupCache::resolvedFolder(const WindowsPath& path, size_t count) const {
  const auto it = folders_.find(folderKey(path, count));
  if (it == folders_.end()) return std::nullopt;
  return it->second;
}

void LookupCache::rememberFolder(const WindowsPath& path, size_t count, const ResolvedPath& folder) {
  folders_.insert_or_assign(folderKey(path, count), folder);
}

bool entryExists(const stdfs::path& path) {
  std::error_code ec;
  return stdfs::symlink_status(path, ec).type() != stdfs::file_type::not_found && !ec;
}

void useFolderTimesReader(FolderTimesReader reader) { timesReader = reader ? reader : statTimes; }

LookupCache* activeLookupCache() { return activeCache; }

void forgetLookups() {
  if (activeCache) *activeCache = LookupCache{};
}

}  // namespace detail

PathLookupScope::PathLookupScope() {
  if (detail::activeCache) return;
  cache_ = std::make_unique<detail::LookupCache>();
  detail::activeCache = cache_.get();
}

PathLookupScope::~PathLookupScope() {
  if (cache_) detail::activeCache = nullptr;
}

}  // namespace pemo::fs
