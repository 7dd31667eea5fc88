#pragma once
// What the runtime does with its command line before the window opens, and how it
// starts: a test run, a hidden start or a shown one.
#include <filesystem>
#include <string>

#include "runtime/page/runtime_state.h"

namespace pemo::shell {

struct Startup {
  std::string menuFile;      // the start menu file; empty for none
  std::string drive;         // the drive a menu link beginning with "\" is read from
  bool noStartFile = false;  // the command line was empty
  bool hideMenu = false;     // the launcher's "HideMenu" asks for a start without the window
};

// The command line as one text: the arguments joined by one blank.
std::string commandLineOf(int argc, char** argv);

// Sets the program folder, the twips per pixel and the test-run flag (the raw command
// line is exactly the test-run argument), and finds the start file:
//  - the test-run argument (blanks around it dropped): the editor's "!.tmp" becomes
//    "!.FIL" in the program folder (an older one is deleted first);
//  - a path, blanks around it dropped: one beginning with "\" goes on the Windows
//    folder's drive; its drive becomes the current drive and its folder the current
//    folder, so that the menus and pictures it names by relative paths are found.
// Reads "HideMenu" from the launcher's settings; nothing is written.
Startup prepareStartup(page::RuntimeState& runtime, const std::filesystem::path& programFolder,
                       const std::string& commandLine);

// True when the start file exists (an empty name passes); otherwise the user is told
// and the program is to end before any setting is read or written.
bool checkStartFile(const Startup& start);

}  // namespace pemo::shell
