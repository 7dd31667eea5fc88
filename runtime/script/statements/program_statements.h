#pragma once
// EXECUTE and GETEXITCODE(): starting a program from a script, waiting for it, and the
// exit code of the program last started, kept for the whole program run.
#include <string>

#include "platform/process/program_port.h"
#include "runtime/script/ports.h"

namespace pemo::script::statements {

// An EXECUTE argument split at the first "/" outside double quotes: the command before
// it (trailing blanks included) and the option after it, as written.
struct CommandAndOption {
  std::string command;
  std::string option;
};
CommandAndOption splitCommandAndOption(const std::string& argument);

class ProgramStatements {
 public:
  explicit ProgramStatements(process::ProgramPort& programs) : programs_(programs) {}

  // EXECUTE command [/W]: the option W (either case, nothing else) waits for the end.
  Flow execute(const std::string& argument, ScriptContext& context);
  // GETEXITCODE(): 259 while the last started program runs, its exit code after, "0"
  // before any start or when the code cannot be read.
  std::string exitCodeText();

  // The id of the program last started by EXECUTE; 0 until the first.
  long lastProcessId() const { return processId_; }

 private:
  process::ProgramPort& programs_;
  long processId_ = 0;
};

}  // namespace pemo::script::statements
