#pragma once
// The calculation of libhapsy: an expression text becomes a right-aligned number field.
#include <string>
#include <string_view>

namespace pemo::support {

// Half-width expression text for the parser: "×" and "÷" as "*" and "/", full width
// to half width, double-byte characters and quoted text (with its quotes) left out.
std::string prepareStringValExpression(std::string_view cp932Text);

// For a negative value cutting and rounding up trade places, so that mode 1 always
// goes down and mode 3 always goes up.
int signAwareMode(int mode, double value);

// The number as a right-aligned field: the integer digits end at position c + 3, where
// c is the count of integer digits of the magnitude (one less for an exact power of
// ten; 0 below 1), with a "-" before a negative number; then "." and exactly decimals
// digits when decimals is positive. Empty when the integer digits with their group
// separators and a sign would not fit in c + 4 positions.
std::string formatNumberField(double value, int decimals);

}  // namespace pemo::support
