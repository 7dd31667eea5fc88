#include "strings.h"

#include "utf8.h"

namespace pemo::text {
namespace {

// Byte offset of the character with 0-based index n, or s.size() past the end.
size_t byteOffsetOf(std::string_view s, long n) {
  size_t pos = 0;
  while (n > 0 && pos < s.size()) {
    nextCodePoint(s, pos);
    --n;
  }
  return pos;
}

char32_t upper(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0x20;  // full-width a-z
  return c;
}

char32_t lower(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;  // full-width A-Z
  return c;
}

template <typename Map>
std::string mapChars(std::string_view s, Map map) {
  std::string out;
  out.reserve(s.size());
  size_t pos = 0;
  while (pos < s.size()) appendUtf8(out, map(nextCodePoint(s, pos)));
  return out;
}

}  // namespace

long Len(std::string_view s) {
  long n = 0;
  size_t pos = 0;
  while (pos < s.size()) {
    nextCodePoint(s, pos);
    ++n;
  }
  return n;
}

std::string Mid(std::string_view s, long start, long length) {
  if (start < 1) start = 1;
  size_t from = byteOffsetOf(s, start - 1);
  if (from >= s.size()) return {};
  std::string_view rest = s.substr(from);
  if (length < 0) return std::string(rest);
  return std::string(rest.substr(0, byteOffsetOf(rest, length)));
}

std::string Left(std::string_view s, long length) {
  if (length <= 0) return {};
  return std::string(s.substr(0, byteOffsetOf(s, length)));
}

std::string Right(std::string_view s, long length) {
  if (length <= 0) return {};
  long total = Len(s);
  if (length >= total) return std::string(s);
  return std::string(s.substr(byteOffsetOf(s, total - length)));
}

long InStr(std::string_view s, std::string_view find, long start) {
  if (start < 1) start = 1;
  long total = Len(s);
  if (start > total) return 0;
  size_t from = byteOffsetOf(s, start - 1);
  if (find.empty()) return start;
  size_t hit = s.find(find, from);
  // UTF-8 is self-synchronising: a byte match always starts on a character.
  if (hit == std::string_view::npos) return 0;
  return Len(s.substr(0, hit)) + 1;
}

long InStrNoCase(std::string_view s, std::string_view find, long start) {
  // Case mapping keeps every character's encoded length, so positions agree.
  std::string us = UCase(s), uf = UCase(find);
  return InStr(us, uf, start);
}

long InStrRev(std::string_view s, std::string_view find) {
  if (find.empty()) return Len(s);
  size_t hit = s.rfind(find);
  if (hit == std::string_view::npos) return 0;
  return Len(s.substr(0, hit)) + 1;
}

std::string UCase(std::string_view s) { return mapChars(s, upper); }
std::string LCase(std::string_view s) { return mapChars(s, lower); }
bool EqualsNoCase(std::string_view a, std::string_view b) { return UCase(a) == UCase(b); }

std::string LTrim(std::string_view s) {
  size_t b = s.find_first_not_of(' ');
  return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

std::string RTrim(std::string_view s) {
  size_t e = s.find_last_not_of(' ');
  return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string_view LTrimBlanksAndTabs(std::string_view s) {
  size_t b = s.find_first_not_of(" \t");
  return b == std::string_view::npos ? std::string_view() : s.substr(b);
}

std::string_view RTrimBlanksAndTabs(std::string_view s) {
  size_t e = s.find_last_not_of(" \t");
  return e == std::string_view::npos ? std::string_view() : s.substr(0, e + 1);
}

std::string_view TrimBlanksAndTabs(std::string_view s) { return LTrimBlanksAndTabs(RTrimBlanksAndTabs(s)); }

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(s);
  std::string out;
  size_t pos = 0;
  while (true) {
    size_t hit = s.find(find, pos);
    if (hit == std::string_view::npos) break;
    out.append(s.substr(pos, hit - pos));
    out.append(with);
    pos = hit + find.size();
  }
  out.append(s.substr(pos));
  return out;
}

std::vector<std::string> SplitFields(std::string_view s, std::string_view separator, size_t limit) {
  if (separator.empty()) return {std::string(s)};
  size_t step = 0;
  nextCodePoint(separator, step);
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t pos = s.find(separator, start);
    if (pos == std::string_view::npos || fields.size() + 1 == limit) break;
    fields.emplace_back(s.substr(start, pos - start));
    start = pos + step;
  }
  fields.emplace_back(s.substr(start));
  return fields;
}

}  // namespace pemo::text
