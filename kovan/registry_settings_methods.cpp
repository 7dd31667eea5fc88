// The per-user settings store: text values by application, section and key, kept
// where the platform kept application settings, under the current user's hive.
#include "kovan/kovan.h"
#include "kovan/registry_value_text.h"
#include "kovan/scoped_key.h"

namespace pemo::kovan {
namespace {

std::string settingsPath(const std::string& appName, const std::string& section) {
  return "Software\\VB and VBA Program Settings\\" + appName + "\\" + section;
}

bool usableName(const std::string& name) {
  return !name.empty() && name.find('\\') == std::string::npos;
}

}  // namespace

bool KOVAN::SetRegData(const String& AppName, const String& Section, const String& Keyword,
                       const String& SetData) {
  // A name with "\" would reach into another application's keys.
  if (!usableName(AppName) || !usableName(Section)) return false;
  registry::Key opened = 0;
  if (registry::createKey(registry::kCurrentUser, settingsPath(AppName, Section), "", opened) !=
      registry::kSuccess)
    return false;
  ScopedKey key(opened);
  return registry::setValue(key.get(), Keyword, registry::kString, SetData) == registry::kSuccess;
}

KOVAN::String KOVAN::GetRegData(const String& AppName, const String& Section,
                                const String& Keyword) {
  if (!usableName(AppName) || !usableName(Section)) return {};
  registry::Key opened = 0;
  if (registry::openKey(registry::kCurrentUser, settingsPath(AppName, Section), opened) !=
      registry::kSuccess)
    return {};
  ScopedKey key(opened);
  registry::Value value;
  if (registry::queryValue(key.get(), Keyword, value) != registry::kSuccess) return {};
  return valueAsText(value);
}

}  // namespace pemo::kovan
