#pragma once
// Preparing an expression text of libzebric for the parser.
#include <string>
#include <string_view>
#include <vector>

namespace pemo::support {

// Full-width digits and signs to half width, "×" and "÷" to "*" and "/", braces to
// parentheses, and digit group commas left out ("１，０００×２" is "1000*2").
std::string normaliseExpression(std::string_view cp932Text);

// One additive term of an expression: its sign and the text after the sign.
struct AdditiveTerm {
  double sign;
  std::string_view text;
};

// Cuts a normalised expression at the "+" and "-" that join terms: outside
// parentheses and after an operand (so "2*-3" stays whole). The first term keeps a
// leading "-" in its text; the text from the first character that ends the expression
// on stays with the term before it.
std::vector<AdditiveTerm> splitAdditiveTerms(std::string_view expression);

}  // namespace pemo::support
