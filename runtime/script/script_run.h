#pragma once
// One event run: the event SUB, the SUBs it calls, and the state that lives as long as
// the run (INDEX, the open IF and SELECT levels, the variables).
#include <functional>
#include <memory>
#include <string>

#include "runtime/script/control_flow.h"
#include "runtime/script/expression.h"
#include "runtime/script/loaded_script.h"
#include "runtime/script/ports.h"
#include "runtime/script/variables.h"

namespace pemo::script {

// A SUB that calls itself without end is stopped at this depth with a script error.
inline constexpr int kMaxCallDepth = 200;

class ScriptRun : public ScriptContext {
 public:
  // services must have every pointer set. menuStillOpen tells whether the menu the run
  // belongs to is still the open one; the run ends quietly when it is not.
  ScriptRun(std::shared_ptr<LoadedScript> script, const ScriptServices& services, int index,
            std::function<bool()> menuStillOpen);

  // Runs an event SUB from the line after its SUB line to its end.
  void runEventSub(const SubEntry& sub);

  // ScriptContext
  bool evaluate(std::string& text, ValueKind* kind = nullptr) override;
  int currentIndex() const override { return index_; }
  std::string menuDrive() const override;
  bool yieldToEvents() override;

  const VariableTables& variables() const { return variables_; }

 private:
  Flow runLines(ScriptFile& file);
  Flow execute(ScriptFile& file, const std::string& line);
  Flow callSub(const std::string& statement);
  Flow runCalledSub(ScriptFile& file, long bodyPosition, long resumePosition);

  std::shared_ptr<LoadedScript> script_;
  ScriptServices services_;
  int index_;
  std::function<bool()> menuStillOpen_;
  VariableTables variables_;
  ExpressionEvaluator expressions_;
  ControlFlow control_;
  int callDepth_ = 0;
};

}  // namespace pemo::script
