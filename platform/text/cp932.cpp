#include "cp932.h"

#include <algorithm>

#include "utf8.h"

namespace pemo::text {
namespace {
#include "cp932_table.inc"

constexpr char32_t kUndefined = 0x30FB;  // what Windows gives for an unmapped pair

int leadRow(unsigned char lead) {
  if (lead >= 0x81 && lead <= 0x9F) return lead - 0x81;
  if (lead >= 0xE0 && lead <= 0xFC) return lead - 0xE0 + 0x1F;
  return -1;
}

char32_t singleByteToUnicode(unsigned char b) {
  if (b < 0x80) return b;
  if (b == 0x80) return 0x80;
  if (b == 0xA0) return 0xF8F0;
  if (b >= 0xA1 && b <= 0xDF) return 0xFF61 + (b - 0xA1);
  if (b >= 0xFD) return 0xF8F1 + (b - 0xFD);
  return kUndefined;
}

// Returns the single-byte code, or -1 when the character has none.
int unicodeToSingleByte(char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  if (c == 0x80) return 0x80;
  if (c == 0xF8F0) return 0xA0;
  if (c >= 0xFF61 && c <= 0xFF9F) return static_cast<int>(0xA1 + (c - 0xFF61));
  if (c >= 0xF8F1 && c <= 0xF8F3) return static_cast<int>(0xFD + (c - 0xF8F1));
  return -1;
}

}  // namespace

bool isLeadByte(unsigned char byte) { return leadRow(byte) >= 0; }

std::string cp932ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  size_t i = 0;
  while (i < bytes.size()) {
    // Menu files are mostly ASCII: each run of it is copied at once.
    size_t plainEnd = i;
    while (plainEnd < bytes.size() && static_cast<unsigned char>(bytes[plainEnd]) < 0x80) ++plainEnd;
    out.append(bytes.substr(i, plainEnd - i));
    i = plainEnd;
    if (i == bytes.size()) break;

    auto b = static_cast<unsigned char>(bytes[i++]);
    int row = leadRow(b);
    if (row < 0) {
      appendUtf8(out, singleByteToUnicode(b));
      continue;
    }
    if (i >= bytes.size()) {
      appendUtf8(out, kUndefined);
      break;
    }
    auto trail = static_cast<unsigned char>(bytes[i]);
    char32_t c = 0;
    if (trail >= 0x40 && trail <= 0xFC) c = kDoubleByteToUnicode[row][trail - 0x40];
    if (c == 0) {
      // An invalid trail byte that is itself a character is not swallowed.
      if (trail < 0x40) {
        appendUtf8(out, kUndefined);
        continue;
      }
      c = kUndefined;
    }
    appendUtf8(out, c);
    ++i;
  }
  return out;
}

std::string utf8ToCp932(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = nextCodePoint(utf8, pos);
    int single = unicodeToSingleByte(c);
    if (single >= 0) {
      out.push_back(static_cast<char>(single));
      continue;
    }
    const auto* begin = std::begin(kUnicodeToDoubleByte);
    const auto* end = std::end(kUnicodeToDoubleByte);
    const auto* hit = std::lower_bound(begin, end, c, [](const UnicodeToDoubleByte& e, char32_t v) {
      return e.unicode < v;
    });
    if (c <= 0xFFFF && hit != end && hit->unicode == c) {
      out.push_back(static_cast<char>(hit->code >> 8));
      out.push_back(static_cast<char>(hit->code & 0xFF));
    } else {
      out.push_back('?');
    }
  }
  return out;
}

size_t cp932Length(std::string_view utf8) { return utf8ToCp932(utf8).size(); }

}  // namespace pemo::text
