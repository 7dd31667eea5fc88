#pragma once
// Code page 932 (Shift-JIS, Windows flavour) at the edge of the system.
// Everything inside is UTF-8; every text stored or exchanged outside is code page 932.
#include <string>
#include <string_view>

namespace pemo::text {

// True for a byte that starts a two-byte character (0x81-0x9F, 0xE0-0xFC).
bool isLeadByte(unsigned char byte);

// Decodes code page 932 bytes. Undefined pairs and a lone lead byte at the end
// become U+30FB, as the Windows converter gives them.
std::string cp932ToUtf8(std::string_view bytes);

// Encodes UTF-8 text. A character with no code page 932 form becomes "?";
// malformed UTF-8 bytes are taken one by one as "?".
std::string utf8ToCp932(std::string_view utf8);

// Number of code page 932 bytes the UTF-8 text takes.
size_t cp932Length(std::string_view utf8);

}  // namespace pemo::text
