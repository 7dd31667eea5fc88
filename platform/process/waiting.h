#pragma once
// Waiting for a started program on the calling thread without spinning the CPU.

namespace pemo::process {

// Returns when the child has ended (at once for an ended or unknown one). On the thread
// of a running Qt application a nested event loop keeps windows and timers working
// meanwhile, woken by the child's end or a short timer; elsewhere the thread blocks.
void waitForExit(long pid);

}  // namespace pemo::process
