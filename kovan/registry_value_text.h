#pragma once
// The text forms in which the registry methods read and write values.
#include <string>
#include <string_view>

#include "platform/registry/registry.h"

namespace pemo::kovan {

// The bytes a value holds in the Windows registry: a string's code page 932 bytes
// with its terminating NUL, the data of every other type.
std::string storedBytes(const registry::Value& value);

// The value read as text: a string as it is, other data decoded as code page 932;
// cut at the first NUL.
std::string valueAsText(const registry::Value& value);

// Hexadecimal digits of each byte up to the first zero byte, without leading zeros:
// 0x01 0xFF gives "1FF".
std::string shortHex(std::string_view bytes);
// Each byte as two upper-case digits and one blank: 0x0A 0xFF gives "0A FF ".
std::string spacedHex(std::string_view bytes);
// The first four bytes (least significant first, missing ones 0) as a signed
// decimal number.
std::string dwordText(std::string_view bytes);

// Binary data from pairs of hexadecimal digits, blanks ignored, an odd last digit
// read alone. Other characters raise error 13.
std::string binaryFromHex(std::string_view text);
// Four bytes, least significant first, from at most 8 hexadecimal digits. More
// digits raise error 5, other characters error 13.
std::string dwordFromHex(std::string_view text);

}  // namespace pemo::kovan
