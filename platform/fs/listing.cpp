#include "platform/fs/listing.h"

#include <algorithm>
#include <filesystem>

#include "platform/fs/windows_path.h"
#include "platform/text/strings.h"
#include "platform/text/utf8.h"

namespace pemo::fs {

namespace {

namespace stdfs = std::filesystem;

std::optional<stdfs::file_status> statusOf(std::string_view path) {
  const auto host = toHostPath(path);
  if (!host) return std::nullopt;
  std::error_code ec;
  const stdfs::file_status status = stdfs::status(*host, ec);
  if (ec || status.type() == stdfs::file_type::not_found) return std::nullopt;
  return status;
}

// Matches from left to right, going back only to the last "*" seen: a name that fails to
// match there cannot match through an earlier "*" either, so the time stays within the
// product of the lengths however many stars the pattern has.
bool matchWhole(const std::u32string& name, const std::u32string& pattern) {
  size_t n = 0, p = 0;
  size_t starP = std::u32string::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == U'*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (starP != std::u32string::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == U'*') ++p;
  return p == pattern.size();
}

bool matchesExactly(std::string_view name, std::string_view pattern) {
  return matchWhole(text::toU32(text::UCase(name)), text::toU32(text::UCase(pattern)));
}

}  // namespace

bool fileExists(std::string_view path) {
  const auto status = statusOf(path);
  return status && status->type() != stdfs::file_type::directory;
}

bool folderExists(std::string_view path) {
  const auto status = statusOf(path);
  return status && status->type() == stdfs::file_type::directory;
}

bool pathExists(std::string_view path) { return statusOf(path).has_value(); }

bool matchesWildcard(std::string_view name, std::string_view pattern) {
  if (matchesExactly(name, pattern)) return true;
  const bool anyExtension = pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*";
  return anyExtension && name.find('.') == std::string_view::npos &&
         matchesExactly(std::string(name) + ".", pattern);
}

std::vector<FolderEntry> listFolder(std::string_view pattern) {
  const size_t cut = pattern.find_last_of("\\/");
  const std::string folder(cut == std::string_view::npos ? "." : pattern.substr(0, cut + 1));
  std::string_view namePattern = cut == std::string_view::npos ? pattern : pattern.substr(cut + 1);
  if (namePattern.empty()) namePattern = "*";

  std::vector<FolderEntry> entries;
  const auto host = toHostPath(folder);
  if (!host) return entries;
  std::error_code ec;
  for (stdfs::directory_iterator it(*host, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!matchesWildcard(name, namePattern)) continue;
    std::error_code statusError;
    entries.push_back({std::move(name), it->is_directory(statusError)});
  }
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    const std::string ua = text::UCase(a.name), ub = text::UCase(b.name);
    return ua != ub ? ua < ub : a.name < b.name;
  });
  return entries;
}

}  // namespace pemo::fs
