#pragma once
// Runs LHA archiver commands on .LZH archives: listing, testing and extracting (the
// archive library reads LHA archives only; commands that write archives are refused).
#include <string_view>

#include "platform/archive/lha_command.h"

namespace pemo::archive {

// False when the program was built without the archive library.
bool lhaArchiverAvailable();

// Runs a command line such as "x -a1 C:\DATA\A.LZH C:\WORK\ *.TXT"; paths are Windows or
// host paths. Extraction replaces existing files; entries that would land outside the
// target folder (also by way of a symbolic link already in it) and symbolic links are
// skipped. The first failure's code is returned after every other entry has been dealt with.
LhaResult runLhaCommand(std::string_view commandLine);

}  // namespace pemo::archive
