#include "runtime/script/control_flow.h"

#include <cctype>
#include <functional>
#include <string_view>

#include "platform/text/strings.h"
#include "runtime/script/messages.h"
#include "runtime/script/statement_text.h"

namespace pemo::script {

namespace {

struct ScannedLine {
  std::string upper;    // the whole line, upper-cased
  std::string keyword;  // its first word, upper-cased
  std::string rest;     // the text after the first blank, as written
};

enum class ScanEnd { Found, SubEnd };

// Reads lines on from the file's position until `found` accepts one (the file is then
// positioned after it) or the SUB's text ends.
ScanEnd scanForward(ScriptFile& file, const std::function<bool(const ScannedLine&)>& found) {
  while (!file.atEnd()) {
    const std::string line = file.readLine();
    if (endsSubText(line)) return ScanEnd::SubEnd;
    const SplitLine split = splitAtFirstBlank(line);
    if (found({text::UCase(line), split.keyword, split.rest})) return ScanEnd::Found;
  }
  return ScanEnd::SubEnd;
}

// Reads on through the rest of a construct that opens with the keyword `opening` and
// closes with the line `closing`, passing over nested ones. `atOwnLevel` sees every other
// line of the construct's own level and returns true to stop there. Found: the scan
// stopped at the closing line or where atOwnLevel said, and the file is after that line.
ScanEnd scanConstruct(ScriptFile& file, std::string_view opening, std::string_view closing,
                      const std::function<bool(const ScannedLine&)>& atOwnLevel) {
  int depth = 0;
  return scanForward(file, [&](const ScannedLine& line) {
    if (line.keyword == opening) {
      ++depth;
      return false;
    }
    if (line.upper == closing) {
      if (depth == 0) return true;
      --depth;
      return false;
    }
    return depth == 0 && atOwnLevel(line);
  });
}

// The word EXIST at the start of the condition (not a name such as EXISTS$, nor the
// letters inside a literal).
bool isExistTest(const std::string& condition) {
  const std::string upper = text::UCase(text::Trim(condition));
  if (upper.rfind("EXIST", 0) != 0) return false;
  if (upper.size() == 5) return true;
  const unsigned char next = static_cast<unsigned char>(upper[5]);
  return !(std::isalnum(next) || next == '_' || next == '$' || next == '#');
}

template <typename T>
bool compareBy(const T& left, const T& right, const std::string& op) {
  if (op == "<>") return left != right;
  if (op == ">=") return left >= right;
  if (op == "<=") return left <= right;
  if (op == ">") return left > right;
  if (op == "<") return left < right;
  return left == right;
}

}  // namespace

ControlFlow::ControlFlow(ExpressionEvaluator& expressions, Arithmetic& arithmetic, ScriptFileSystem& files,
                         ScriptContext& context)
    : expressions_(expressions), arithmetic_(arithmetic), files_(files), context_(context) {}

Flow ControlFlow::executeIf(const std::string& condition, ScriptFile& file) {
  const std::optional<bool> holds = conditionHolds(condition);
  if (!holds) return Flow::Fail;
  if (*holds) {
    ++nesting_.ifLevel;
    return Flow::Next;
  }
  return skipFalseIf(file);
}

std::optional<bool> ControlFlow::conditionHolds(const std::string& condition) {
  if (isExistTest(condition)) return fileExists(text::Trim(text::Trim(condition).substr(5)));
  // "<>" is looked for before "<" and "=", wherever each stands; quoted text is not searched.
  for (const char* op : {"<>", ">=", "<=", ">", "<", "="}) {
    const size_t position = findOutsideQuotes(condition, op);
    if (position != std::string::npos) return compare(condition, position, op);
  }
  return bareConditionHolds(condition);
}

bool ControlFlow::fileExists(const std::string& pathExpression) {
  // A path that fails to evaluate has shown its message and is tried as written.
  std::string path = pathExpression;
  context_.evaluate(path);
  return files_.anyFileMatches(withMenuDrive(path, context_));
}

std::optional<bool> ControlFlow::compare(const std::string& condition, size_t position, const std::string& op) {
  std::string left = condition.substr(0, position);
  std::string right = condition.substr(position + op.size());
  ValueKind leftKind = ValueKind::None;
  ValueKind rightKind = ValueKind::None;
  if (!context_.evaluate(left, &leftKind) || !context_.evaluate(right, &rightKind)) return std::nullopt;
  // The left side's kind decides: texts by character codes (a numeric right side counts
  // as empty text), or whole numbers (a string right side counts as 0).
  if (leftKind == ValueKind::String) {
    return compareBy(left, rightKind == ValueKind::String ? right : std::string(), op);
  }
  const double leftNumber = calculate(arithmetic_, left, 0);
  const double rightNumber = rightKind == ValueKind::String ? 0.0 : calculate(arithmetic_, right, 0);
  return compareBy(leftNumber, rightNumber, op);
}

std::optional<bool> ControlFlow::bareConditionHolds(const std::string& condition) {
  std::string joined;
  size_t start = 0;
  while (start <= condition.size()) {
    size_t blank = condition.find(' ', start);
    if (blank == std::string::npos) blank = condition.size();
    ScriptValue value;
    if (!expressions_.resolveOperand(text::Trim(condition.substr(start, blank - start)), false, value)) {
      return std::nullopt;
    }
    joined += value.text;
    start = blank + 1;
  }
  return calculate(arithmetic_, joined, 0) != 0;
}

Flow ControlFlow::skipFalseIf(ScriptFile& file) {
  bool elseFound = false;
  const ScanEnd end = scanConstruct(file, "IF", "END IF", [&](const ScannedLine& line) {
    elseFound = line.upper == "ELSE";
    return elseFound;
  });
  if (end == ScanEnd::SubEnd) return Flow::EndSub;
  if (elseFound) ++nesting_.ifLevel;
  return Flow::Next;
}

Flow ControlFlow::skipRestOf(ScriptFile& file, const char* opening, const char* closing, int& level) {
  const ScanEnd end = scanConstruct(file, opening, closing, [](const ScannedLine&) { return false; });
  if (end == ScanEnd::SubEnd) return Flow::EndSub;
  --level;
  return Flow::Next;
}

Flow ControlFlow::executeElse(ScriptFile& file) {
  if (!levelOpen(nesting_.ifLevel, msg::kNoIf)) return Flow::Fail;
  return skipRestOf(file, "IF", "END IF", nesting_.ifLevel);
}

Flow ControlFlow::executeEndIf() { return closeLevel(nesting_.ifLevel, msg::kNoIf); }

bool ControlFlow::levelOpen(int level, const char* noOpenMessage) {
  if (level > 0) return true;
  scriptErrorAlone(noOpenMessage);
  return false;
}

Flow ControlFlow::closeLevel(int& level, const char* noOpenMessage) {
  if (!levelOpen(level, noOpenMessage)) return Flow::Fail;
  --level;
  return Flow::Next;
}

Flow ControlFlow::executeSelect(const std::string& argument, ScriptFile& file) {
  std::string selector = argument;
  if (!context_.evaluate(selector)) return Flow::Fail;
  bool matched = false;
  bool failed = false;
  const ScanEnd end = scanConstruct(file, "SELECT", "END SELECT", [&](const ScannedLine& line) {
    if (line.keyword != "CASE") return false;
    if (text::UCase(text::Trim(line.rest)) == "ELSE") {
      matched = true;
      return true;
    }
    std::string value = line.rest;
    if (!context_.evaluate(value)) {
      failed = true;
      return true;
    }
    matched = value == selector || text::UCase(value) == selector;
    return matched;
  });
  if (failed) return Flow::Fail;
  if (end == ScanEnd::SubEnd) {
    scriptErrorAlone(msg::kCaseOrEndSelectNeeded);
    return Flow::Fail;
  }
  if (matched) ++nesting_.selectLevel;
  return Flow::Next;
}

Flow ControlFlow::skipToEndSelect(ScriptFile& file) {
  if (!levelOpen(nesting_.selectLevel, msg::kNoSelect)) return Flow::Fail;
  return skipRestOf(file, "SELECT", "END SELECT", nesting_.selectLevel);
}

Flow ControlFlow::executeEndSelect() { return closeLevel(nesting_.selectLevel, msg::kNoSelect); }

Flow ControlFlow::executeGoto(const std::string& argument, ScriptFile& file) {
  const std::string label = text::Trim(argument);
  if (label.empty() || label.back() != ':') {
    scriptError(label, msg::kBadLabel);
    return Flow::Fail;
  }
  const std::string target = text::UCase(label);
  // Nesting levels are left as they are by a jump.
  if (scanForward(file, [&](const ScannedLine& line) { return line.upper == target; }) == ScanEnd::SubEnd) {
    scriptError(label, msg::kLabelNotFound);
    return Flow::Fail;
  }
  return Flow::Next;
}

}  // namespace pemo::script
