#pragma once
// The runtime-wide values that the page, the script interpreter and the shell share.
// The script's own files, positions and SUB table belong to the interpreter behind
// ScriptPort; the page hands it a MenuScriptSource.
#include <array>
#include <string>
#include <vector>

namespace pemo::page {

struct RunListEntry {
  std::string caption;
  std::string commandLine;
  bool operator==(const RunListEntry&) const = default;
};

struct FavouriteMenu {
  std::string caption;
  std::string file;
};

struct RuntimeState {
  std::string appFolder;          // the program folder, Windows form, ending in "\"
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;
  bool hiddenStart = false;       // the window was loaded without being shown
  bool testRun = false;           // the command line is the test-run argument
  std::string startFolder;        // the current folder when the window was created; current again on close
  std::string explorerPath;       // the Windows folder's "explorer.exe"
  std::vector<RunListEntry> runList;
  std::vector<RunListEntry> storedRunList;  // the run list as its file last gave or took it
  std::array<FavouriteMenu, 20> favouriteMenus;
  std::string favouritesFile;
  std::string menuDrive;          // "C:" of the last menu path that named a drive; "" at first
  std::string lastTiledImage;     // upper-cased path of the last tiled picture; never cleared
};

// The one instance of the runtime.
RuntimeState& runtimeState();

}  // namespace pemo::page
