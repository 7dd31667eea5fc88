#pragma once
// Character-by-character width conversion of code page 932 text.
#include <string>
#include <string_view>

#include "support/common/width_table.h"

namespace pemo::support {

// Which bytes the walk takes as one-byte characters; any other byte starts a two-byte
// character together with the byte after it.
using SingleByteRule = bool (*)(unsigned char byte);

// The code page's own classification: every byte but a lead byte stands alone.
bool isSingleByteCharacter(unsigned char byte);

// Half width to full width: letters, digits and signs to their full-width forms,
// half-width kana (with their marks) to hiragana. Characters without a form pass
// through.
std::string toFullWidth(const WidthTable& table, std::string_view text, SingleByteRule single);

// Full width to half width: full-width letters, digits and signs, hiragana and katakana
// to their half-width forms. Characters without a form pass through.
std::string toHalfWidth(const WidthTable& table, std::string_view text, SingleByteRule single);

}  // namespace pemo::support
