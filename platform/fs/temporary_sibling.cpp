#include "platform/fs/temporary_sibling.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/fs/name_limit.h"
#include "platform/text/utf8.h"

namespace pemo::fs {

namespace {

namespace stdfs = std::filesystem;

constexpr std::string_view kOwnerMark = "~pemo";
constexpr auto kSweepInterval = std::chrono::minutes(1);

std::optional<long> wholeNumber(std::string_view digits) {
  long value = 0;
  if (digits.empty() || digits.front() == '+' || digits.front() == '-') return std::nullopt;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// The process id in a name that uniqueNameBeside gave, or in the name of a side file of
// one; nothing for any other name.
std::optional<pid_t> ownerOf(std::string_view name) {
  const size_t mark = name.rfind(kOwnerMark);
  if (name.size() < 2 || name.front() != '.' || mark == std::string_view::npos || mark < 2) return std::nullopt;
  std::string_view numbers = name.substr(mark + kOwnerMark.size());
  for (const std::string_view ending : kSideFileEndings)
    if (numbers.ends_with(ending)) numbers.remove_suffix(ending.size());
  const size_t dash = numbers.find('-');
  if (dash == std::string_view::npos || !wholeNumber(numbers.substr(dash + 1))) return std::nullopt;
  const auto pid = wholeNumber(numbers.substr(0, dash));
  if (!pid || *pid <= 0 || pid_t(*pid) != *pid) return std::nullopt;
  return pid_t(*pid);
}

bool processIsGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

// Whether the folder is due for a look, noting the look when it is.
bool dueForSweep(const stdfs::path& folder) {
  static std::mutex mutex;
  static std::map<stdfs::path, std::chrono::steady_clock::time_point> lastSweep;
  const auto now = std::chrono::steady_clock::now();
  const std::lock_guard lock(mutex);
  const auto found = lastSweep.find(folder);
  if (found != lastSweep.end() && now - found->second < kSweepInterval) return false;
  lastSweep[folder] = now;
  return true;
}

}  // namespace

void removeLeftoverSiblings(const stdfs::path& folder) {
  const stdfs::path where = folder.empty() ? stdfs::path(".") : folder;
  if (!dueForSweep(where)) return;
  std::error_code ec;
  for (stdfs::directory_iterator it(where, ec), end; !ec && it != end; it.increment(ec)) {
    const auto owner = ownerOf(it->path().filename().string());
    std::error_code ignored;
    if (owner && it->is_regular_file(ignored) && !it->is_symlink(ignored) && processIsGone(*owner))
      stdfs::remove(it->path(), ignored);
  }
}

stdfs::path hiddenNameBeside(const stdfs::path& target, std::string_view suffix) {
  size_t longestEnding = 0;
  for (const std::string_view ending : kSideFileEndings) longestEnding = std::max(longestEnding, ending.size());
  const size_t reserved = 1 + suffix.size() + longestEnding;
  const size_t longest = longestNameIn(target.parent_path());
  const std::string name = target.filename().string();
  return target.parent_path() /
         ("." + std::string(text::utf8Prefix(name, longest > reserved ? longest - reserved : 0)) + std::string(suffix));
}

stdfs::path uniqueNameBeside(const stdfs::path& target, std::string_view tag) {
  static std::atomic<unsigned> counter{0};
  removeLeftoverSiblings(target.parent_path());
  return hiddenNameBeside(target, std::string(tag) + std::string(kOwnerMark) + std::to_string(::getpid()) + "-" +
                                      std::to_string(counter++));
}

}  // namespace pemo::fs
