#include "platform/profile/private_profile.h"

#include <climits>
#include <filesystem>

#include "platform/fs/atomic_file.h"
#include "platform/fs/whole_file.h"
#include "platform/fs/windows_path.h"
#include "platform/profile/ini_document.h"
#include "platform/text/cp932.h"
#include "platform/text/numbers.h"
#include "platform/text/strings.h"

namespace pemo::profile {

namespace {

bool isBareName(std::string_view file) {
  return file.find_first_of("\\/:") == std::string_view::npos;
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

bool validSection(std::string_view section) {
  return !hasLineBreak(section) && section.find(']') == std::string_view::npos;
}

// Key names are read trimmed, so a key is judged as it will read back: one that begins
// with "[" would read as a section header.
bool validKey(std::string_view key) {
  key = text::TrimBlanksAndTabs(key);
  return !key.empty() && !hasLineBreak(key) && key.find('=') == std::string_view::npos && key.front() != '[';
}

// A missing file reads as an empty one; nullopt when the file is there but cannot be
// read, so that a write never replaces contents it did not see.
std::optional<IniDocument> tryLoad(const std::string& hostPath) {
  std::error_code ec;
  if (!std::filesystem::exists(hostPath, ec)) return ec ? std::nullopt : std::optional(IniDocument());
  std::optional<std::string> bytes = fs::readWholeFile(hostPath, kLargestProfileFile);
  if (!bytes) return std::nullopt;
  return IniDocument(*bytes);
}

IniDocument load(const std::string& hostPath) {
  return tryLoad(hostPath).value_or(IniDocument());
}

// Loads the file, lets change edit it, and stores it when change reports an edit.
template <typename Change>
bool update(std::string_view file, Change change) {
  const auto host = profileHostPath(file);
  if (!host) return false;
  auto document = tryLoad(*host);
  if (!document) return false;
  if (!change(*document)) return true;
  return fs::writeFileAtomically(*host, document->bytes());
}

// The longest start of a text whose code page 932 form fits in limit bytes.
std::string cutToBytes(std::string_view text, size_t limit) {
  const std::string bytes = text::utf8ToCp932(text);
  if (bytes.size() <= limit) return std::string(text);
  size_t end = 0;
  while (end < limit) {
    const size_t width = text::isLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
    if (end + width > limit) break;
    end += width;
  }
  return text::cp932ToUtf8(std::string_view(bytes).substr(0, end));
}

}  // namespace

std::optional<std::string> profileHostPath(std::string_view file) {
  if (file.empty()) return std::nullopt;
  if (isBareName(file)) return fs::toHostPath(fs::windowsFolder() + "\\" + std::string(file));
  return fs::toHostPath(file);
}

std::string readProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::string_view file,
                              size_t bufferSize) {
  if (bufferSize == 0) return {};
  const auto host = profileHostPath(file);
  std::optional<std::string> value;
  if (host) value = load(*host).value(section, key);
  return cutToBytes(value ? *value : defaultValue, bufferSize - 1);
}

long readProfileInt(std::string_view section, std::string_view key, long defaultValue,
                    std::string_view file) {
  const auto host = profileHostPath(file);
  const auto value = host ? load(*host).value(section, key) : std::nullopt;
  if (!value) return defaultValue;
  // A number beyond a long's range (a hand-edited file) gives its nearest end.
  const double number = text::Val(*value);
  if (number >= 0x1p63) return LONG_MAX;
  if (number <= -0x1p63) return LONG_MIN;
  return long(number);
}

std::vector<std::string> readProfileSectionNames(std::string_view file) {
  const auto host = profileHostPath(file);
  return host ? load(*host).sectionNames() : std::vector<std::string>{};
}

std::vector<std::string> readProfileKeyNames(std::string_view section, std::string_view file) {
  const auto host = profileHostPath(file);
  return host ? load(*host).keyNames(section) : std::vector<std::string>{};
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file) {
  if (!validSection(section) || !validKey(key) || hasLineBreak(value)) return false;
  return update(file, [&](IniDocument& document) {
    if (document.value(section, key) == std::string(value)) return false;
    document.setValue(section, key, value);
    return true;
  });
}

bool deleteProfileKey(std::string_view section, std::string_view key, std::string_view file) {
  return update(file, [&](IniDocument& document) { return document.removeKey(section, key); });
}

bool deleteProfileSection(std::string_view section, std::string_view file) {
  return update(file, [&](IniDocument& document) { return document.removeSection(section); });
}

}  // namespace pemo::profile
