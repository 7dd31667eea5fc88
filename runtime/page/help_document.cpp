#include "runtime/page/help_document.h"

#include "platform/process/process.h"
#include "platform/ui/message_port.h"
#include "runtime/messages.h"

namespace pemo::page {

bool showHelpDocument(const std::string& appFolder) {
  const std::string document = appFolder + "doc\\pemo.html";
  // A missing document would only make the viewer fail later, out of sight.
  bool opened = !process::existingHostPath(document).empty() &&
                process::startCommandLine("\"" + document + "\"").pid != 0;
  if (!opened) ui::showExclamation(runtime_messages::kCannotOpenHelp, runtime_messages::kTitle);
  return opened;
}

}  // namespace pemo::page
