#pragma once
// How a row's text reads as a value: numbers as the platform's Val reads them, colours by
// their hexadecimal digits, truth words, and the five-field font text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/document/menu_object.h"

namespace pemo::editor::property {

// The leading number of the text; 0 when it holds none.
double numberOf(std::string_view text);

// The value the hexadecimal digits at the start spell (0 when there are none); nullopt
// for more than 32 bits, or for a system colour the palette does not have.
std::optional<std::uint32_t> colourOf(std::string_view text);

// True or False in any letter case, or a number (0 false); nullopt for any other text.
std::optional<bool> truthWordOf(std::string_view text);

// The text with its surrounding blanks removed holds something.
bool nonEmpty(std::string_view text);

// The font text "name,size,bold,italic,underline". Not five fields, or nothing at all:
// the row changes nothing. Five fields that are no font (a flag no truth word, a size of
// 0 or less or above 2160 points): refused.
struct FontText {
  enum class Reading { Ignored, Refused, Font } reading = Reading::Ignored;
  FontChoice font;
};
FontText fontOf(std::string_view text);

}  // namespace pemo::editor::property
