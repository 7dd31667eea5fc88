#pragma once
// Arguments of the statements and functions that act outside the page: splitting them
// into slots, evaluating them, and completing relative paths.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/script/ports.h"

namespace pemo::script::statements {

// An argument text split at every "," into a fixed number of slots, without regard to
// double quotes or parentheses; the last slot takes all the rest, commas included.
struct ArgumentSlots {
  std::vector<std::string> slots;  // always as many as asked for; unfilled ones empty
  int filled = 1;                  // how many slots the text filled
};
ArgumentSlots splitArguments(const std::string& argument, int count);

// Evaluates an argument in place. A blank argument has no value and becomes "". False
// when the evaluation failed: its message has been shown, and the statement must end
// rather than act on the raw text left behind.
bool evaluateArgument(std::string& argument, ScriptContext& context);
// Evaluates the slots [first, last] in order; false at the first that fails.
bool evaluateSlots(std::vector<std::string>& slots, size_t first, size_t last, ScriptContext& context);

// A number given as text, rounded half to even, as a 32-bit whole number. One that does
// not fit raises the library's overflow error, which ends the run with the line quoted.
int32_t wholeNumber(const std::string& value);

// Shows "引数の数が違います" when fewer than `needed` slots were filled.
bool enoughArguments(const ArgumentSlots& arguments, int needed);

// The current-folder rule: a path without ":\" that does not start with "\" gets the
// current folder in front.
std::string withCurrentFolder(const std::string& path);

}  // namespace pemo::script::statements
