#include "runtime/page/help_document.h"

#include "platform/process/document_opening.h"
#include "platform/ui/message_port.h"
#include "runtime/messages.h"

namespace pemo::page {

namespace {

void reportCannotOpen() { ui::showExclamation(runtime_messages::kCannotOpenHelp, runtime_messages::kTitle); }

}  // namespace

bool showHelpDocument(const std::string& appFolder, process::ProgramPort& programs) {
  return process::openDocumentOrReport(programs, appFolder + "doc\\pemo.html", reportCannotOpen);
}

}  // namespace pemo::page
