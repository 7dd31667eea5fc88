#include "runtime/script/tests/script_fakes.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "platform/text/cp932.h"
#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "runtime/script/messages.h"

namespace pemo::script::testing {

std::string storedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text::utf8ToCp932(text);
}

std::optional<std::string> FakeFileSystem::readFile(const std::string& windowsPath) {
  reads.push_back(windowsPath);
  auto found = files.find(text::UCase(windowsPath));
  if (found == files.end()) return std::nullopt;
  return found->second;
}

std::string FakeFileSystem::resolvedPath(const std::string& windowsPath) {
  return files.count(text::UCase(windowsPath)) ? text::UCase(windowsPath) : std::string();
}

bool FakeFileSystem::anyFileMatches(const std::string& windowsPattern) {
  searched.push_back(windowsPattern);
  return files.count(text::UCase(windowsPattern)) > 0;
}

namespace {

// Recursive descent over + - (lowest), * /, ^ and unary minus; a character it does not
// know ends the expression, as in the library.
class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}
  double sum() {
    double value = product();
    for (char op = peek(); op == '+' || op == '-'; op = peek()) {
      ++at_;
      const double right = product();
      value = op == '+' ? value + right : value - right;
    }
    return value;
  }

 private:
  double product() {
    double value = power();
    for (char op = peek(); op == '*' || op == '/'; op = peek()) {
      ++at_;
      const double right = power();
      value = op == '*' ? value * right : (right == 0 ? 0 : value / right);
    }
    return value;
  }
  double power() {
    double value = unary();
    while (peek() == '^') {
      ++at_;
      value = std::pow(value, unary());
    }
    return value;
  }
  double unary() {
    const char c = peek();
    if (c == '-') {
      ++at_;
      return -unary();
    }
    if (c == '(') {
      ++at_;
      const double value = sum();
      if (peek() == ')') ++at_;
      return value;
    }
    std::string digits;
    while (at_ < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[at_])) || text_[at_] == '.')) {
      digits += text_[at_++];
    }
    return digits.empty() ? 0 : std::atof(digits.c_str());
  }
  char peek() {
    while (at_ < text_.size() && text_[at_] == ' ') ++at_;
    return at_ < text_.size() ? text_[at_] : '\0';
  }
  const std::string& text_;
  size_t at_ = 0;
};

}  // namespace

double FakeArithmetic::fCalc(const std::string& expression, int decimals, int mode) {
  calls.push_back(expression);
  if (failing) throw std::runtime_error("計算できません");
  const double value = Parser(expression).sum();
  const double unit = std::pow(10.0, decimals);
  const double cut = std::trunc(value * unit + (value < 0 ? -0.001 : 0.001)) / unit;
  char formatted[128];
  std::snprintf(formatted, sizeof formatted, "%.*f", decimals, cut);
  // The result is written back no longer than the text that came in.
  return text::Val(std::string(formatted).substr(0, expression.size()));
}

double FakeArithmetic::changeHexToDec(const std::string& hexDigits) {
  double value = 0;
  for (char c : text::UCase(hexDigits)) {
    const int digit = (c >= 'A' && c <= 'F') ? c - 'A' + 10 : (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : 0);
    value = value * 16 + digit;
  }
  return value;
}

ValueKind FakeObjects::propertyKind(const std::string& reference, ScriptContext&) {
  const std::string upper = text::UCase(reference);
  if (upper.ends_with(".CAPTION")) return ValueKind::String;
  if (upper.ends_with(".LEFT")) return ValueKind::Numeric;
  scriptError(reference, msg::kPropertyNotUsable);
  return ValueKind::None;
}

Flow FakeObjects::setProperty(const std::string& reference, const std::string& value, ScriptContext&) {
  properties[text::UCase(reference)] = value;
  return Flow::Next;
}

OperandStatus FakeObjects::getProperty(const std::string& operand, ScriptValue& value, ScriptContext& context) {
  const std::string upper = text::UCase(operand);
  if (upper.rfind("LABEL(", 0) != 0) return OperandStatus::NotMine;
  auto found = properties.find(upper);
  if (found == properties.end()) {
    scriptError(operand, msg::kIndexOutOfRange);
    return OperandStatus::Failed;
  }
  value = {found->second, propertyKind(operand, context)};
  return OperandStatus::Done;
}

Flow FakeObjects::callMethod(const std::string& statement, ScriptContext&) {
  methods.push_back(statement);
  return Flow::Next;
}

Flow FakeStatements::runStatement(const std::string& keyword, std::string& argument, ScriptContext& context) {
  if (keyword == "MSGBOX") {
    context.evaluate(argument);
    trace.push_back(argument);
    return Flow::Next;
  }
  if (keyword == "EXECUTE") {
    if (onExecute) onExecute();
    return context.yieldToEvents() ? Flow::Next : Flow::Fail;
  }
  return Flow::Fail;
}

OperandStatus FakeStatements::callFunction(const std::string& operand, ScriptValue& value, ScriptContext& context) {
  const std::string upper = text::UCase(operand);
  if (upper.rfind("TWICE(", 0) != 0 || upper.back() != ')') return OperandStatus::NotMine;
  std::string argument = operand.substr(6, operand.size() - 7);
  if (!context.evaluate(argument)) return OperandStatus::Failed;
  value = {argument + argument, ValueKind::String};
  return OperandStatus::Done;
}

ScriptFixture::ScriptFixture() : engine({&files, &arithmetic, &host, &objects, &statements}) {}

void ScriptFixture::load(const std::vector<std::string>& lines, const std::vector<std::string>& includeNames,
                         const std::map<std::string, std::vector<std::string>>& includes) {
  files.files["C:\\MENU\\A.FIL"] = storedLines(lines);
  for (const auto& [name, includeLines] : includes) files.files[text::UCase(name)] = storedLines(includeLines);
  engine.loadScript({"C:\\MENU\\A.FIL", 1, includeNames});
}

std::vector<std::string> ScriptFixture::runAsMenuClick(std::vector<std::string> body,
                                                       const std::vector<std::string>& after) {
  body.insert(body.begin(), "SUB MENU_CLICK()");
  body.insert(body.end(), after.begin(), after.end());
  load(body);
  return runMenuClick();
}

std::vector<std::string> ScriptFixture::runMenuClick() {
  statements.trace.clear();
  engine.fireScriptEvent(menufile::ObjectKind::Menu, 0, menufile::ScriptEvent::Click);
  return statements.trace;
}

std::vector<std::string> ScriptFixture::runLabelClick(int index) {
  statements.trace.clear();
  engine.fireScriptEvent(menufile::ObjectKind::Label, index, menufile::ScriptEvent::Click);
  return statements.trace;
}

std::vector<std::string> ScriptFixture::errors() const { return scriptErrorTexts(messageBoxes); }

std::vector<std::string> scriptErrorTexts(const ui::RecordingMessagePort& boxes) {
  std::vector<std::string> texts;
  for (const auto& shown : boxes.shown) {
    if (shown.title != kScriptErrorTitle || shown.style != 48) return {"(not a script error box)"};
    texts.push_back(shown.prompt);
  }
  return texts;
}

std::string quotedError(const std::string& quoted, const std::string& message) {
  return "'" + quoted + "'\r" + message;
}

}  // namespace pemo::script::testing
