#pragma once
// The runtime's help document: "doc\pemo.html" in the program folder, opened with the
// desktop's viewer for HTML.
#include <string>

#include "platform/process/program_port.h"

namespace pemo::page {

// Opens the help document of the program folder (Windows form, ending in "\"). When it
// cannot be opened the user is told, and the result is false.
bool showHelpDocument(const std::string& appFolder, process::ProgramPort& programs);

}  // namespace pemo::page
