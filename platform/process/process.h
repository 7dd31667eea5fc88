#pragma once
// Starting programs and documents from command lines, and waiting for them.
#include <string>
#include <string_view>

#include "platform/process/child_processes.h"
#include "platform/process/program_lookup.h"

namespace pemo::process {

struct StartResult {
  long pid = 0;       // 0 when the start failed
  std::string error;  // why it failed
  explicit operator bool() const { return pid != 0; }
};

// Starts a command line the way the original platform did (see program_lookup.h): a
// program runs with its arguments, a document or folder opens with xdg-open (the id is
// then that of the opener). The program folder is searched first, then the current
// folder, then PATH.
StartResult startCommandLine(std::string_view commandLine);

// How Windows paths become host paths; the default maps through platform/fs.
void setHostPathMapper(HostPathMapper mapper);
const HostPathMapper& hostPathMapper();

// The folder of the running program.
std::filesystem::path programFolder();

}  // namespace pemo::process
