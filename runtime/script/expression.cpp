#include "runtime/script/expression.h"

#include <string_view>

#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "runtime/script/messages.h"

namespace pemo::script {

namespace {

constexpr std::string_view kOperators = "=+-*/^&";
constexpr std::string_view kArithmeticOperators = "+-*/^";
// The library's result is at most 99 characters long.
constexpr size_t kResultRoom = 100;

bool endsWith(const std::string& s, char c) { return !s.empty() && s.back() == c; }

}  // namespace

double calculate(Arithmetic& arithmetic, const std::string& expression, int decimals) {
  return arithmetic.fCalc(expression + std::string(kResultRoom, ' '), decimals, 1);
}

ExpressionEvaluator::ExpressionEvaluator(VariableTables& variables, Arithmetic& arithmetic, ScriptObjects& objects,
                                         ScriptStatements& statements, ScriptContext& context)
    : variables_(variables), arithmetic_(arithmetic), objects_(objects), statements_(statements), context_(context) {}

bool ExpressionEvaluator::tokenize(const std::string& text, bool inAssignment, std::vector<Token>& tokens) {
  bool insideQuotes = false;
  bool anyOperator = false;
  size_t operandStart = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      insideQuotes = !insideQuotes;
    } else if (!insideQuotes && kOperators.find(c) != std::string_view::npos) {
      // An operand is appended even when empty: "-5" is "" "-" "5".
      tokens.push_back({text::Trim(std::string_view(text).substr(operandStart, i - operandStart)), false});
      tokens.push_back({std::string(1, c), true});
      operandStart = i + 1;
      anyOperator = true;
    }
  }
  if (anyOperator) {
    if (insideQuotes) {
      scriptError(text, msg::kLiteralNeedsQuotes);
      return false;
    }
    std::string last = text::Trim(std::string_view(text).substr(operandStart));
    if (!last.empty()) tokens.push_back({std::move(last), false});
  } else {
    if (inAssignment) return false;
    tokens.push_back({text::Trim(text), false});
  }
  for (Token& token : tokens) {
    if (!token.isOperator && !token.text.empty() && token.text[0] == '!') {
      token.text = text::FormatGeneral(arithmetic_.changeHexToDec(token.text.substr(1)));
    }
  }
  return !inAssignment || (tokens.size() >= 2 && tokens[1].isOperator && tokens[1].text == "=");
}

bool ExpressionEvaluator::build(const std::vector<Token>& tokens, size_t first, bool inAssignment, ValueKind& kind,
                                std::string& expression) {
  for (size_t i = first; i < tokens.size(); ++i) {
    const Token& token = tokens[i];
    if (token.isOperator && kArithmeticOperators.find(token.text[0]) != std::string_view::npos) {
      kind = ValueKind::Numeric;
      expression += token.text;
    } else if (token.isOperator && token.text == "&") {
      // Concatenation is plain juxtaposition.
      kind = ValueKind::String;
    } else {
      ScriptValue value;
      if (!resolveOperand(token.text, inAssignment, value)) return false;
      expression += value.text;
      if (kind == ValueKind::None) kind = value.kind;
    }
  }
  return true;
}

std::string ExpressionEvaluator::finish(const std::string& expression, ValueKind kind) {
  if (kind == ValueKind::String) return expression;
  return text::FormatGeneral(calculate(arithmetic_, expression, 5));
}

ValueKind ExpressionEvaluator::targetKind(const std::string& target, bool& isProperty) {
  isProperty = false;
  if (endsWith(target, '$')) return ValueKind::String;
  if (endsWith(target, '#')) return ValueKind::Numeric;
  if (target.find('.') == std::string::npos) return ValueKind::None;
  const ValueKind kind = objects_.propertyKind(target, context_);
  isProperty = kind != ValueKind::None;
  return kind;
}

Flow ExpressionEvaluator::assign(const std::string& statement) {
  std::vector<Token> tokens;
  if (!tokenize(statement, true, tokens)) return Flow::Fail;
  const std::string& target = tokens[0].text;
  bool isProperty = false;
  ValueKind kind = targetKind(target, isProperty);
  if (kind == ValueKind::None) return Flow::Fail;
  std::string expression;
  if (!build(tokens, 2, true, kind, expression)) return Flow::Fail;
  const std::string value = finish(expression, kind);
  if (isProperty) return objects_.setProperty(target, value, context_);
  // The value's kind need not match the target's: a string variable may hold the text
  // of a number and a numeric variable a string.
  if (endsWith(target, '$')) {
    variables_.setString(target, value);
  } else {
    variables_.setNumeric(target, value);
  }
  return Flow::Next;
}

bool ExpressionEvaluator::evaluate(const std::string& text, ScriptValue& result) {
  std::vector<Token> tokens;
  if (!tokenize(text, false, tokens)) return false;
  ValueKind kind = ValueKind::None;
  std::string expression;
  if (!build(tokens, 0, false, kind, expression)) return false;
  result = {finish(expression, kind), kind == ValueKind::String ? ValueKind::String : ValueKind::Numeric};
  return true;
}

bool ExpressionEvaluator::resolveOperand(const std::string& operand, bool inAssignment, ScriptValue& result) {
  const bool opens = !operand.empty() && operand.front() == '"';
  const bool closes = !operand.empty() && operand.back() == '"';
  if (opens && closes && operand.size() >= 2) {
    result = {operand.substr(1, operand.size() - 2), ValueKind::String};
    return true;
  }
  if (opens || closes) {
    // One quote mark alone (a lone '"' included) is a malformed literal.
    scriptErrorAlone(msg::kLiteralNeedsQuotes);
    return false;
  }
  if (text::UCase(operand) == "INDEX") {
    result = {std::to_string(context_.currentIndex()), ValueKind::Numeric};
    return true;
  }
  if (auto value = variables_.string(operand)) {
    result = {*value, ValueKind::String};
    return true;
  }
  if (inAssignment && endsWith(operand, '$')) {
    result = {"", ValueKind::String};
    return true;
  }
  if (auto value = variables_.numeric(operand)) {
    result = {*value, ValueKind::Numeric};
    return true;
  }
  if (inAssignment && endsWith(operand, '#')) {
    result = {"0", ValueKind::Numeric};
    return true;
  }
  OperandStatus status = objects_.getProperty(operand, result, context_);
  if (status != OperandStatus::NotMine) return status == OperandStatus::Done;
  status = statements_.callFunction(operand, result, context_);
  if (status != OperandStatus::NotMine) return status == OperandStatus::Done;
  result = {operand, ValueKind::Numeric};
  return true;
}

}  // namespace pemo::script
