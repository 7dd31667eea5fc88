#include "runtime/shell/list_file.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>

#include <unistd.h>

#include "platform/fs/atomic_file.h"
#include "platform/fs/whole_file.h"
#include "platform/fs/windows_path.h"
#include "platform/profile/ini_document.h"
#include "platform/profile/ini_line.h"
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
// read (a folder, no permission, a device, more than a list's bytes).
std::optional<std::string> fileBytes(const std::filesystem::path& file) {
  std::error_code ec;
  const auto status = std::filesystem::status(file, ec);
  if (status.type() == std::filesystem::file_type::not_found) return std::string();
  if (ec || status.type() != std::filesystem::file_type::regular) return std::nullopt;
  return fs::readWholeFile(file, kMostListFileBytes);
}

// A list saved by a text editor as UTF-8 starts with a byte-order mark; its text is
// taken as UTF-8 and stored again in code page 932.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The bytes as the reader takes them: code page 932.
std::string readerBytes(std::string_view bytes) {
  if (!bytes.starts_with(kUtf8Mark)) return std::string(bytes);
  return text::utf8ToCp932(bytes.substr(kUtf8Mark.size()));
}

// The values of a file's contents from key 0 up to the first missing or empty key.
std::vector<ListValue> listValues(std::string_view bytes, const ListFileFormat& format) {
  // Keys compare without regard to case, and the first of equal keys counts.
  std::unordered_map<std::string, std::string> values;
  for (profile::KeyValue& entry : profile::IniDocument(readerBytes(bytes)).entries(format.section))
    values.emplace(text::UCase(entry.key), std::move(entry.value));
  std::vector<ListValue> entries;
  while (entries.size() < format.mostRead) {
    const auto value = values.find(text::UCase(keyOf(format, entries.size())));
    if (value == values.end() || value->second.empty()) break;
    entries.push_back(splitListValue(value->second));
  }
  return entries;
}

// Whether the file's text comes back whole when it is stored again in code page 932.
bool keepsEveryCharacter(std::string_view bytes) {
  return !bytes.starts_with(kUtf8Mark) || storableText(std::string(bytes.substr(kUtf8Mark.size())));
}

// A key of the list: the prefix and a number.
bool isListKey(std::string_view key, const ListFileFormat& format) {
  if (key.size() <= format.keyPrefix.size() || !text::EqualsNoCase(key.substr(0, format.keyPrefix.size()), format.keyPrefix))
    return false;
  return std::all_of(key.begin() + static_cast<std::ptrdiff_t>(format.keyPrefix.size()), key.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

// Whether a write loses nothing of the contents but the list itself: every line is blank,
// the list's header or one of its keys, every key with a value is one the reader takes,
// and every character comes back. Anything else (another section, a comment, a damaged
// line, an entry the reader passes over) is something the user or another program put
// there. A key without a value holds nothing to lose.
bool onlyTheList(std::string_view bytes, const ListFileFormat& format) {
  if (!keepsEveryCharacter(bytes)) return false;
  bool inList = false;
  bool headerSeen = false;
  size_t values = 0;
  const profile::IniDocument document(readerBytes(bytes));
  for (const std::string& line : document.lines()) {
    if (profile::isBlankLine(line)) continue;
    if (const auto header = profile::sectionHeader(line)) {
      inList = !headerSeen && text::EqualsNoCase(*header, format.section);
      headerSeen = true;
      if (!inList) return false;
      continue;
    }
    const auto entry = profile::keyValue(line);
    if (!inList || !entry || !isListKey(entry->key, format)) return false;
    if (!entry->value.empty()) ++values;
  }
  // The reader takes one line with a value for each entry it gives.
  return values == listValues(bytes, format).size();
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

std::vector<ListValue> readListFile(const std::string& file, const ListFileFormat& format) {
  const auto host = fs::toHostPath(file);
  const auto bytes = host ? fileBytes(*host) : std::nullopt;
  return bytes ? listValues(*bytes, format) : std::vector<ListValue>{};
}

bool writeListFile(const std::string& file, const ListFileFormat& format, const std::vector<ListValue>& entries) {
  const auto host = fs::toHostPath(file);
  // Contents that could not be read are never replaced, nor a file the user made
  // read-only.
  const auto old = host ? fileBytes(*host) : std::nullopt;
  if (!old || fs::isWriteProtected(*host)) return false;
  // A file that yields no list (another program's, or damaged) holds nothing of ours to
  // remove.
  if (entries.empty() && listValues(*old, format).empty()) return true;
  if (!onlyTheList(*old, format)) return false;
  if (entries.empty()) {
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
  const auto host = fs::toHostPath(file);
  const auto old = host ? fileBytes(*host) : std::nullopt;
  if (!old || fs::isWriteProtected(*host) || !keepsEveryCharacter(*old)) return false;
  // The file as the reader takes it, so that the entry joins the list it reads.
  profile::IniDocument document(readerBytes(*old));
  document.setValue(format.section, keyOf(format, number), storedValue(entry));
  return fs::writeFileAtomically(*host, document.bytes());
}

std::optional<std::vector<ListValue>> updateListFile(const std::string& file, const ListFileFormat& format,
                                                     const ListChange& change) {
  ListFileLock lock(file);
  if (!lock.mayWrite()) return std::nullopt;
  std::vector<ListValue> entries = change(readListFile(file, format));
  if (!writeListFile(file, format, entries)) return std::nullopt;
  return entries;
}

bool listFileStorable(const std::string& file, const ListFileFormat& format) {
  const auto host = fs::toHostPath(file);
  const auto bytes = host ? fileBytes(*host) : std::nullopt;
  if (!bytes || fs::isWriteProtected(*host) || !onlyTheList(*bytes, format)) return false;
  // The file is replaced by a new one written beside it.
  return ::access(std::filesystem::path(*host).parent_path().c_str(), W_OK) == 0;
}

void tellNotStored(const std::string& file) {
  ui::showExclamation(file + "\r" + runtime_messages::kCannotSaveFile, runtime_messages::kTitle);
}

void tellListFull() { ui::showExclamation(runtime_messages::kListFull, runtime_messages::kTitle); }

}  // namespace pemo::shell
