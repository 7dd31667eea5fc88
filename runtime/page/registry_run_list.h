#pragma once
// A window's list of started programs in the registry: `Run\<handle>` under the
// runtime's key (HKEY_USERS\.Default\Software\Kalvo\Pemo).
#include <cstdint>

#include "runtime/page/link_ports.h"
#include "runtime/page/runtime_registry_key.h"

namespace pemo::page {

class RegistryRunList : public RunProcessList {
 public:
  explicit RegistryRunList(std::int32_t windowHandle);
  std::vector<std::pair<std::string, std::string>> values() override;
  void add(long pid, const std::string& link) override;
  void remove(const std::string& name) override;
  // Deletes the key (at start-up and shutdown).
  void clear();
  // Deletes every window's list, of every runtime (only when no other runtime runs).
  static void clearEveryList();

 private:
  std::string subKey_;
};

}  // namespace pemo::page
