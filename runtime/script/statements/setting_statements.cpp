#include "runtime/script/statements/setting_statements.h"

#include <array>
#include <cstdint>
#include <optional>

#include "platform/text/strings.h"
#include "runtime/script/messages.h"
#include "runtime/script/statements/arguments.h"
#include "runtime/script/statements/statement_messages.h"

namespace pemo::script::statements {
namespace {

// The roots a script may name as written, in any letter case.
constexpr std::array<const char*, 6> kRootNames = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE",
                                                   "HKEY_USERS",        "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};

// The root name written in the first slot, upper-cased; nothing when the slot is an
// expression.
std::optional<std::string> writtenRootName(const std::string& slot) {
  const std::string upper = text::UCase(text::Trim(slot));
  for (const char* name : kRootNames) {
    if (upper == name) return upper;
  }
  return std::nullopt;
}

}  // namespace

Flow SettingStatements::saveSetting(const std::string& argument, ScriptContext& context) {
  ArgumentSlots arguments = splitArguments(argument, 4);
  if (!enoughArguments(arguments, 4) || !evaluateSlots(arguments.slots, 0, 3, context)) return Flow::Fail;
  const std::string file = withMenuDrive(arguments.slots[0], context);
  if (settings_.writeIni(file, arguments.slots[1], arguments.slots[2], arguments.slots[3])) {
    return Flow::Next;
  }
  // A value that never reached the file is lost: the script must not go on as if saved.
  scriptError(file, msg::kIniNotWritten);
  return Flow::Fail;
}

Flow SettingStatements::setRegistryData(const std::string& argument, ScriptContext& context) {
  ArgumentSlots arguments = splitArguments(argument, 5);
  if (!enoughArguments(arguments, 5)) return Flow::Fail;
  std::vector<std::string>& slots = arguments.slots;
  if (const auto root = writtenRootName(slots[0])) {
    slots[0] = *root;
  } else if (!evaluateArgument(slots[0], context)) {
    return Flow::Fail;
  }
  if (!evaluateSlots(slots, 1, 4, context)) return Flow::Fail;
  // Closed however the statement ends, also when the type is not a number that fits.
  const OpenedRegistryKey key(settings_, settings_.createRegistryKey(slots[0] + "\\" + slots[1]));
  // -1: a root the registry does not know; 0: a key it refused. Either way the value
  // would not be written.
  if (!key.isOpen()) {
    scriptErrorAlone(msg::kRegistryKeyNotOpened);
    return Flow::Fail;
  }
  // A value the registry did not take (a type it does not know, a refused write) is
  // lost: the script must not go on as if it were stored.
  if (!settings_.writeRegistryValue(key.get(), slots[2], wholeNumber(slots[3]), slots[4])) {
    scriptError(slots[2], msg::kRegistryValueNotWritten);
    return Flow::Fail;
  }
  return Flow::Next;
}

bool SettingStatements::getSetting(const std::string& argumentText, ScriptContext& context, std::string& value) {
  ArgumentSlots arguments = splitArguments(argumentText, 3);
  if (!enoughArguments(arguments, 3)) {
    value = "1";
    return true;
  }
  if (!evaluateSlots(arguments.slots, 0, 2, context)) return false;
  const std::string file = withMenuDrive(arguments.slots[0], context);
  value = settings_.readIni(file, arguments.slots[1], arguments.slots[2]);
  return true;
}

bool SettingStatements::getRegistryData(const std::string& argumentText, ScriptContext& context, std::string& value) {
  ArgumentSlots arguments = splitArguments(argumentText, 4);
  if (!enoughArguments(arguments, 4)) {
    value = "1";
    return true;
  }
  std::vector<std::string>& slots = arguments.slots;
  int32_t root = 0;
  if (const auto name = writtenRootName(slots[0])) {
    root = settings_.registryRoot(*name);
  } else {
    if (!evaluateArgument(slots[0], context)) return false;
    root = wholeNumber(slots[0]);
  }
  if (!evaluateSlots(slots, 1, 3, context)) return false;
  const OpenedRegistryKey key(settings_, settings_.openRegistryKey(root, slots[1]));
  // A key that cannot be opened reads as the registry answers for a bad handle.
  value = settings_.readRegistryValue(key.get(), slots[2], wholeNumber(slots[3]));
  return true;
}

}  // namespace pemo::script::statements
