#pragma once
// The run list's file, "PEMORUN.DAT" in the user folder: section "APP", keys "App0",
// "App1", ..., each value the caption, ",", the command line. Read once at start-up;
// the run list's changes are written at shutdown and after a drop on the launcher bar.
#include <string>
#include <vector>

#include "runtime/page/runtime_state.h"

namespace pemo::shell {

// The most programs the run list takes from the registration dialog and the launcher
// bar; a merge with other runtimes' additions keeps to it too. A longer list (a
// hand-made file) is read and kept whole.
inline constexpr size_t kRunListLimit = 20;

// The file of the program folder's user folder (Windows path).
std::string runInfoFile(const std::string& appFolder);

// The run list the file holds, up to the first missing or empty key; empty when the file
// is missing or unreadable.
std::vector<page::RunListEntry> readRunInfo(const std::string& file);

// The runtime's run list from its file (not used in a test run).
void getRunInfo(page::RuntimeState& runtime);
// Writes the run list's changes since it was last read or written into its file as the
// file is now, keeping what other runtimes wrote meanwhile; the run list becomes what
// was written. New entries that no longer fit the limit beside other runtimes' are told
// and left out. Without changes nothing is written. False when the file could not be
// replaced or another runtime kept it locked (the old one stays, and the run list keeps
// this runtime's changes for its next write).
bool storeRunInfo(page::RuntimeState& runtime);

// A change to the run list reaches its file only at shutdown. When the file could not be
// written then, the user is told now, while the new entries are in front of them.
void warnIfRunInfoCannotBeStored(const page::RuntimeState& runtime);

}  // namespace pemo::shell
