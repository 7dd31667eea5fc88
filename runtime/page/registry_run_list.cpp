#include "runtime/page/registry_run_list.h"

#include <charconv>

#include "platform/registry/registry.h"

namespace pemo::page {
namespace {

// The process id a value of the run list is named by; 0 for a name that is none (the
// key can be edited by hand), so that its value is dropped like an ended program's.
long pidOfValueName(const std::string& name) {
  long pid = 0;
  const char* end = name.data() + name.size();
  auto [rest, error] = std::from_chars(name.data(), end, pid);
  return error == std::errc() && rest == end ? pid : 0;
}

}  // namespace

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

void RegistryRunList::dropEnded(process::ProgramPort& programs) {
  std::vector<std::string> ended;
  for (const auto& [name, link] : values())
    if (!programs.isRunning(pidOfValueName(name))) ended.push_back(name);
  if (ended.empty()) return;
  registry::Key key = 0;
  if (registry::openKey(registry::kUsers, subKey_, key) != registry::kSuccess) return;
  for (const auto& name : ended) registry::deleteValue(key, name);
  registry::closeKey(key);
}

void RegistryRunList::clear() { registry::deleteKey(registry::kUsers, subKey_); }

}  // namespace pemo::page
