#pragma once
// Small UTF-8 primitives shared by the text layer.
#include <string>
#include <string_view>
#include <vector>

namespace pemo::text {

// Reads the code point at pos and advances pos. A malformed byte is returned
// as U+FFFD and skipped alone, so a walk always ends.
char32_t nextCodePoint(std::string_view s, size_t& pos);

void appendUtf8(std::string& out, char32_t c);

// The longest start of s of at most `bytes` bytes that does not end inside a character.
std::string_view utf8Prefix(std::string_view s, size_t bytes);

std::u32string toU32(std::string_view utf8);
std::string fromU32(std::u32string_view text);

}  // namespace pemo::text
