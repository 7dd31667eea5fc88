#pragma once
// Fakes for the interpreter's ports and a fixture that loads a script and fires events.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/ui/message_port.h"
#include "runtime/script/ports.h"
#include "runtime/script/script_engine.h"

namespace pemo::script::testing {

// Script lines (UTF-8) as a stored file: code page 932 with CR LF.
std::string storedLines(const std::vector<std::string>& lines);

class FakeFileSystem : public ScriptFileSystem {
 public:
  std::optional<std::string> readFile(const std::string& windowsPath) override;
  std::string resolvedPath(const std::string& windowsPath) override;
  bool anyFileMatches(const std::string& windowsPattern) override;
  std::map<std::string, std::string> files;  // upper-cased path -> bytes
  std::vector<std::string> searched;
  std::vector<std::string> reads;
};

// Works like the library's calculation: +, -, *, /, ^ with precedence, the result cut to
// the requested decimals and written back no longer than the text it was given.
class FakeArithmetic : public Arithmetic {
 public:
  double fCalc(const std::string& expression, int decimals, int mode) override;
  double changeHexToDec(const std::string& hexDigits) override;
  std::vector<std::string> calls;
  bool failing = false;
};

class FakeHost : public ScriptHost {
 public:
  std::string menuDrive() const override { return drive; }
  void yieldToEvents() override {
    ++yields;
    if (onYield) onYield();
  }
  std::string drive = "D:";
  int yields = 0;
  std::function<void()> onYield;
};

// Objects LABEL(n) with CAPTION (text) and LEFT (number); methods are recorded.
class FakeObjects : public ScriptObjects {
 public:
  ValueKind propertyKind(const std::string& reference, ScriptContext& context) override;
  Flow setProperty(const std::string& reference, const std::string& value, ScriptContext& context) override;
  OperandStatus getProperty(const std::string& operand, ScriptValue& value, ScriptContext& context) override;
  Flow callMethod(const std::string& statement, ScriptContext& context) override;
  std::map<std::string, std::string> properties;  // "LABEL(1).CAPTION" -> value
  std::vector<std::string> methods;
};

// MSGBOX records its evaluated argument in `trace`; EXECUTE runs `onExecute` and then
// yields once; the function TWICE(x) doubles its argument's text.
class FakeStatements : public ScriptStatements {
 public:
  Flow runStatement(const std::string& keyword, std::string& argument, ScriptContext& context) override;
  bool isStatement(const std::string& keyword) const override { return keyword == "MSGBOX" || keyword == "EXECUTE"; }
  OperandStatus callFunction(const std::string& operand, ScriptValue& value, ScriptContext& context) override;
  std::vector<std::string> trace;
  std::function<void()> onExecute;
};

class ScriptFixture {
 public:
  ScriptFixture();
  // Loads the lines as the main script (from position 1) with the given include files
  // (name -> lines; a name with no entry cannot be read).
  void load(const std::vector<std::string>& lines, const std::vector<std::string>& includeNames = {},
            const std::map<std::string, std::vector<std::string>>& includes = {});
  // Loads the body as SUB MENU_CLICK() followed by the lines after it, and runs the click.
  std::vector<std::string> runAsMenuClick(std::vector<std::string> body, const std::vector<std::string>& after);
  // Runs SUB MENU_CLICK() / SUB LABEL_CLICK() and returns what it showed with MSGBOX.
  std::vector<std::string> runMenuClick();
  std::vector<std::string> runLabelClick(int index);
  // The texts of the message boxes shown so far; each must carry the script-error title.
  std::vector<std::string> errors() const;

  FakeFileSystem files;
  FakeArithmetic arithmetic;
  FakeHost host;
  FakeObjects objects;
  FakeStatements statements;
  ui::RecordingMessagePort messageBoxes;
  ui::ScopedMessagePort scopedMessages{&messageBoxes};
  ScriptEngine engine;
};

// The texts of the message boxes shown; each must carry the script-error title.
std::vector<std::string> scriptErrorTexts(const ui::RecordingMessagePort& boxes);

// "'" + quoted + "'" + CR + message, as script errors read.
std::string quotedError(const std::string& quoted, const std::string& message);

}  // namespace pemo::script::testing
