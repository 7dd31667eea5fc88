#include "runtime/page/window/runtime_ports.h"

#include "platform/process/process.h"
#include "platform/process/waiting.h"

namespace pemo::page {

long SystemProcesses::start(const std::string& commandLine) { return process::startCommandLine(commandLine).pid; }
bool SystemProcesses::isRunning(long pid) { return process::isRunningChild(pid); }
void SystemProcesses::waitForExit(long pid) { process::waitForExit(pid); }

}  // namespace pemo::page
