#pragma once
// What the interpreter needs of the world around it. The engine talks only to these
// interfaces; the program wires in the real ones and tests use fakes.
#include <optional>
#include <string>

#include "runtime/script/value.h"

namespace pemo::script {

// Script files and the file test of IF EXIST. Paths are Windows paths.
class ScriptFileSystem {
 public:
  virtual ~ScriptFileSystem() = default;
  // The whole file as stored (code page 932 bytes), or nothing when it cannot be read, is
  // no plain file (a FIFO, a device) or is far too large for a script.
  virtual std::optional<std::string> readFile(const std::string& windowsPath) = 0;
  // The same text for every name of one file (any letter case, "..", links); "" when
  // the path names no file.
  virtual std::string resolvedPath(const std::string& windowsPath) = 0;
  // True when a directory search for normal files finds a name for the path, which
  // may hold the wildcards "*" and "?". A search that fails is no match.
  virtual bool anyFileMatches(const std::string& windowsPattern) = 0;
};

// The arithmetic of the function library.
class Arithmetic {
 public:
  virtual ~Arithmetic() = default;
  // Evaluates an arithmetic text, keeping `decimals` decimals with rounding mode `mode`
  // (1 cuts). The library writes its result back no longer than the text it was given,
  // so callers pad the text (see calculate() in expression.h). Throws on failure.
  virtual double fCalc(const std::string& expression, int decimals, int mode) = 0;
  // Reads hexadecimal digits ("1F" is 31).
  virtual double changeHexToDec(const std::string& hexDigits) = 0;
};

// The window the script runs in.
class ScriptHost {
 public:
  virtual ~ScriptHost() = default;
  // The drive of the current menu file, such as "C:".
  virtual std::string menuDrive() const = 0;
  // Lets the window handle its waiting events once (paint, input, timers).
  virtual void yieldToEvents() = 0;
};

// What a statement, method, property or function handler may ask of the running script.
class ScriptContext {
 public:
  virtual ~ScriptContext() = default;
  // Evaluates an expression in place: on success text becomes its value and kind (when
  // given) its kind; on failure the message has been shown and text is left as it was.
  virtual bool evaluate(std::string& text, ValueKind* kind = nullptr) = 0;
  // The index of the object whose event runs (the INDEX operand).
  virtual int currentIndex() const = 0;
  virtual std::string menuDrive() const = 0;
  // Lets the window handle its events once. False when the menu has been closed or
  // replaced meanwhile: the handler then ends with Flow::Fail and the run ends quietly.
  virtual bool yieldToEvents() = 0;
};

// The drive rule of script paths: one that starts with "\" gets the menu file's drive in front.
inline std::string withMenuDrive(const std::string& path, const ScriptContext& context) {
  if (!path.empty() && path.front() == '\\') return context.menuDrive() + path;
  return path;
}

// The page's objects as the script sees them: OBJECT(index).PROPERTY references and
// object methods.
class ScriptObjects {
 public:
  virtual ~ScriptObjects() = default;
  // The kind of the property a reference names (checked by name only), or None after
  // the message "このﾌﾟﾛﾊﾟﾃｨは使用できません".
  virtual ValueKind propertyKind(const std::string& reference, ScriptContext& context) = 0;
  // Sets a property to an evaluated value; Flow::Next or Flow::Fail (message shown where due).
  virtual Flow setProperty(const std::string& reference, const std::string& value, ScriptContext& context) = 0;
  // Reads an operand that may be a property reference. NotMine when it is not one.
  virtual OperandStatus getProperty(const std::string& operand, ScriptValue& value, ScriptContext& context) = 0;
  // Runs a statement line that holds a "." and no "=" (OBJECT(n).METHOD arguments).
  virtual Flow callMethod(const std::string& statement, ScriptContext& context) = 0;
};

// The statements that act outside the page and the built-in functions.
class ScriptStatements {
 public:
  virtual ~ScriptStatements() = default;
  // keyword is one of the statement keywords, upper-cased; argument is the text after
  // the keyword's blank (the handler may overwrite it).
  virtual Flow runStatement(const std::string& keyword, std::string& argument, ScriptContext& context) = 0;
  // Whether the upper-cased keyword names one of these statements.
  virtual bool isStatement(const std::string& keyword) const = 0;
  // Reads an operand that may be a function call. NotMine when it is not one.
  virtual OperandStatus callFunction(const std::string& operand, ScriptValue& value, ScriptContext& context) = 0;
};

// Everything the engine is wired to. The pointers are not owned and must outlive the engine.
struct ScriptServices {
  ScriptFileSystem* files = nullptr;
  Arithmetic* arithmetic = nullptr;
  ScriptHost* host = nullptr;
  ScriptObjects* objects = nullptr;        // nullptr: a page without script objects
  ScriptStatements* statements = nullptr;  // nullptr: no outside statements or functions
};

}  // namespace pemo::script
