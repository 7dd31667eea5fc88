#include "runtime/script/statements/program_statements.h"

#include "platform/text/strings.h"
#include "runtime/script/messages.h"
#include "runtime/script/statement_text.h"
#include "runtime/script/statements/arguments.h"
#include "runtime/script/statements/statement_messages.h"

namespace pemo::script::statements {

CommandAndOption splitCommandAndOption(const std::string& argument) {
  const size_t slash = findOutsideQuotes(argument, "/");
  if (slash == std::string::npos) return {argument, ""};
  return {argument.substr(0, slash), argument.substr(slash + 1)};
}

Flow ProgramStatements::execute(const std::string& argument, ScriptContext& context) {
  CommandAndOption parts = splitCommandAndOption(argument);
  // A command that failed to evaluate is not run as the raw text left behind.
  if (!evaluateArgument(parts.command, context)) return Flow::Fail;
  const std::string command = withMenuDrive(parts.command, context);
  const process::StartResult started = programs_.start(command);
  if (!started) {
    scriptError(command, msg::kExecuteFailed);
    return Flow::Fail;
  }
  processId_ = started.pid;
  if (text::UCase(parts.option) != "W") return Flow::Next;
  programs_.waitForExit(started.pid);
  // The menu may have been closed or replaced while the program ran.
  return context.yieldToEvents() ? Flow::Next : Flow::Fail;
}

std::string ProgramStatements::exitCodeText() {
  if (processId_ == 0) return "0";
  const std::optional<long> code = programs_.exitCode(processId_);
  return code ? std::to_string(*code) : "0";
}

}  // namespace pemo::script::statements
