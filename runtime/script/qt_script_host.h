#pragma once
// The script's window on the Qt event loop.
#include <functional>
#include <string>

#include "runtime/script/ports.h"

namespace pemo::script {

class QtScriptHost : public ScriptHost {
 public:
  // menuDrive gives the drive of the current menu file ("C:"), kept by the page.
  explicit QtScriptHost(std::function<std::string()> menuDrive);
  std::string menuDrive() const override;
  // Handles the events that are waiting, or that arrive within a few milliseconds, in a
  // nested event loop: a caller that yields over and over does not spin the processor.
  void yieldToEvents() override;

 private:
  std::function<std::string()> menuDrive_;
};

}  // namespace pemo::script
