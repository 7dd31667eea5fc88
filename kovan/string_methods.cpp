// Widths, NUL handling, backslash closing, one-character removal and replacement,
// and the splitter every reader of menu files, run lists and scripts goes through.
#include <string>
#include <vector>

#include "kovan/kovan.h"
#include "platform/fs/folder_path.h"
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

KOVAN::String KOVAN::StringAddYen(const String& StrExpr) { return fs::withClosingBackslash(StrExpr); }

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
                                      const Variant& Separator) {
  // An array without dimensions grows with each field; a sized one keeps its size
  // and takes the unsplit rest in its last element.
  size_t stored = 0;
  bool complete = false;
  try {
    const std::string separator = Separator.isMissing() ? std::string(",") : Separator.toText();
    const bool growing = !RetStr.isDimensioned();
    const int32_t upper = growing ? 0 : RetStr.upperBound();
    const std::vector<std::string> fields = text::SplitFields(AnyString, separator, upper >= 1 ? upper + 1 : 0);
    if (growing) RetStr.redimPreserve(static_cast<int32_t>(fields.size()) - 1);
    for (; stored < fields.size(); ++stored) RetStr[static_cast<int32_t>(stored)] = fields[stored];
    complete = true;
  } catch (const std::exception&) {
    // A store outside a sized array ends the split; the count says how far it got.
  }
  return std::to_string(complete ? stored : stored + 1);
}

}  // namespace pemo::kovan
