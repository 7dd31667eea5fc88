#include "runtime/script/statements/arguments.h"

#include "platform/fs/current_folder.h"
#include "platform/fs/folder_path.h"
#include "platform/text/numbers.h"
#include "platform/text/run_time_error.h"
#include "platform/text/strings.h"
#include "runtime/script/messages.h"
#include "runtime/script/statements/statement_messages.h"

namespace pemo::script::statements {

ArgumentSlots splitArguments(const std::string& argument, int count) {
  ArgumentSlots result;
  result.slots = text::SplitFields(argument, ",", static_cast<size_t>(count));
  result.filled = static_cast<int>(result.slots.size());
  result.slots.resize(static_cast<size_t>(count));
  return result;
}

bool evaluateArgument(std::string& argument, ScriptContext& context) {
  if (text::Trim(argument).empty()) {
    argument.clear();
    return true;
  }
  return context.evaluate(argument);
}

bool evaluateSlots(std::vector<std::string>& slots, size_t first, size_t last, ScriptContext& context) {
  for (size_t i = first; i <= last && i < slots.size(); ++i) {
    if (!evaluateArgument(slots[i], context)) return false;
  }
  return true;
}

int32_t wholeNumber(const std::string& value) {
  const double number = text::RoundHalfEven(text::Val(value));
  if (!(number >= INT32_MIN && number <= INT32_MAX)) throw text::RunTimeError(text::kErrOverflow);
  return static_cast<int32_t>(number);
}

bool enoughArguments(const ArgumentSlots& arguments, int needed) {
  if (arguments.filled >= needed) return true;
  scriptErrorAlone(msg::kWrongArgumentCount);
  return false;
}

std::string withCurrentFolder(const std::string& path) {
  if (path.find(":\\") != std::string::npos || (!path.empty() && path.front() == '\\')) return path;
  return fs::withClosingBackslash(fs::currentFolder()) + path;
}

}  // namespace pemo::script::statements
