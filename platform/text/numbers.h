#pragma once
// Reading and writing numbers the way Windows does.
#include <string>
#include <string_view>

namespace pemo::text {

// Val: skips leading blanks, tabs and line feeds, ignores blanks inside the number,
// reads an optional sign, digits, a "." fraction and an E or D exponent, or &H / &O
// prefixed hexadecimal and octal; stops at the first other character. "" gives 0.
double Val(std::string_view s);

// True when the whole text (trimmed) is a number Val reads completely; the check
// behind IsNumeric-style validation.
bool IsNumeric(std::string_view s);

// General number text: at most 15 significant digits (the last one rounded), "." as the
// decimal point, no trailing zeros, no point for whole values, and an exponent only
// outside the normal range ("1E+15", "1E-16").
std::string FormatGeneral(double value);

// Rounds to the given number of decimal places, halves going to the even neighbour.
double RoundHalfEven(double value, int digits = 0);

// 0-15 for a hexadecimal digit of either case, -1 for any other character.
int HexDigitValue(char c);
// Hexadecimal digits in upper case without prefix, as colour values are stored.
std::string ToHex(unsigned long value);
// Reads hexadecimal digits (an optional "&H" prefix is accepted); false when the text is
// empty or holds anything else.
bool ParseHex(std::string_view text, unsigned long& value);

}  // namespace pemo::text
