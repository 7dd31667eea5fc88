#pragma once
// The real process port of the link actions, through platform/process.
#include "runtime/page/link_ports.h"

namespace pemo::page {

class SystemProcesses : public ProcessPort {
 public:
  long start(const std::string& commandLine) override;
  bool isRunning(long pid) override;
  void waitForExit(long pid) override;
};

}  // namespace pemo::page
