#include "support/common/expression.h"

#include <charconv>
#include <cmath>
#include <string>

#include "platform/text/cp932.h"

namespace pemo::support {
namespace {

// An operator's code carries its precedence class in the high four bits; 0 ends an
// expression.
enum Operator : int {
  kEnd = 0x00,
  kAdd = 0x10,
  kSubtract = 0x11,
  kMultiply = 0x20,
  kDivide = 0x21,
  kRemainder = 0x22,
  kPower = 0x30,
  kRoot = 0x31,
};

int precedence(int code) { return code >> 4; }

double finiteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }

double root(double radicand, double degree) {
  if (degree == 0) return 0;
  // An odd whole degree has a real root of a negative number, which pow cannot give.
  if (radicand < 0 && std::fmod(degree, 2.0) != 0 && std::trunc(degree) == degree)
    return -std::pow(-radicand, 1.0 / degree);
  return std::pow(radicand, 1.0 / degree);
}

double combine(double left, int code, double right) {
  switch (code) {
    case kAdd: return left + right;
    case kSubtract: return left - right;
    case kMultiply: return left * right;
    case kDivide: return right == 0 ? 0 : left / right;
    case kRemainder: return std::fmod(left, right);
    case kPower: return std::pow(left, right);
    case kRoot: return root(left, right);
    default: return right;
  }
}

struct Operand {
  double value;
  int next;  // the operator that follows it
};

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  // Precedence climbing: combines left with the operand that follows under the
  // pending operator, after first letting stronger operators to the right take the
  // operand. Returns the value and the operator that stopped it.
  Operand evaluate(double left, int pending) {
    Operand operand = readOperand();
    while (precedence(pending) < precedence(operand.next))
      operand = evaluate(operand.value, operand.next);
    return {finiteOrZero(combine(left, pending, operand.value)), operand.next};
  }

 private:
  bool atEnd() const { return pos_ >= text_.size(); }
  char current() const { return text_[pos_]; }

  void skipBlanks() {
    while (!atEnd() && current() == ' ') ++pos_;
  }

  Operand readOperand() {
    // Parentheses and signs nest by recursion; beyond any sensible depth the text is
    // taken to end there rather than exhaust the stack.
    constexpr int kDeepestNesting = 1000;
    if (atEnd() || depth_ >= kDeepestNesting) {
      pos_ = text_.size();
      return {0, kEnd};
    }
    ++depth_;
    Operand operand = readOperandBody();
    --depth_;
    return operand;
  }

  Operand readOperandBody() {
    skipBlanks();
    if (!atEnd() && current() == '(') {
      ++pos_;
      double value = evaluate(0, kEnd).value;  // consumed the character that ended it
      // Blanks may stand between ")" and its operator as they may after a number.
      skipBlanks();
      return {value, readOperator()};
    }
    if (!atEnd() && current() == '-') {
      ++pos_;
      Operand negated = readOperand();
      return {-negated.value, negated.next};
    }
    double value = readNumber();
    return {value, readOperator()};
  }

  double readNumber() {
    std::string digits;
    for (; !atEnd(); ++pos_) {
      char c = current();
      if ((c >= '0' && c <= '9') || c == '.')
        digits += c;
      else if (c != ' ')
        break;
    }
    // Independent of the process's locale: "." is always the decimal point. Digits
    // that overflow a double give 0.
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return finiteOrZero(value);
  }

  // Reads and consumes the operator at the position; any other character ends the
  // expression and is consumed whole (both bytes of a double-byte character).
  int readOperator() {
    if (atEnd()) return kEnd;
    char c = current();
    ++pos_;
    switch (c) {
      case '+': return kAdd;
      case '-': return kSubtract;
      case '*': return kMultiply;
      case '/': return kDivide;
      case '%': return kRemainder;
      case '^': return kPower;
      case '_': return kRoot;
      default:
        if (text::isLeadByte(static_cast<unsigned char>(c)) && !atEnd()) ++pos_;
        return kEnd;
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
  int depth_ = 0;
};

}  // namespace

double evaluateExpression(std::string_view text) { return Parser(text).evaluate(0, kEnd).value; }

char operatorOfSign(std::string_view cp932Character) {
  static const std::string kTimes = text::utf8ToCp932("×");
  static const std::string kDivide = text::utf8ToCp932("÷");
  if (cp932Character == kTimes) return '*';
  if (cp932Character == kDivide) return '/';
  return '\0';
}

}  // namespace pemo::support
