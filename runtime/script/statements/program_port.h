#pragma once
// How EXECUTE starts programs and GETEXITCODE reads their exit codes. The runtime wires
// in HostPrograms; tests use a fake.
#include <optional>
#include <string>

namespace pemo::script::statements {

class ProgramPort {
 public:
  virtual ~ProgramPort() = default;
  // Starts a command line (split by the Windows rules, never through a shell) with a
  // normal window that takes the focus. The process id, or 0 with `error` filled.
  virtual long start(const std::string& commandLine, std::string& error) = 0;
  // 259 while the program runs, its exit code after; nothing when it cannot be read.
  virtual std::optional<long> exitCode(long processId) = 0;
  // Returns when the program has ended; the window keeps handling its events meanwhile
  // and the CPU is not spun.
  virtual void waitForExit(long processId) = 0;
};

// The real programs, through platform/process (which reaps every child it starts).
class HostPrograms : public ProgramPort {
 public:
  long start(const std::string& commandLine, std::string& error) override;
  std::optional<long> exitCode(long processId) override;
  void waitForExit(long processId) override;
};

}  // namespace pemo::script::statements
