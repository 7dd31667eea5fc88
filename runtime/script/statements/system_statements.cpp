#include "runtime/script/statements/system_statements.h"

#include "platform/text/strings.h"
#include "platform/ui/message_port.h"
#include "runtime/messages.h"
#include "runtime/script/messages.h"
#include "runtime/script/statements/arguments.h"
#include "runtime/script/statements/file_statements.h"
#include "runtime/script/statements/setting_statements.h"
#include "runtime/script/statements/statement_messages.h"

namespace pemo::script::statements {
namespace {

using Handler = Flow (*)(const std::string&, ScriptContext&);

struct NamedHandler {
  const char* keyword;
  Handler handler;
};

constexpr NamedHandler kHandlers[] = {
    {"FILECOPY", fileCopy},       {"FILECOPYEX", fileCopyMatching}, {"CREATEFOLDER", createFolder},
    {"DELETEFILEEX", deleteTree}, {"DELETEFILE", deleteFiles},      {"MSGBOX", showMessage},
    {"CHDIR", changeFolder},      {"CHDRIVE", changeDrive},         {"OUTPUT", outputLine},
    {"APPEND", appendLine},
};

// The statements run by the parts that keep something or reach the host through a port.
constexpr char kExecute[] = "EXECUTE";
constexpr char kSaveSetting[] = "SAVESETTING";
constexpr char kSetRegistryData[] = "SETREGDATA";
constexpr const char* kPartKeywords[] = {kExecute, kSaveSetting, kSetRegistryData};

const NamedHandler* findHandler(const std::string& keyword) {
  for (const NamedHandler& named : kHandlers) {
    if (keyword == named.keyword) return &named;
  }
  return nullptr;
}

}  // namespace

Flow SystemStatements::runStatement(const std::string& keyword, std::string& argument, ScriptContext& context) {
  if (keyword == kExecute) return programs_.execute(argument, context);
  if (keyword == kSaveSetting) return settings_.saveSetting(argument, context);
  if (keyword == kSetRegistryData) return settings_.setRegistryData(argument, context);
  if (const NamedHandler* named = findHandler(keyword)) return named->handler(argument, context);
  return Flow::Fail;  // the dispatcher hands over only the keywords above
}

bool SystemStatements::isStatement(const std::string& keyword) const {
  for (const char* own : kPartKeywords) {
    if (keyword == own) return true;
  }
  return findHandler(keyword) != nullptr;
}

OperandStatus SystemStatements::callFunction(const std::string& operand, ScriptValue& value, ScriptContext& context) {
  const size_t open = operand.find('(');
  if (open == std::string::npos || operand.empty() || operand.back() != ')') return OperandStatus::NotMine;
  const std::string name = text::UCase(text::Trim(std::string_view(operand).substr(0, open)));
  // A parenthesised number such as "(3)" is arithmetic, not a call of a nameless function.
  if (name.empty()) return OperandStatus::NotMine;
  const std::string arguments = operand.substr(open + 1, operand.size() - open - 2);
  value.kind = ValueKind::String;
  if (name == "GETWINDOWSDIR") {
    value.text = settings_.windowsFolder();
  } else if (name == "GETSYSTEMDIR") {
    value.text = settings_.systemFolder();
  } else if (name == "GETSETTING") {
    if (!settings_.getSetting(arguments, context, value.text)) return OperandStatus::Failed;
  } else if (name == "GETREGDATA") {
    if (!settings_.getRegistryData(arguments, context, value.text)) return OperandStatus::Failed;
  } else if (name == "GETEXITCODE") {
    value = {programs_.exitCodeText(), ValueKind::Numeric};
  } else {
    scriptError(operand, msg::kFunctionNotDefined);
    return OperandStatus::Failed;
  }
  return OperandStatus::Done;
}

Flow showMessage(const std::string& argument, ScriptContext& context) {
  ArgumentSlots arguments = splitArguments(argument, 3);
  if (!evaluateSlots(arguments.slots, 0, 2, context)) return Flow::Fail;
  const std::string& prompt = arguments.slots[0];
  const int style = wholeNumber(arguments.slots[1]);
  const std::string& title = arguments.slots[2];
  ui::messages().show(prompt, style, title.empty() ? runtime_messages::kTitle : title);
  return Flow::Next;
}

}  // namespace pemo::script::statements
