// The object methods: MENU.REQUERYAREAYEAR and COMBOBOX(n).ADDITEM.
#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "runtime/script/messages.h"
#include "runtime/script/objects/page_script_objects.h"
#include "runtime/script/statement_text.h"

namespace pemo::script {

Flow PageScriptObjects::callMethod(const std::string& statement, ScriptContext& context) {
  const ReferenceParts parts = splitReference(statement);
  ObjectTarget target;
  if (!parseTarget(parts.object, statement, context, target)) return Flow::Fail;
  // The method name is upper-cased; the arguments keep the case they were written in.
  const std::string afterDot = statement.substr(statement.find('.') + 1);
  const SplitLine method = splitAtFirstBlank(text::Trim(afterDot));
  const std::string arguments = text::Trim(method.rest);
  if (target.word == ObjectWord::Menu && method.keyword == "REQUERYAREAYEAR") return requeryAreaYear();
  if (target.word == ObjectWord::ComboBox && method.keyword == "ADDITEM")
    return comboAddItem(target.index, arguments, context);
  scriptError(statement, msg::kUndefinedMethod);
  return Flow::Fail;
}

// The area and year the method would show in status panels 2 and 3 are named by nothing
// in the system, so it finds nothing to read and changes nothing.
Flow PageScriptObjects::requeryAreaYear() { return Flow::Next; }

Flow PageScriptObjects::comboAddItem(int comboIndex, const std::string& arguments, ScriptContext& context) {
  // The item and the position are split at the first "," outside quotes, so a quoted
  // item may hold commas of its own.
  const size_t comma = findOutsideQuotes(arguments, ",");
  std::string item = text::Trim(arguments.substr(0, comma));
  if (!context.evaluate(item)) return Flow::Fail;  // its message has been shown
  std::optional<int> position;
  if (comma != std::string::npos) {
    std::string written = text::Trim(arguments.substr(comma + 1));
    if (!context.evaluate(written)) return Flow::Fail;
    if (text::IsNumeric(written)) position = int16Of(written);
  }
  const bool exists = page_.hasElement(ObjectKind::ComboBox, comboIndex);
  const int count = exists ? page_.listCount(comboIndex) : 0;
  const int at = comma == std::string::npos ? count : position.value_or(-1);
  if (!exists || at < 0 || at > count) {
    scriptErrorAlone(msg::kBadItemIndex);
    return Flow::Fail;
  }
  page_.insertItem(comboIndex, item, at);
  return Flow::Next;
}

}  // namespace pemo::script
