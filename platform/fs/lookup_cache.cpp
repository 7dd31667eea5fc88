#include "platform/fs/lookup_cache.h"

#include <time.h>

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
std::optional<FolderTimes> timesOf(const stdfs::path& folder) {
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) return std::nullopt;
  return FolderTimes{status.st_mtim, status.st_ctim};
}

// The file system stamps changes with a clock that ticks every few milliseconds, so a
// name added in the same tick as the listing would leave the times as they were. A
// listing taken so soon after the folder's names last changed is used once, not kept.
bool settledBefore(const timespec& modified) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  constexpr long kSettleNanoseconds = 100'000'000;
  const long long age = (now.tv_sec - modified.tv_sec) * 1'000'000'000LL + (now.tv_nsec - modified.tv_nsec);
  return age > kSettleNanoseconds;
}

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

std::optional<std::string> LookupCache::findNoCase(const stdfs::path& folder, const std::string& name) {
  const auto times = timesOf(folder);
  if (!times) return std::nullopt;
  const std::string key = folder.string();
  auto it = listings_.find(key);
  if (it != listings_.end() && it->second.times == *times) return it->second.names.findNoCase(name);
  FolderNames names = FolderNames::list(folder);
  auto found = names.findNoCase(name);
  if (settledBefore(times->modified))
    listings_.insert_or_assign(key, Listing{std::move(names), *times});
  else if (it != listings_.end())
    listings_.erase(it);
  return found;
}

std::optional<ResolvedPath> LookupCache::resolvedFolder(const WindowsPath& path, size_t count) const {
  const auto it = folders_.find(folderKey(path, count));
  if (it == folders_.end()) return std::nullopt;
  return it->second;
}

void LookupCache::rememberFolder(const WindowsPath& path, size_t count, const ResolvedPath& folder) {
  folders_.insert_or_assign(folderKey(path, count), folder);
}

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
