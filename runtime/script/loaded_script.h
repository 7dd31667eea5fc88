#pragma once
// The open menu's script: the main file, the include files and the table of the main
// file's SUB lines, loaded once when the menu opens.
#include <memory>
#include <string>
#include <vector>

#include "runtime/page/script_port.h"
#include "runtime/script/ports.h"
#include "runtime/script/script_file.h"

namespace pemo::script {

// One SUB line of the main file.
struct SubEntry {
  long bodyPosition = 1;  // byte position of the line after the SUB line
  std::string name;       // the SUB line after its first blank, trimmed, as written
};

struct LoadedScript {
  ScriptFile main;
  // In the order of the INCLUDE lines; a file that could not be read stays unopened.
  std::vector<ScriptFile> includes;
  std::vector<SubEntry> subs;

  // The first SUB whose line "SUB " + name, upper-cased, equals fullName (such as
  // "SUB BUTTON_CLICK()"), or nullptr.
  const SubEntry* findSub(const std::string& fullName) const;
};

// Reads the script's files and indexes the main file's SUB lines from the source's start
// position. nullptr when the main file cannot be read; an include file that cannot be
// read is left unopened and skipped when SUBs are looked for.
std::shared_ptr<LoadedScript> loadScriptFiles(const page::MenuScriptSource& source, ScriptFileSystem& files);

}  // namespace pemo::script
