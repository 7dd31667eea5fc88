#include "platform/process/system_programs.h"

#include "platform/process/child_processes.h"
#include "platform/process/process.h"

namespace pemo::process {

StartResult SystemPrograms::start(const std::string& commandLine) { return startCommandLine(commandLine); }

StartResult SystemPrograms::openDocument(const std::string& path) { return process::openDocument(path); }

std::optional<long> SystemPrograms::exitCode(long pid) { return childExitCode(pid); }

void SystemPrograms::whenEnded(long pid, std::function<void(long exitCode)> ended) {
  notifyOnExit(pid, [pid, ended = std::move(ended)] { ended(childExitCode(pid).value_or(0)); });
}

void SystemPrograms::waitForExit(long pid) { blockUntilExited(pid); }

bool SystemPrograms::terminate(long pid, long exitCode) { return terminateChild(pid, exitCode); }

}  // namespace pemo::process
