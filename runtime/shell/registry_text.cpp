#include "runtime/shell/registry_text.h"

namespace pemo::shell {

std::optional<std::string> readRegistryText(registry::Key key, const char* name) {
  registry::Value value;
  if (registry::queryValue(key, name, value) != registry::kSuccess || value.type != registry::kString)
    return std::nullopt;
  return value.data;
}

void writeRegistryText(registry::Key key, const char* name, const std::string& data) {
  registry::setValue(key, name, registry::kString, data);
}

}  // namespace pemo::shell
