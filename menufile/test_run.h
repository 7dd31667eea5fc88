#pragma once
// The hand-over between the editor and the runtime for a test run. The editor writes
// the menu and its script into its program folder and starts the runtime there with
// the test-run argument as its whole command line; the runtime renames the menu before
// opening it and takes the script from the script file.

namespace pemo::menufile {

// The runtime's command line, compared with the raw bytes: this single byte.
inline constexpr char kTestRunArgument = '\xFF';

// The menu as the editor writes it; the editor deletes it when the run ends.
inline constexpr const char* kTestRunMenuFile = "!.tmp";
// A copy of the menu's script; the editor deletes it when the run ends.
inline constexpr const char* kTestRunScriptFile = "!.src";
// The name the runtime gives the menu before opening it; the runtime deletes it once read.
inline constexpr const char* kTestRunOpenedMenuFile = "!.FIL";

}  // namespace pemo::menufile
