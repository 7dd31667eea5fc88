#include "runtime/script/statements/setting_statements.h"

#include <array>
#include <cstdint>
#include <optional>

#include "kovan/kovan.h"
#include "kovan/scoped_key.h"
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

// Windows folder codes of GetWinSysDir: the folders as the system gives them.
constexpr int16_t kWindowsFolderCode = 51;
constexpr int16_t kSystemFolderCode = 52;

}  // namespace

Flow saveSetting(const std::string& argument, ScriptContext& context) {
  ArgumentSlots arguments = splitArguments(argument, 4);
  if (!enoughArguments(arguments, 4) || !evaluateSlots(arguments.slots, 0, 3, context)) return Flow::Fail;
  const std::string file = withMenuDrive(arguments.slots[0], context);
  if (kovan::KovanObject().SetIni(file, arguments.slots[1], arguments.slots[2], arguments.slots[3]) == 0) {
    return Flow::Next;
  }
  // A value that never reached the file is lost: the script must not go on as if saved.
  scriptError(file, msg::kIniNotWritten);
  return Flow::Fail;
}

Flow setRegistryData(const std::string& argument, ScriptContext& context) {
  ArgumentSlots arguments = splitArguments(argument, 5);
  if (!enoughArguments(arguments, 5)) return Flow::Fail;
  std::vector<std::string>& slots = arguments.slots;
  if (const auto root = writtenRootName(slots[0])) {
    slots[0] = *root;
  } else if (!evaluateArgument(slots[0], context)) {
    return Flow::Fail;
  }
  if (!evaluateSlots(slots, 1, 4, context)) return Flow::Fail;
  kovan::KOVAN& kovan = kovan::KovanObject();
  int32_t disposition = 0;
  // Closed however the statement ends, also when the type is not a number that fits.
  const kovan::ScopedKey key(kovan.RegCreateKey(slots[0] + "\\" + slots[1], "", 0, disposition));
  // -1: a root the registry does not know; 0: a key it refused. Either way the value
  // would not be written.
  if (!key.isOpen()) {
    scriptErrorAlone(msg::kRegistryKeyNotOpened);
    return Flow::Fail;
  }
  // A value the registry did not take (a type it does not know, a refused write) is
  // lost: the script must not go on as if it were stored.
  if (kovan.RegSetValue(key.get(), slots[2], wholeNumber(slots[3]), slots[4]).numberValue() != 0) {
    scriptError(slots[2], msg::kRegistryValueNotWritten);
    return Flow::Fail;
  }
  return Flow::Next;
}

bool getSetting(const std::string& argumentText, ScriptContext& context, std::string& value) {
  ArgumentSlots arguments = splitArguments(argumentText, 3);
  if (!enoughArguments(arguments, 3)) {
    value = "1";
    return true;
  }
  if (!evaluateSlots(arguments.slots, 0, 2, context)) return false;
  const std::string file = withMenuDrive(arguments.slots[0], context);
  value = kovan::KovanObject().GetIni(file, arguments.slots[1], arguments.slots[2]);
  return true;
}

bool getRegistryData(const std::string& argumentText, ScriptContext& context, std::string& value) {
  ArgumentSlots arguments = splitArguments(argumentText, 4);
  if (!enoughArguments(arguments, 4)) {
    value = "1";
    return true;
  }
  std::vector<std::string>& slots = arguments.slots;
  kovan::KOVAN& kovan = kovan::KovanObject();
  int32_t root = 0;
  if (const auto name = writtenRootName(slots[0])) {
    std::string unused;
    root = kovan.RegGetRootKey(*name, unused);
  } else {
    if (!evaluateArgument(slots[0], context)) return false;
    root = wholeNumber(slots[0]);
  }
  if (!evaluateSlots(slots, 1, 3, context)) return false;
  const kovan::ScopedKey key(kovan.RegOpenKey(root, slots[1]));
  // A key that cannot be opened reads as the registry answers for a bad handle.
  value = kovan.CutNull(kovan::Variant(kovan.RegGetValue(key.get(), slots[2], wholeNumber(slots[3]))));
  return true;
}

std::string windowsFolder() { return kovan::KovanObject().GetWinSysDir(kWindowsFolderCode); }

std::string systemFolder() { return kovan::KovanObject().GetWinSysDir(kSystemFolderCode); }

}  // namespace pemo::script::statements
