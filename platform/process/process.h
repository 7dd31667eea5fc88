#pragma once
// Starting programs and documents from command lines.
#include <string>
#include <string_view>

#include "platform/process/child_processes.h"
#include "platform/process/program_lookup.h"
#include "platform/process/program_port.h"

namespace pemo::process {

// Starts a command line the way Windows does (see program_lookup.h): a
// program runs with its arguments, a document or folder opens with xdg-open (the id is
// then that of the opener). The program folder is searched first, then the current
// folder, then PATH.
StartResult startCommandLine(std::string_view commandLine);

// Opens an existing document or folder (a Windows or host path) with xdg-open.
StartResult openDocument(std::string_view path);

// The host path of an existing file or folder named by a Windows or host path (through
// platform/fs: drives, "\" and letter case); empty when nothing exists there.
std::filesystem::path existingHostPath(std::string_view path);

// The folder of the running program.
std::filesystem::path programFolder();

}  // namespace pemo::process
