// Calculation of an expression text in the caller's buffer, in place.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "support/common/expression.h"
#include "support/common/rounding.h"
#include "support/zebric/expression_text.h"
#include "support/zebric/zebric.h"

using namespace pemo::support;

namespace {

// A unit below 1 shows its decimals (10^-2: two); formatFixed caps absurd counts.
int decimalsOfUnit(int unitExponent) { return unitExponent < 0 ? -std::max(unitExponent, -1000) : 0; }

// Writes the value with the decimals its unit calls for, cut to the length of the text
// the caller passed in.
void writeResult(char* buffer, size_t inputLength, double value, int unitExponent) {
  if (!std::isfinite(value)) value = 0;
  std::string text = formatFixed(value, decimalsOfUnit(unitExponent));
  size_t length = std::min(text.size(), inputLength);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

}  // namespace

void Keisan(char* buffer, int unitExponent, int mode) {
  if (!buffer || !*buffer) return;
  size_t inputLength = std::strlen(buffer);
  double value = evaluateExpression(normaliseExpression(buffer));
  writeResult(buffer, inputLength, roundToUnit(value, unitExponent, mode), unitExponent);
}

void Keisan2(char* buffer, int unitExponent, int mode) {
  if (!buffer || !*buffer) return;
  size_t inputLength = std::strlen(buffer);
  std::string expression = normaliseExpression(buffer);
  double sum = 0;
  for (const AdditiveTerm& term : splitAdditiveTerms(expression))
    sum += term.sign * roundToUnit(evaluateExpression(term.text), unitExponent, mode);
  writeResult(buffer, inputLength, sum, unitExponent);
}
