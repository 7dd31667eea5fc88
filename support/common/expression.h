#pragma once
// The arithmetic of expression texts that both support libraries evaluate.
#include <string_view>

namespace pemo::support {

// Evaluates a normalised (half-width) expression: numbers of digits and "." (blanks
// inside are ignored), parentheses, unary "-" that binds tighter than every operator,
// and the binary operators "+" "-" (lowest), "*" "/" "%" (remainder), "^" (power) and
// "_" (root, a_b is the b-th root of a; highest), each class associating to the left.
// The first character that is neither operand nor operator ends the expression, and
// what was read so far is the value. Division or root by 0, and every result that is
// not a real number or overflows (remainder by 0, an even root of a negative,
// 10^400), give 0.
double evaluateExpression(std::string_view text);

// The operator a written times or divide sign ("×", "÷", code page 932) stands for:
// '*' or '/'; '\0' for any other character.
char operatorOfSign(std::string_view cp932Character);

}  // namespace pemo::support
