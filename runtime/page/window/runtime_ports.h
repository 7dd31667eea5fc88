#pragma once
// The real ports of the link actions: processes through platform/process and the
// window's list of started programs in the registry.
#include <cstdint>

#include "runtime/page/link_ports.h"

namespace pemo::page {

class SystemProcesses : public ProcessPort {
 public:
  long start(const std::string& commandLine) override;
  bool isRunning(long pid) override;
  void waitForExit(long pid) override;
};

// `Run\<handle>` under the runtime's registry key (HKEY_USERS\.Default\Software\Kalvo\Pemo).
class RegistryRunList : public RunProcessList {
 public:
  explicit RegistryRunList(std::int32_t windowHandle);
  std::vector<std::pair<std::string, std::string>> values() override;
  void add(long pid, const std::string& link) override;
  // Drops the values of programs that no longer run (the window's timer).
  void dropEnded(ProcessPort& processes);
  // Deletes the key (at start-up and shutdown).
  void clear();

 private:
  std::string subKey_;
};

inline constexpr const char* kRuntimeRegistryKey = ".Default\\Software\\Kalvo\\Pemo";

}  // namespace pemo::page
