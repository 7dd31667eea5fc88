#pragma once
// IF / ELSE / END IF, SELECT / CASE / END SELECT and GOTO. They work on the text as it is
// read: a branch that is not taken is skipped by reading forward in the statement's own
// file and counting nesting; a taken branch simply goes on being read. A forward scan
// passes over EXIT SUB and stops where the SUB's text ends (END SUB, the next SUB,
// END SCRIPT, the end of the file), so it never runs into another SUB.
#include <optional>
#include <string>

#include "runtime/script/expression.h"
#include "runtime/script/ports.h"
#include "runtime/script/script_file.h"

namespace pemo::script {

class ControlFlow {
 public:
  ControlFlow(ExpressionEvaluator& expressions, Arithmetic& arithmetic, ScriptFileSystem& files,
              ScriptContext& context);

  Flow executeIf(const std::string& condition, ScriptFile& file);
  Flow executeElse(ScriptFile& file);
  Flow executeEndIf();
  Flow executeSelect(const std::string& argument, ScriptFile& file);
  // A CASE line met while a CASE body runs: the rest of the SELECT is skipped.
  Flow skipToEndSelect(ScriptFile& file);
  Flow executeEndSelect();
  Flow executeGoto(const std::string& argument, ScriptFile& file);

  // The open IF and SELECT levels of the running SUB.
  struct Nesting {
    int ifLevel = 0;
    int selectLevel = 0;
  };
  Nesting nesting() const { return nesting_; }
  void setNesting(Nesting nesting) { nesting_ = nesting; }

 private:
  std::optional<bool> conditionHolds(const std::string& condition);
  bool fileExists(const std::string& pathExpression);
  std::optional<bool> compare(const std::string& condition, size_t position, const std::string& op);
  std::optional<bool> bareConditionHolds(const std::string& condition);
  Flow skipFalseIf(ScriptFile& file);
  // Skips the rest of an open construct up to its closing line, which closes the level.
  Flow skipRestOf(ScriptFile& file, const char* opening, const char* closing, int& level);
  // False, after the message, when no construct of the level is open.
  static bool levelOpen(int level, const char* noOpenMessage);
  static Flow closeLevel(int& level, const char* noOpenMessage);

  ExpressionEvaluator& expressions_;
  Arithmetic& arithmetic_;
  ScriptFileSystem& files_;
  ScriptContext& context_;
  Nesting nesting_;
};

}  // namespace pemo::script
