#pragma once
// Pieces of statement lines, shared by the dispatcher and the forward scans.
#include <string>
#include <string_view>

namespace pemo::script {

// A line split at its first blank: the keyword upper-cased, the rest as written.
struct SplitLine {
  std::string keyword;
  std::string rest;
  bool hasRest = false;
};
SplitLine splitAtFirstBlank(std::string_view line);

// Byte offset of the first occurrence of `needle` that stands outside double-quoted
// text, or npos.
size_t findOutsideQuotes(std::string_view text, std::string_view needle);

// True for a line with which the text of a SUB ends: END SUB, the next SUB line or
// END SCRIPT (in any letter case). EXIT SUB and END are statements inside the SUB.
bool endsSubText(std::string_view line);

}  // namespace pemo::script
