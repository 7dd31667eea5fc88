#include "platform/profile/ini_line.h"

#include "platform/text/cp932.h"
#include "platform/text/strings.h"

namespace pemo::profile {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string_view withoutQuotes(std::string_view s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
    return s.substr(1, s.size() - 2);
  return s;
}

std::string decoded(std::string_view line) { return text::cp932ToUtf8(lineContent(line)); }

}  // namespace

std::string_view lineContent(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

bool hasLineEnding(std::string_view line) {
  return !line.empty() && (line.back() == '\n' || line.back() == '\r');
}

bool isBlankLine(std::string_view line) { return text::TrimBlanksAndTabs(lineContent(line)).empty(); }

std::optional<std::string> sectionHeader(std::string_view line) {
  const std::string text = decoded(line);
  const std::string_view trimmed = text::TrimBlanksAndTabs(text);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  const size_t close = trimmed.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return std::string(text::TrimBlanksAndTabs(trimmed.substr(1, close - 1)));
}

std::optional<KeyValue> keyValue(std::string_view line) {
  if (sectionHeader(line)) return std::nullopt;
  const std::string text = decoded(line);
  const size_t equals = text.find('=');
  if (equals == std::string::npos) return std::nullopt;
  const std::string_view view = text;
  return KeyValue{std::string(text::TrimBlanksAndTabs(view.substr(0, equals))),
                  std::string(withoutQuotes(text::TrimBlanksAndTabs(view.substr(equals + 1))))};
}

std::string headerLine(std::string_view section) {
  return "[" + text::utf8ToCp932(text::TrimBlanksAndTabs(section)) + "]" + std::string(kCrLf);
}

std::string entryLine(std::string_view key, std::string_view value) {
  return text::utf8ToCp932(text::TrimBlanksAndTabs(key)) + "=" + text::utf8ToCp932(value) + std::string(kCrLf);
}

std::string replaceValue(std::string_view line, std::string_view value) {
  const std::string text = decoded(line);
  return text::utf8ToCp932(std::string_view(text).substr(0, text.find('='))) + "=" +
         text::utf8ToCp932(value) + std::string(kCrLf);
}

}  // namespace pemo::profile
