#pragma once
// One line of an INI file as its bytes (code page 932, line ending included) and what it
// says. Lines are decoded before they are looked at: a trail byte of a two-byte
// character can be "]" or "=".
#include <optional>
#include <string>
#include <string_view>

namespace pemo::profile {

struct KeyValue {
  std::string key;    // trimmed
  std::string value;  // trimmed, one pair of surrounding quotes removed
};

// The bytes of a line without its line ending.
std::string_view lineContent(std::string_view line);
bool hasLineEnding(std::string_view line);
bool isBlankLine(std::string_view line);

// "[name]" (blanks around the brackets and the name allowed): the trimmed name.
std::optional<std::string> sectionHeader(std::string_view line);
// "key=value" outside a section header: the key and its value, in UTF-8.
std::optional<KeyValue> keyValue(std::string_view line);

// The code page 932 line for a header or an entry, ending in CR LF; names are trimmed.
std::string headerLine(std::string_view section);
std::string entryLine(std::string_view key, std::string_view value);
// The line with its value replaced: the text before "=" stays as it was.
std::string replaceValue(std::string_view line, std::string_view value);

}  // namespace pemo::profile
