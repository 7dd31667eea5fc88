#include "support/common/width_conversion.h"

#include "platform/text/cp932.h"

namespace pemo::support {
namespace {

// Length of the character that starts at pos when the rule says it is not a one-byte
// character. It takes the next byte along, except at the end of the text, and except
// where a byte that is no lead byte (a control character) stands before a double-byte
// character, which would otherwise be split.
size_t pairedLength(std::string_view text, size_t pos) {
  if (pos + 1 >= text.size()) return 1;
  auto byte = static_cast<unsigned char>(text[pos]);
  auto next = static_cast<unsigned char>(text[pos + 1]);
  if (!text::isLeadByte(byte) && text::isLeadByte(next)) return 1;
  return 2;
}

}  // namespace

bool isSingleByteCharacter(unsigned char byte) { return !text::isLeadByte(byte); }

std::string toFullWidth(const WidthTable& table, std::string_view text, SingleByteRule single) {
  std::string out;
  out.reserve(text.size() * 2);
  for (size_t pos = 0; pos < text.size();) {
    size_t length;
    if (single(static_cast<unsigned char>(text[pos]))) {
      std::string_view full = table.fullFormAt(text.substr(pos), length);
      if (!full.empty()) {
        out += full;
        pos += length;
        continue;
      }
    } else {
      length = pairedLength(text, pos);
    }
    out += text.substr(pos, length);
    pos += length;
  }
  return out;
}

std::string toHalfWidth(const WidthTable& table, std::string_view text, SingleByteRule single) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    size_t length = single(static_cast<unsigned char>(text[pos])) ? 1 : pairedLength(text, pos);
    std::string_view character = text.substr(pos, length);
    std::string_view half = length == 2 ? table.halfFormOf(character) : std::string_view{};
    out += half.empty() ? character : half;
    pos += length;
  }
  return out;
}

}  // namespace pemo::support
