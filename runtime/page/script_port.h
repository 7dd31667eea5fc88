#pragma once
// What the runtime page needs of the script interpreter. The page opens and closes
// menus and fires object events; the interpreter reads its files and runs SUBs.
#include <string>
#include <vector>

#include "menufile/types.h"

namespace pemo::page {

// Where the open menu's script lives.
struct MenuScriptSource {
  std::string scriptFile;                 // Windows path: the menu file itself, or "!.src" in a test run
  long startPosition = 1;                 // 1-based byte position where the scan for SUB lines starts
  std::vector<std::string> includeFiles;  // the names of the INCLUDE lines, in order
};

class ScriptPort {
 public:
  virtual ~ScriptPort() = default;
  // Closes the previous menu's script files and opens, reads and indexes the new ones.
  virtual void loadScript(const MenuScriptSource& source) = 0;
  // Closes the script files (the next menu opens without a script, or the window closes).
  virtual void closeScript() = 0;
  virtual bool scriptLoaded() const = 0;
  // Runs the SUB the event selects, if the script defines it.
  virtual void fireScriptEvent(menufile::ObjectKind kind, int index, menufile::ScriptEvent event) = 0;
  virtual bool scriptRunning() const = 0;
};

}  // namespace pemo::page
