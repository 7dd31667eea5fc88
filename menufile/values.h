#pragma once
// The value forms of the menu file, read and written. Parsers trim surrounding blanks and
// tabs and report failure with nullopt, so that each reader keeps its own rule for a bad
// value (the runtime abandons the open, the editor keeps the attribute it had).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "menufile/types.h"

namespace pemo::menufile {

// Number: the decimal number at the start of the value (the platform's Val); 0 when the
// value does not start with one. Never fails. Font sizes and other plain numbers.
double readNumber(std::string_view value);

// The farthest a position or size may lie from 0, in pixels. Window coordinates were
// 16-bit where the format was born; keeping every object within them keeps what the
// page draws small, whatever a file or a script asks for.
inline constexpr double kLargestCoordinate = 32767;
// A position or size in pixels brought into [-kLargestCoordinate, kLargestCoordinate];
// a value that is no number at all gives 0.
double clampCoordinate(double pixels);
// Position or size: the number at the start of the value, brought into that range.
double readCoordinate(std::string_view value);

// Whole number: the value must be a number as a whole; it is rounded (halves to the even
// neighbour) and must lie within [min, max].
std::optional<long> readWholeNumber(std::string_view value, long min, long max);

// Colour: the number the leading hexadecimal digits spell (an optional "&H" prefix
// accepted); an empty value or one without leading digits gives 0. More than 32 bits
// is a failure.
std::optional<std::uint32_t> readColour(std::string_view value);

// The link style a number stands for: the whole number nearest to it (halves to the even
// neighbour) when that is one of the styles, 0 to 5; kNoLinkStyle for any other number,
// a style for which a click does nothing and the status bar shows the link.
inline constexpr int kNoLinkStyle = -1;
int linkStyleOf(double number);

// Boolean: "True" or "False" in any case, or a number (0 false, anything else true).
std::optional<bool> readBoolean(std::string_view value);

// Written forms.
std::string formatNumber(long value);
// Upper-case hexadecimal without prefix or leading zeros; a system colour (highest bit
// set) therefore has all eight digits.
std::string formatColour(std::uint32_t value);
std::string formatBoolean(bool value);               // "True" / "False"
std::string formatGeometry(double pixels);           // at most 15 significant digits
std::string formatFontSize(double points);           // at most four decimals

}  // namespace pemo::menufile
