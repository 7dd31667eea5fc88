#pragma once
// The statements that act outside the page (programs, files, folders, message boxes,
// INI files, the registry, the current folder and drive, text files) and the built-in
// functions that bring values in from outside. The runtime keeps one instance for the
// whole program run, so the id of the program last started survives SUBs and menus.
#include <string>

#include "runtime/script/ports.h"
#include "runtime/script/statements/program_statements.h"
#include "runtime/script/statements/setting_statements.h"

namespace pemo::script::statements {

class SystemStatements : public ScriptStatements {
 public:
  SystemStatements(process::ProgramPort& programs, HostSettings& settings) : programs_(programs), settings_(settings) {}

  Flow runStatement(const std::string& keyword, std::string& argument, ScriptContext& context) override;
  bool isStatement(const std::string& keyword) const override;
  // GETWINDOWSDIR(), GETSYSTEMDIR(), GETSETTING(file, section, key),
  // GETREGDATA(root, key, name, type) and GETEXITCODE(). An operand is a call when it
  // holds "(" after a name and ends with ")"; an unknown name is an error.
  OperandStatus callFunction(const std::string& operand, ScriptValue& value, ScriptContext& context) override;

  long lastProcessId() const { return programs_.lastProcessId(); }

 private:
  ProgramStatements programs_;
  SettingStatements settings_;
};

// MSGBOX prompt[, buttons[, title]]: the answer is dropped.
Flow showMessage(const std::string& argument, ScriptContext& context);

}  // namespace pemo::script::statements
