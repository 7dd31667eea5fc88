#pragma once
// How the interpreter carries values: every value is text, and its kind says how an
// expression built from it is finished (joined as text, or computed as a number).
#include <string>

namespace pemo::script {

enum class ValueKind : int { None = 0, String = 1, Numeric = 2 };

struct ScriptValue {
  std::string text;
  ValueKind kind = ValueKind::None;
};

// What a statement tells the loop that read it.
enum class Flow {
  Next,    // read the next line
  EndSub,  // the SUB has ended (END SUB, EXIT SUB, END, the next SUB line, END SCRIPT, end of file)
  Fail,    // a failure (its message, if any, has been shown): the whole event run ends
};

// The answer of an operand reader (object properties, built-in functions).
enum class OperandStatus : int { Done = 0, NotMine = 1, Failed = -1 };

}  // namespace pemo::script
