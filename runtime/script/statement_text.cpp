#include "runtime/script/statement_text.h"

#include "platform/text/strings.h"

namespace pemo::script {

SplitLine splitAtFirstBlank(std::string_view line) {
  SplitLine split;
  const size_t blank = line.find(' ');
  if (blank == std::string_view::npos) {
    split.keyword = text::UCase(line);
    return split;
  }
  split.keyword = text::UCase(line.substr(0, blank));
  split.rest = std::string(line.substr(blank + 1));
  split.hasRest = true;
  return split;
}

size_t findOutsideQuotes(std::string_view text, std::string_view needle) {
  bool inside = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') {
      inside = !inside;
    } else if (!inside && text.substr(i, needle.size()) == needle) {
      return i;
    }
  }
  return std::string_view::npos;
}

bool endsSubText(std::string_view line) {
  const SplitLine split = splitAtFirstBlank(line);
  if (split.keyword == "SUB") return true;
  return split.keyword == "END" && (text::UCase(split.rest) == "SUB" || text::UCase(split.rest) == "SCRIPT");
}

}  // namespace pemo::script
