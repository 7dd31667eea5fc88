#pragma once
// The test run: the active menu and its script handed to the runtime in the program
// folder, the runtime started on them and watched until it ends or is stopped.
#include "editor/document/editor_state.h"

namespace pemo::editor {

// Writes the active menu to "!.tmp" and its script to "!.src" in the program folder and
// starts the runtime there with the test-run argument. The run ends by itself when the
// runtime ends. Nothing starts while a run is active, and nothing is left behind when the
// files cannot be written or the runtime cannot start.
void runActiveMenu(EditorState& state);

// Ends the test run: stops the runtime, deletes the hand-over files and switches the
// commands back. Does nothing when no run is active.
void terminateRun(EditorState& state);

}  // namespace pemo::editor
