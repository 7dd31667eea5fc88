#pragma once
// Rounding of calculation results to a unit, and their fixed-point text.
#include <string>

namespace pemo::support {

// The rounding modes of the calculation exports.
enum RoundingMode : int { kCut = 1, kHalfUp = 2, kUp = 3 };

// What is added to the number of unit steps before it is cut: a small tolerance for a
// representation error just below a step (cut), a half step (half up, from 0.499 of a
// step on), or nearly a whole step (up, anything above 0.001 of a step). Any mode other
// than cut and half up rounds up.
double roundingBias(int mode);

// Rounds to a multiple of 10^unitExponent, symmetrically about 0: 1 cut toward zero,
// 2 half away from zero, any other mode away from zero. Whole multiples of splitUnit
// are taken off first, so the steps counted in the rest stay few and the tolerance of
// the bias holds. A value that is not finite gives 0; a unit finer than a double can
// tell leaves the value as it is.
double roundToUnit(double value, int unitExponent, int mode, double splitUnit = 10000);

// The value with a fixed number of decimals (at most 400) and "." as the decimal point
// whatever the locale; -0 prints as 0.
std::string formatFixed(double value, int decimals);

}  // namespace pemo::support
