#pragma once
// The run list's file, "PEMORUN.DAT" in the user folder: section "APP", keys "App0",
// "App1", ..., each value the caption, ",", the command line. Read once at start-up,
// written back whole at shutdown.
#include <string>
#include <vector>

#include "runtime/page/runtime_state.h"

namespace pemo::shell {

// The file of the program folder's user folder (Windows path).
std::string runInfoFile(const std::string& appFolder);

// The run list the file holds, up to the first missing or empty key; empty when the file
// is missing or unreadable.
std::vector<page::RunListEntry> readRunInfo(const std::string& file);
// Replaces the file by the list; an empty list removes it (see writeListFile). False
// when the file could not be replaced, which leaves the old one.
bool writeRunInfo(const std::string& file, const std::vector<page::RunListEntry>& runList);
// Stores one entry at once under its number, keeping the others (a program dropped on
// the launcher bar).
bool writeRunInfoEntry(const std::string& file, size_t number, const page::RunListEntry& entry);

// The runtime's run list from and to its file (not used in a test run).
void getRunInfo(page::RuntimeState& runtime);
bool saveRunInfo(const page::RuntimeState& runtime);

// A change to the run list reaches its file only at shutdown. When the file could not be
// written then, the user is told now, while the new entries are in front of them.
void warnIfRunInfoCannotBeStored(const page::RuntimeState& runtime);

}  // namespace pemo::shell
