#include "runtime/page/help_document.h"

#include "platform/ui/message_port.h"
#include "runtime/messages.h"

namespace pemo::page {

bool showHelpDocument(const std::string& appFolder, process::ProgramPort& programs) {
  // A missing document fails here, rather than in the viewer out of sight.
  const bool opened = static_cast<bool>(programs.openDocument(appFolder + "doc\\pemo.html"));
  if (!opened) ui::showExclamation(runtime_messages::kCannotOpenHelp, runtime_messages::kTitle);
  return opened;
}

}  // namespace pemo::page
