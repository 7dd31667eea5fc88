#include "runtime/shell/list_file.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/fs/atomic_file.h"
#include "platform/fs/whole_file.h"
#include "platform/fs/windows_path.h"
#include "platform/profile/ini_document.h"
#include "platform/profile/private_profile.h"
#include "platform/text/cp932.h"
#include "platform/text/strings.h"
#include "platform/ui/message_port.h"
#include "runtime/messages.h"

namespace pemo::shell {
namespace {

std::string keyOf(const ListFileFormat& format, size_t number) {
  return std::string(format.keyPrefix) + std::to_string(number);
}

// A line break would end the value and make the rest of it a line of its own.
std::string oneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

// Reading trims blanks and tabs around a value and takes off one pair of quotes around
// it; a value that would lose either is stored inside a pair of quotes of its own.
std::string protectedValue(std::string value) {
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  const bool blankEnds = !value.empty() && text::TrimBlanksAndTabs(value).size() != value.size();
  return quoted || blankEnds ? "\"" + value + "\"" : value;
}

std::string storedValue(const ListValue& entry) {
  return protectedValue(oneLine(storableCaption(entry.caption) + "," + entry.rest));
}

// The file's bytes; "" for a missing file, nullopt for one that is there but cannot be
// read (a folder, no permission, a device).
std::optional<std::string> fileBytes(const std::filesystem::path& file) {
  std::error_code ec;
  const auto status = std::filesystem::status(file, ec);
  if (status.type() == std::filesystem::file_type::not_found) return std::string();
  if (ec || status.type() != std::filesystem::file_type::regular) return std::nullopt;
  return fs::readWholeFile(file);
}

// The values of a file's contents from key 0 up to the first missing or empty key.
std::vector<ListValue> listValues(std::string_view bytes, const ListFileFormat& format, size_t limit) {
  // Keys compare without regard to case, and the first of equal keys counts.
  std::unordered_map<std::string, std::string> values;
  for (profile::KeyValue& entry : profile::IniDocument(bytes).entries(format.section))
    values.emplace(text::UCase(entry.key), std::move(entry.value));
  std::vector<ListValue> entries;
  while (entries.size() < limit) {
    const auto value = values.find(text::UCase(keyOf(format, entries.size())));
    if (value == values.end() || value->second.empty()) break;
    entries.push_back(splitListValue(value->second));
  }
  return entries;
}

}  // namespace

ListValue splitListValue(const std::string& value) {
  const size_t comma = value.find(',');
  if (comma == std::string::npos) return {value, {}};
  return {value.substr(0, comma), value.substr(comma + 1)};
}

bool storableText(const std::string& text) {
  const auto questionMarks = [](std::string_view s) { return std::count(s.begin(), s.end(), '?'); };
  return questionMarks(text::utf8ToCp932(text)) == questionMarks(text);
}

std::string storableCaption(const std::string& caption) { return text::Replace(caption, ",", "，"); }

std::vector<ListValue> readListFile(const std::string& file, const ListFileFormat& format, size_t limit) {
  const auto host = fs::toHostPath(file);
  const auto bytes = host ? fileBytes(*host) : std::nullopt;
  return bytes ? listValues(*bytes, format, limit) : std::vector<ListValue>{};
}

bool writeListFile(const std::string& file, const ListFileFormat& format, const std::vector<ListValue>& entries) {
  const auto host = fs::toHostPath(file);
  // Contents that could not be read are never replaced, nor a file the user made
  // read-only.
  const auto old = host ? fileBytes(*host) : std::nullopt;
  if (!old || fs::isWriteProtected(*host)) return false;
  if (entries.empty()) {
    // A file that yields no list (another program's, or damaged) holds nothing of
    // ours to remove.
    if (listValues(*old, format, 1).empty()) return true;
    std::error_code ec;
    std::filesystem::remove(*host, ec);
    return !ec;
  }
  // Written line by line: the keys are new and in order, and a document would look each
  // one up before adding it.
  std::string bytes = profile::headerLine(format.section);
  for (size_t i = 0; i < entries.size(); ++i) bytes += profile::entryLine(keyOf(format, i), storedValue(entries[i]));
  return fs::writeFileAtomically(*host, bytes);
}

bool writeListEntry(const std::string& file, const ListFileFormat& format, size_t number, const ListValue& entry) {
  return profile::writeProfileString(format.section, keyOf(format, number), storedValue(entry), file);
}

ListFileLock::ListFileLock(const std::string& file) {
  const auto host = fs::toHostPath(file);
  if (!host) return;
  // The folder itself is locked: a lock file beside the lists would be one more file in
  // the user's folder.
  folder_ = ::open(std::filesystem::path(*host).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_ < 0) return;
  using namespace std::chrono_literals;
  const auto giveUp = std::chrono::steady_clock::now() + 3s;
  while (::flock(folder_, LOCK_EX | LOCK_NB) != 0 && std::chrono::steady_clock::now() < giveUp)
    std::this_thread::sleep_for(10ms);
}

ListFileLock::~ListFileLock() {
  if (folder_ >= 0) ::close(folder_);  // lets go of the lock
}

std::optional<std::vector<ListValue>> updateListFile(const std::string& file, const ListFileFormat& format,
                                                     size_t limit, const ListChange& change) {
  ListFileLock lock(file);
  std::vector<ListValue> entries = change(readListFile(file, format, limit));
  if (!writeListFile(file, format, entries)) return std::nullopt;
  return entries;
}

bool listFileStorable(const std::string& file) {
  const auto host = fs::toHostPath(file);
  if (!host || !fileBytes(*host) || fs::isWriteProtected(*host)) return false;
  // The file is replaced by a new one written beside it.
  return ::access(std::filesystem::path(*host).parent_path().c_str(), W_OK) == 0;
}

void tellNotStored(const std::string& file) {
  ui::showExclamation(file + "\r" + runtime_messages::kCannotSaveFile, runtime_messages::kTitle);
}

}  // namespace pemo::shell
