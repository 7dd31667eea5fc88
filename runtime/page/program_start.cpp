#include "runtime/page/program_start.h"

#include "platform/ui/message_port.h"
#include "runtime/messages.h"

namespace pemo::page {

process::StartResult startReported(process::ProgramPort& programs, const std::string& commandLine,
                                   const std::string& reportedAs) {
  using namespace runtime_messages;
  const std::string failure = reportedAs + "\r" + kStartFailed;
  process::StartResult started = programs.start(commandLine);
  if (!started) {
    ui::showExclamation(failure, kTitle);
    return started;
  }
  if (started.opener) {
    programs.whenEnded(started.pid, [failure](long exitCode) {
      if (exitCode != 0) ui::showExclamation(failure, kTitle);
    });
  }
  return started;
}

}  // namespace pemo::page
