// Widths, NUL handling, backslash closing, one-character removal and replacement,
// and the splitter every reader of menu files, run lists and scripts goes through.
#include <string>

#include "kovan/kovan.h"
#include "platform/text/strings.h"
#include "platform/text/utf8.h"

namespace pemo::kovan {
namespace {

// Width of one character: 1 below U+0100, 2 for every other character of the basic
// plane, 4 for a character outside it (it took two 16-bit units of width 2 each).
int32_t charWidth(char32_t c) {
  if (c < 0x100) return 1;
  return c > 0xFFFF ? 4 : 2;
}

// 1-based character position of the first U+0000 in text, 0 when there is none.
int32_t nulPosition(const std::string& text) {
  size_t byte = text.find('\0');
  if (byte == std::string::npos) return 0;
  return static_cast<int32_t>(text::Len(std::string_view(text).substr(0, byte))) + 1;
}

constexpr int32_t kNotAString = -2;
constexpr int32_t kNullValue = -1;
constexpr int32_t kEmptyText = -3;

// What FindNull reports, without its 16-bit limit.
int32_t findNull(const Variant& value) {
  if (value.isNull()) return kNullValue;
  if (!value.isString()) return kNotAString;
  if (value.stringValue().empty()) return kEmptyText;
  return nulPosition(value.stringValue());
}

bool isOneCharacter(const std::string& pattern) { return text::Len(pattern) == 1; }

size_t firstCharacterBytes(const std::string& text) {
  size_t pos = 0;
  text::nextCodePoint(text, pos);
  return pos;
}

}  // namespace

int32_t KOVAN::Len16(const String& AnyStr) {
  int32_t width = 0;
  size_t pos = 0;
  while (pos < AnyStr.size()) width += charWidth(text::nextCodePoint(AnyStr, pos));
  return width;
}

KOVAN::String KOVAN::Left16(const String& AnyStr, const int32_t& Length) {
  int64_t total = 0;
  size_t pos = 0;
  while (pos < AnyStr.size()) {
    size_t before = pos;
    total += charWidth(text::nextCodePoint(AnyStr, pos));
    if (total > Length) return AnyStr.substr(0, before);
  }
  return AnyStr;
}

int16_t KOVAN::FindNull(const Variant& StrExpr) {
  int32_t result = findNull(StrExpr);
  if (result > INT16_MAX) throw KovanError(kErrOverflow);
  return static_cast<int16_t>(result);
}

KOVAN::String KOVAN::CutNull(const Variant& StrExpr) {
  int32_t position = findNull(StrExpr);
  switch (position) {
    case kNullValue:
    case kEmptyText: return {};
    case 0:
    case kNotAString: return StrExpr.toText();
    default: return text::Left(StrExpr.stringValue(), position - 1);
  }
}

KOVAN::String KOVAN::StringAddYen(const String& StrExpr) {
  if (!StrExpr.empty() && StrExpr.back() == '\\') return StrExpr;
  return StrExpr + "\\";
}

KOVAN::String KOVAN::OmitAnyString(const String& SendStr, const String& OmitString) {
  if (!isOneCharacter(OmitString)) return SendStr;
  return text::Replace(SendStr, OmitString, "");
}

KOVAN::String KOVAN::ChangeAnyString(const String& AnyString, const String& TargetStr,
                                     const String& ChangeStr) {
  if (!isOneCharacter(TargetStr)) return AnyString;
  return text::Replace(AnyString, TargetStr, ChangeStr);
}

KOVAN::String KOVAN::GetAnyStringData(const String& AnyString, StringArray& RetStr,
                                      const Variant& Kugiri) {
  // An array without dimensions grows with each field; a sized one keeps its size
  // and takes the unsplit rest in its last element.
  const bool growing = !RetStr.isDimensioned();
  int32_t index = 0;
  auto store = [&](int32_t at, std::string field) {
    if (growing) RetStr.redimPreserve(at);
    RetStr[at] = std::move(field);
  };
  try {
    const std::string separator = Kugiri.isMissing() ? std::string(",") : Kugiri.toText();
    if (separator.empty()) {
      // An empty separator would cut the text into empty fields and lose it.
      store(0, AnyString);
      return "1";
    }
    // The search goes on one character past the separator's start, not past its
    // length, so "a::b" at "::" gives "a" and ":b"; the readers rely on this.
    const size_t step = firstCharacterBytes(separator);
    size_t start = 0;
    for (;;) {
      size_t pos = AnyString.find(separator, start);
      if (pos == std::string::npos) {
        store(index, AnyString.substr(start));
        break;
      }
      store(index, AnyString.substr(start, pos - start));
      if (!growing && index + 1 == RetStr.upperBound()) {
        store(index + 1, AnyString.substr(pos + step));
        ++index;
        break;
      }
      start = pos + step;
      ++index;
    }
  } catch (const std::exception&) {
    // A store outside a sized array ends the split; the count says how far it got.
  }
  return std::to_string(index + 1);
}

}  // namespace pemo::kovan
