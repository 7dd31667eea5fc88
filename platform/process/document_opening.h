#pragma once
// Opening a document for the user to read (a help page): the desktop's opener may start
// and still fail, when no program takes the document, so its exit counts as well.
#include <functional>
#include <string>

#include "platform/process/program_port.h"

namespace pemo::process {

// Opens the document; `failed` runs when it cannot be started, or later, from the port's
// end notification, when the opener ends with a non-zero code. Nothing waits meanwhile.
// Returns false when the start itself failed.
bool openDocumentOrReport(ProgramPort& programs, const std::string& path, std::function<void()> failed);

}  // namespace pemo::process
