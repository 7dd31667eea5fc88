#include "support/zebric/expression_text.h"

#include <cstring>

#include "platform/text/cp932.h"
#include "support/common/expression.h"
#include "support/common/width_conversion.h"
#include "support/zebric/zebric_width_table.h"

namespace pemo::support {
namespace {

bool isOperandEnd(char c) { return (c >= '0' && c <= '9') || c == '.' || c == ')'; }

bool isExpressionCharacter(char c) {
  return (c >= '0' && c <= '9') || std::strchr(". +-*/%^_()", c) != nullptr;
}

}  // namespace

std::string normaliseExpression(std::string_view cp932Text) {
  std::string half = toHalfWidth(zebricWidthTable(), cp932Text, isSingleByteCharacter);
  std::string out;
  out.reserve(half.size());
  for (size_t pos = 0; pos < half.size();) {
    bool doubleByte = text::isLeadByte(static_cast<unsigned char>(half[pos])) &&
                      pos + 1 < half.size();
    std::string_view character = std::string_view(half).substr(pos, doubleByte ? 2 : 1);
    pos += character.size();
    if (char sign = operatorOfSign(character))
      out += sign;
    else if (character == "{")
      out += '(';
    else if (character == "}")
      out += ')';
    else if (character != ",")
      out += character;
  }
  return out;
}

std::vector<AdditiveTerm> splitAdditiveTerms(std::string_view expression) {
  std::vector<AdditiveTerm> terms;
  double sign = 1.0;
  size_t start = 0;
  int depth = 0;
  char previous = '\0';  // last character other than a blank
  for (size_t pos = 0; pos < expression.size(); ++pos) {
    char c = expression[pos];
    if (depth == 0 && !isExpressionCharacter(c)) break;
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth == 0) break;  // an unmatched ")" ends the expression
      --depth;
    } else if (depth == 0 && (c == '+' || c == '-') && isOperandEnd(previous)) {
      terms.push_back({sign, expression.substr(start, pos - start)});
      sign = c == '-' ? -1.0 : 1.0;
      start = pos + 1;
    }
    if (c != ' ') previous = c;
  }
  terms.push_back({sign, expression.substr(start)});
  return terms;
}

}  // namespace pemo::support
