#include "runtime/page/help_document.h"

#include "platform/ui/message_port.h"
#include "runtime/messages.h"

namespace pemo::page {

namespace {

void reportCannotOpen() { ui::showExclamation(runtime_messages::kCannotOpenHelp, runtime_messages::kTitle); }

}  // namespace

bool showHelpDocument(const std::string& appFolder, process::ProgramPort& programs) {
  // A missing document fails here, rather than in the viewer out of sight.
  const process::StartResult started = programs.openDocument(appFolder + "doc\\pemo.html");
  if (!started) {
    reportCannotOpen();
    return false;
  }
  // The opener fails when no viewer takes the document; the page goes on meanwhile.
  programs.whenEnded(started.pid, [](long exitCode) {
    if (exitCode != 0) reportCannotOpen();
  });
  return true;
}

}  // namespace pemo::page
