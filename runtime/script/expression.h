#pragma once
// Expressions, assignments and operands. The engine does no arithmetic of its own: it
// assembles the arithmetic text and hands it whole to the library's calculation.
#include <string>
#include <vector>

#include "runtime/script/ports.h"
#include "runtime/script/variables.h"

namespace pemo::script {

// The library's calculation with rounding mode 1 (cut). The library writes its result
// back no longer than the text it was given, so the text is padded with blanks first
// (unpadded, "2 ^ 20" would come back as 1048).
double calculate(Arithmetic& arithmetic, const std::string& expression, int decimals);

class ExpressionEvaluator {
 public:
  ExpressionEvaluator(VariableTables& variables, Arithmetic& arithmetic, ScriptObjects& objects,
                      ScriptStatements& statements, ScriptContext& context);

  // An assignment statement: target, "=", expression. Fails without a message when the
  // target cannot be assigned or the line is not an assignment.
  Flow assign(const std::string& statement);
  // Evaluates an expression for its value. False when it failed (message shown).
  bool evaluate(const std::string& text, ScriptValue& result);
  // Resolves one operand. In an assignment an undefined variable reads as "" or "0";
  // elsewhere it is not defaulted and falls through to its own text.
  bool resolveOperand(const std::string& operand, bool inAssignment, ScriptValue& result);

 private:
  struct Token {
    std::string text;
    bool isOperator = false;
  };
  bool tokenize(const std::string& text, bool inAssignment, std::vector<Token>& tokens);
  bool build(const std::vector<Token>& tokens, size_t first, bool inAssignment, ValueKind& kind,
             std::string& expression);
  std::string finish(const std::string& expression, ValueKind kind);
  ValueKind targetKind(const std::string& target, bool& isProperty);

  VariableTables& variables_;
  Arithmetic& arithmetic_;
  ScriptObjects& objects_;
  ScriptStatements& statements_;
  ScriptContext& context_;
};

}  // namespace pemo::script
