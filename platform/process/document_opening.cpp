#include "platform/process/document_opening.h"

namespace pemo::process {

bool openDocumentOrReport(ProgramPort& programs, const std::string& path, std::function<void()> failed) {
  const StartResult started = programs.openDocument(path);
  if (!started) {
    failed();
    return false;
  }
  programs.whenEnded(started.pid, [failed = std::move(failed)](long exitCode) {
    if (exitCode != 0) failed();
  });
  return true;
}

}  // namespace pemo::process
