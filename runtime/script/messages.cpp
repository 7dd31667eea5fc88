#include "runtime/script/messages.h"

#include "platform/ui/message_port.h"

namespace pemo::script {

void scriptError(const std::string& quoted, const std::string& message) {
  ui::showExclamation("'" + quoted + "'" + "\r" + message, kScriptErrorTitle);
}

void scriptErrorAlone(const std::string& message) { ui::showExclamation(message, kScriptErrorTitle); }

}  // namespace pemo::script
