#pragma once
// String helpers that behave like Windows' own: positions and
// lengths count characters (code points of the UTF-8 text), never bytes.
#include <string>
#include <string_view>
#include <vector>

namespace pemo::text {

long Len(std::string_view s);
// start is 1-based; a start past the end gives ""; length < 0 means "to the end".
std::string Mid(std::string_view s, long start, long length = -1);
std::string Left(std::string_view s, long length);
std::string Right(std::string_view s, long length);
// 1-based position of find in s from start, 0 when absent; an empty find gives start
// (0 when start is past the end).
long InStr(std::string_view s, std::string_view find, long start = 1);
// As InStr, comparing without regard to case (the UCase rule).
long InStrNoCase(std::string_view s, std::string_view find, long start = 1);
// Last 1-based position of find, 0 when absent.
long InStrRev(std::string_view s, std::string_view find);

// Case mapping touches ASCII and full-width Latin letters only.
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Blanks are the ASCII space only, as on Windows.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
// Spaces and tabs cut off, as the file formats allow them around words and values.
std::string_view TrimBlanksAndTabs(std::string_view s);
std::string_view LTrimBlanksAndTabs(std::string_view s);
std::string_view RTrimBlanksAndTabs(std::string_view s);

std::string Replace(std::string_view s, std::string_view find, std::string_view with);

// The fields of a text cut at each separator, at most `limit` of them (0: no limit), the
// last taking the rest, separators included. The search goes on one character past a
// separator's start, not past its length, so "a::b" at "::" gives "a" and ":b"; the
// readers rely on this. An empty separator keeps the text as one field.
std::vector<std::string> SplitFields(std::string_view s, std::string_view separator, size_t limit = 0);

}  // namespace pemo::text
