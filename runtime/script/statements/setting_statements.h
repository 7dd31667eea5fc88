#pragma once
// INI files, the registry and the Windows folders: SAVESETTING and SETREGDATA, and the
// functions GETSETTING, GETREGDATA, GETWINDOWSDIR and GETSYSTEMDIR.
#include <string>

#include "runtime/script/ports.h"
#include "runtime/script/statements/host_settings.h"

namespace pemo::script::statements {

class SettingStatements {
 public:
  explicit SettingStatements(HostSettings& settings) : settings_(settings) {}

  Flow saveSetting(const std::string& argument, ScriptContext& context);      // SAVESETTING file, section, key, value
  Flow setRegistryData(const std::string& argument, ScriptContext& context);  // SETREGDATA root, key, name, type, value

  // The functions take the text between their parentheses and give the value as text, or
  // fail (message shown). Too few arguments show the count message and give "1".
  bool getSetting(const std::string& arguments, ScriptContext& context, std::string& value);
  bool getRegistryData(const std::string& arguments, ScriptContext& context, std::string& value);
  std::string windowsFolder() { return settings_.windowsFolder(); }
  std::string systemFolder() { return settings_.systemFolder(); }

 private:
  HostSettings& settings_;
};

}  // namespace pemo::script::statements
