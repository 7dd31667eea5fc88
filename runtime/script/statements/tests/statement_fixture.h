#pragma once
// An engine wired to the real statements and settings with fake programs, and a temporary folder
// mapped as a drive for the statements that touch files.
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/process/tests/fake_programs.h"
#include "platform/testing/temp_dir.h"
#include "runtime/script/statements/kovan_host_settings.h"
#include "runtime/script/statements/system_statements.h"
#include "runtime/script/tests/script_fakes.h"

namespace pemo::script::statements::testing {

using process::testing::FakePrograms;

class StatementFixture {
 public:
  // The statements start their programs through `realPrograms` when given, else
  // through the fake `programs`; they keep settings through `otherSettings` when given,
  // else through the KOVAN object.
  explicit StatementFixture(process::ProgramPort* realPrograms = nullptr, HostSettings* otherSettings = nullptr);
  // Runs the lines as SUB MENU_CLICK() and returns the prompts of the message boxes that
  // MSGBOX showed (script errors are in errors()).
  std::vector<std::string> run(const std::vector<std::string>& body);
  std::vector<std::string> errors() const;

  script::testing::FakeFileSystem files;
  script::testing::FakeArithmetic arithmetic;
  script::testing::FakeHost host;
  script::testing::FakeObjects objects;
  FakePrograms programs;
  KovanHostSettings settings;
  SystemStatements statements;
  ui::RecordingMessagePort boxes;
  ui::ScopedMessagePort scopedBoxes{&boxes};
  ScriptEngine engine;
};

// A fresh folder mapped as drive T:, made the current drive and folder.
class TempDrive {
 public:
  TempDrive();
  std::filesystem::path operator/(const std::string& name) const { return dir_ / name; }
  std::string read(const std::string& name) const;
  void write(const std::string& name, const std::string& bytes) const;
  bool exists(const std::string& name) const;

 private:
  pemo::testing::TempDir dir_;
};

// "'" + quoted + "'" + CR + message, as quoted script errors read.
using script::testing::quotedError;

}  // namespace pemo::script::statements::testing
