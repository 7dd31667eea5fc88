#include "editor/workspace/editor_settings.h"

#include "editor/document/registry_recent_key.h"
#include "platform/fs/folder_path.h"
#include "platform/fs/windows_path.h"
#include "platform/registry/registry.h"

namespace pemo::editor {

namespace {

constexpr const char* kScriptEditorValue = "ScriptEditor";

}  // namespace

std::string settingKeyName() { return std::string(kEditorRegistrySubKey) + "\\Setting"; }

bool settingsWereSaved() {
  registry::Key key = 0;
  if (registry::openKey(registry::kUsers, settingKeyName(), key) != registry::kSuccess) return false;
  registry::closeKey(key);
  return true;
}

std::string loadScriptEditorPath() {
  std::string path;
  registry::Key key = 0;
  if (registry::openKey(registry::kUsers, settingKeyName(), key) == registry::kSuccess) {
    registry::Value value;
    if (registry::queryValue(key, kScriptEditorValue, value) == registry::kSuccess) path = value.data;
    registry::closeKey(key);
  }
  if (!path.empty()) return path;
  return fs::withClosingBackslash(fs::windowsFolder()) + "NOTEPAD.EXE";
}

void saveScriptEditorPath(const std::string& path) {
  registry::Key key = 0;
  if (registry::createKey(registry::kUsers, settingKeyName(), "", key) != registry::kSuccess) return;
  registry::setValue(key, kScriptEditorValue, registry::kString, path);
  registry::closeKey(key);
}

}  // namespace pemo::editor
