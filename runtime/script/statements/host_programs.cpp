#include "platform/process/process.h"
#include "platform/process/waiting.h"
#include "runtime/script/statements/program_port.h"

namespace pemo::script::statements {

long HostPrograms::start(const std::string& commandLine, std::string& error) {
  const process::StartResult started = process::startCommandLine(commandLine);
  error = started.error;
  return started.pid;
}

std::optional<long> HostPrograms::exitCode(long processId) { return process::childExitCode(processId); }

void HostPrograms::waitForExit(long processId) { process::waitForExit(processId); }

}  // namespace pemo::script::statements
