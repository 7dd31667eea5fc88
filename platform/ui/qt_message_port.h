#pragma once
#include "platform/ui/message_port.h"

namespace pemo::ui {

// The message box on screen: a QMessageBox with the flags' buttons and icon.
class QtMessagePort : public MessagePort {
 public:
  int show(const std::string& prompt, int style, const std::string& title) override;
};

// Installs a QtMessagePort for the rest of the program.
void installQtMessagePort();

}  // namespace pemo::ui
