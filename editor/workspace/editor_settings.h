#pragma once
// The editor's own settings in the registry: the Setting key under the editor's key,
// with the script editor's path and the main window's rectangle.
#include <string>

namespace pemo::editor {

// ".Default\Software\Kalvo\PemoEdit\Setting" below HKEY_USERS.
std::string settingKeyName();

// False on a first start: no settings were ever saved.
bool settingsWereSaved();
// The stored script editor; the Windows folder's "NOTEPAD.EXE" when none is stored.
std::string loadScriptEditorPath();
// Stores the script editor, creating the key when missing.
void saveScriptEditorPath(const std::string& path);

}  // namespace pemo::editor
