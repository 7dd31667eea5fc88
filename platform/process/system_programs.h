#pragma once
// The real programs, through this folder's process table (which reaps every child it
// starts). Without an event loop: `whenEnded` calls back from the thread that reaps the
// child and `waitForExit` blocks the calling thread. The window uses QtPrograms.
#include "platform/process/program_port.h"

namespace pemo::process {

class SystemPrograms : public ProgramPort {
 public:
  StartResult start(const std::string& commandLine) override;
  StartResult openDocument(const std::string& path) override;
  std::optional<long> exitCode(long pid) override;
  void whenEnded(long pid, std::function<void(long exitCode)> ended) override;
  void waitForExit(long pid) override;
  bool terminate(long pid, long exitCode) override;
};

}  // namespace pemo::process
