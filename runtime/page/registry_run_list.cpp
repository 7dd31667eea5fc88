#include "runtime/page/registry_run_list.h"

#include "platform/registry/registry.h"

namespace pemo::page {

RegistryRunList::RegistryRunList(std::int32_t windowHandle)
    : subKey_(std::string(kRuntimeRegistryKey) + "\\Run\\" + std::to_string(windowHandle)) {}

std::vector<std::pair<std::string, std::string>> RegistryRunList::values() {
  std::vector<std::pair<std::string, std::string>> result;
  registry::Key key = 0;
  if (registry::openKey(registry::kUsers, subKey_, key) != registry::kSuccess) return result;
  std::string name;
  registry::Value value;
  for (uint32_t i = 0; registry::enumValue(key, i, name, value) == registry::kSuccess; ++i)
    result.emplace_back(name, value.data);
  registry::closeKey(key);
  return result;
}

void RegistryRunList::add(long pid, const std::string& link) {
  registry::Key key = 0;
  if (registry::createKey(registry::kUsers, subKey_, "", key) != registry::kSuccess) return;
  registry::setValue(key, std::to_string(pid), registry::kString, link);
  registry::closeKey(key);
}

void RegistryRunList::remove(const std::string& name) {
  registry::Key key = 0;
  if (registry::openKey(registry::kUsers, subKey_, key) != registry::kSuccess) return;
  registry::deleteValue(key, name);
  registry::closeKey(key);
}

void RegistryRunList::clear() { registry::deleteKey(registry::kUsers, subKey_); }

void RegistryRunList::clearEveryList() {
  registry::deleteKey(registry::kUsers, std::string(kRuntimeRegistryKey) + "\\Run");
}

}  // namespace pemo::page
