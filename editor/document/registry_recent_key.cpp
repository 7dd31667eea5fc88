#include "editor/document/registry_recent_key.h"

#include <string>

#include "platform/registry/registry.h"

namespace pemo::editor {

RegistryRecentKey::~RegistryRecentKey() { close(); }

bool RegistryRecentKey::open() {
  close();
  registry::Key key = 0;
  std::string subKey = std::string(kEditorRegistrySubKey) + "\\Recent";
  if (registry::createKey(registry::kUsers, subKey, "", key) != registry::kSuccess) return false;
  key_ = key;
  return true;
}

std::vector<std::string> RegistryRecentKey::values() {
  std::vector<std::string> data;
  if (!key_) return data;
  for (uint32_t index = 0;; ++index) {
    std::string name;
    registry::Value value;
    if (registry::enumValue(key_, index, name, value) != registry::kSuccess) break;
    data.push_back(value.data);
  }
  return data;
}

void RegistryRecentKey::setValue(const std::string& name, const std::string& text) {
  if (key_) registry::setValue(key_, name, registry::kString, text);
}

void RegistryRecentKey::close() {
  if (key_) registry::closeKey(key_);
  key_ = 0;
}

}  // namespace pemo::editor
