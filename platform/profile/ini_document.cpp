#include "platform/profile/ini_document.h"

#include "platform/profile/ini_line.h"
#include "platform/text/strings.h"

namespace pemo::profile {

// A line ends in LF, CR LF or a CR alone (files from old Macintosh editors).
IniDocument::IniDocument(std::string_view bytes) {
  while (!bytes.empty()) {
    size_t end = bytes.find_first_of("\r\n");
    if (end != std::string_view::npos && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
    const size_t length = end == std::string_view::npos ? bytes.size() : end + 1;
    lines_.emplace_back(bytes.substr(0, length));
    bytes.remove_prefix(length);
  }
}

std::string IniDocument::bytes() const {
  std::string out;
  for (const std::string& line : lines_) out += line;
  return out;
}

std::optional<IniDocument::Range> IniDocument::findSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = sectionHeader(lines_[i]);
    if (!name || !text::EqualsNoCase(*name, text::TrimBlanksAndTabs(section))) continue;
    size_t end = i + 1;
    while (end < lines_.size() && !sectionHeader(lines_[end])) ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> IniDocument::findKey(const Range& range, std::string_view key) const {
  for (size_t i = range.header + 1; i < range.end; ++i) {
    const auto entry = keyValue(lines_[i]);
    if (entry && text::EqualsNoCase(entry->key, text::TrimBlanksAndTabs(key))) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
  const auto range = findSection(section);
  if (!range) return std::nullopt;
  const auto line = findKey(*range, key);
  if (!line) return std::nullopt;
  return keyValue(lines_[*line])->value;
}

std::vector<std::string> IniDocument::sectionNames() const {
  std::vector<std::string> names;
  for (const std::string& line : lines_)
    if (auto name = sectionHeader(line)) names.push_back(std::move(*name));
  return names;
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const {
  std::vector<std::string> names;
  const auto range = findSection(section);
  if (!range) return names;
  for (size_t i = range->header + 1; i < range->end; ++i)
    if (auto entry = keyValue(lines_[i])) names.push_back(std::move(entry->key));
  return names;
}

std::vector<KeyValue> IniDocument::entries(std::string_view section) const {
  std::vector<KeyValue> entries;
  const auto range = findSection(section);
  if (!range) return entries;
  for (size_t i = range->header + 1; i < range->end; ++i)
    if (auto entry = keyValue(lines_[i])) entries.push_back(std::move(*entry));
  return entries;
}

// Inserts a line after the given one, ending that one first when it was the file's
// unterminated last line.
void IniDocument::appendLine(size_t after, std::string line) {
  if (!hasLineEnding(lines_[after])) lines_[after] += "\r\n";
  lines_.insert(lines_.begin() + long(after) + 1, std::move(line));
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
  const auto range = findSection(section);
  if (!range) {
    if (!lines_.empty()) {
      if (!hasLineEnding(lines_.back())) lines_.back() += "\r\n";
      if (!isBlankLine(lines_.back())) lines_.push_back("\r\n");
    }
    lines_.push_back(headerLine(section));
    lines_.push_back(entryLine(key, value));
    return;
  }
  if (const auto line = findKey(*range, key)) {
    lines_[*line] = replaceValue(lines_[*line], value);
    return;
  }
  size_t last = range->end - 1;
  while (last > range->header && isBlankLine(lines_[last])) --last;
  appendLine(last, entryLine(key, value));
}

bool IniDocument::removeKey(std::string_view section, std::string_view key) {
  const auto range = findSection(section);
  const auto line = range ? findKey(*range, key) : std::nullopt;
  if (!line) return false;
  lines_.erase(lines_.begin() + long(*line));
  return true;
}

bool IniDocument::removeSection(std::string_view section) {
  const auto range = findSection(section);
  if (!range) return false;
  lines_.erase(lines_.begin() + long(range->header), lines_.begin() + long(range->end));
  return true;
}

}  // namespace pemo::profile
