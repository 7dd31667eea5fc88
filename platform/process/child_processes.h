#pragma once
// The programs this process started: spawning without a shell, reaping as soon as each
// ends (no zombies), and the exit codes kept for whoever asks later.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/process/program_port.h"

namespace pemo::process {

// Starts argv[0] (a host path) with the given arguments and returns its process id,
// or 0 with `error` filled when it cannot be started. The program runs in a session
// of its own, so that it outlives this program and a terminal's signals.
long spawnProgram(const std::vector<std::string>& argv, std::string* error = nullptr);

// The exit code of a child started here: kStillActive while it runs, its code after.
// Empty for a process id this program did not start (ids are reused by the system).
std::optional<long> childExitCode(long pid);

// True only for a child started here that still runs.
bool isRunningChild(long pid);

// Ends a running child; its exit code becomes `exitCode`. False when it is not a
// running child of ours.
bool terminateChild(long pid, long exitCode = 1);

// Blocks the calling thread until the child has ended (returns at once for an ended or
// unknown one). For threads without an event loop; the window's thread uses QtPrograms.
void blockUntilExited(long pid);

// Calls `done` once the child has ended: at once when it has already ended or is
// unknown, else from the thread that reaps it.
void notifyOnExit(long pid, std::function<void()> done);

}  // namespace pemo::process
