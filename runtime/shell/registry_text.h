#pragma once
// The shell keeps its settings as text values under the runtime's registry key.
#include <optional>
#include <string>

#include "platform/registry/registry.h"

namespace pemo::shell {

// The text of a string value; nothing when it is missing or of another type.
std::optional<std::string> readRegistryText(registry::Key key, const char* name);
void writeRegistryText(registry::Key key, const char* name, const std::string& data);

}  // namespace pemo::shell
