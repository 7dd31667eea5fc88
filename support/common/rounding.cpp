#include "support/common/rounding.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstdlib>

namespace pemo::support {
namespace {
// Past 10^400 in either direction a unit is beyond every double.
constexpr int kFarthestExponent = 400;
// From here on a double holds whole numbers only, so there is nothing left to round.
constexpr double kWholeNumbersOnly = 9007199254740992.0;  // 2^53
}  // namespace

double roundingBias(int mode) {
  switch (mode) {
    case kCut: return 0.001;
    case kHalfUp: return 0.501;
    default: return 0.999;
  }
}

double roundToUnit(double value, int unitExponent, int mode, double splitUnit) {
  if (!std::isfinite(value)) return 0;
  double magnitude = std::fabs(value);
  double high = splitUnit * std::trunc(magnitude / splitUnit);
  double rest = magnitude - high;
  // Powers of ten up to 10^22 are exact doubles, so scaling by 10^|n| keeps the steps
  // exact where dividing by an inexact 10^-n would not.
  int exponent = std::clamp(unitExponent, -kFarthestExponent, kFarthestExponent);
  double scale = std::pow(10.0, std::abs(exponent));
  double steps = exponent < 0 ? rest * scale : rest / scale;
  if (steps < kWholeNumbersOnly) {
    double whole = std::trunc(steps + roundingBias(mode));
    rest = exponent < 0 ? whole / scale : whole * scale;
  }
  double result = high + rest;
  if (value < 0) result = -result;
  return std::isfinite(result) ? result : 0;
}

std::string formatFixed(double value, int decimals) {
  decimals = std::clamp(decimals, 0, kFarthestExponent);
  value += 0.0;  // turns -0 into 0
  // Room for the sign, the 309 integer digits of the largest double, the point and
  // the decimals. Independent of the process's locale, unlike printf.
  char text[1 + 309 + 1 + kFarthestExponent];
  auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  return error == std::errc{} ? std::string(text, end) : std::string("0");
}

}  // namespace pemo::support
