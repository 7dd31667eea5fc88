#pragma once
// What the runtime does with its command line before the window opens.
#include <filesystem>
#include <string>

#include "runtime/page/runtime_state.h"

namespace pemo::shell {

struct Startup {
  std::string menuFile;  // the first menu to open; empty for none
  std::string drive;     // the drive a menu link beginning with "\" is read from
};

// Sets the program folder and the test-run flag. For a test run the editor's "!.tmp"
// becomes "!.FIL" in the program folder (an older one is deleted first). A menu file
// named on the command line makes its folder the current folder, so that the menus
// and pictures it names by relative paths are found wherever the files lie.
Startup prepareStartup(page::RuntimeState& runtime, const std::filesystem::path& programFolder,
                       const std::string& argument);

}  // namespace pemo::shell
