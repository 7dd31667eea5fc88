#include "runtime/shell/list_file.h"

#include <filesystem>

#include "platform/fs/atomic_file.h"
#include "platform/fs/whole_file.h"
#include "platform/fs/windows_path.h"
#include "platform/profile/ini_document.h"
#include "platform/profile/private_profile.h"
#include "platform/text/strings.h"

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

std::string storedValue(const ListValue& entry) {
  return oneLine(storableCaption(entry.caption) + "," + entry.rest);
}

}  // namespace

ListValue splitListValue(const std::string& value) {
  const size_t comma = value.find(',');
  if (comma == std::string::npos) return {value, {}};
  return {value.substr(0, comma), value.substr(comma + 1)};
}

std::string storableCaption(const std::string& caption) { return text::Replace(caption, ",", "，"); }

std::vector<ListValue> readListFile(const std::string& file, const ListFileFormat& format, size_t limit) {
  std::vector<ListValue> entries;
  const auto host = fs::toHostPath(file);
  if (!host) return entries;
  const auto bytes = fs::readWholeFile(*host);
  if (!bytes) return entries;
  const profile::IniDocument document(*bytes);
  while (entries.size() < limit) {
    const auto value = document.value(format.section, keyOf(format, entries.size()));
    if (!value || value->empty()) break;
    entries.push_back(splitListValue(*value));
  }
  return entries;
}

bool writeListFile(const std::string& file, const ListFileFormat& format, const std::vector<ListValue>& entries) {
  const auto host = fs::toHostPath(file);
  if (!host) return false;
  if (entries.empty()) {
    std::error_code ec;
    std::filesystem::remove(*host, ec);
    return !ec;
  }
  profile::IniDocument document;
  for (size_t i = 0; i < entries.size(); ++i) document.setValue(format.section, keyOf(format, i), storedValue(entries[i]));
  return fs::writeFileAtomically(*host, document.bytes());
}

bool writeListEntry(const std::string& file, const ListFileFormat& format, size_t number, const ListValue& entry) {
  return profile::writeProfileString(format.section, keyOf(format, number), storedValue(entry), file);
}

}  // namespace pemo::shell
