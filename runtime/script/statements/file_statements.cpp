#include "runtime/script/statements/file_statements.h"

#include "platform/fs/current_folder.h"
#include "platform/fs/folder_path.h"
#include "platform/fs/windows_path.h"
#include "platform/text/strings.h"
#include "runtime/script/messages.h"
#include "runtime/script/statements/arguments.h"
#include "runtime/script/statements/delete_guard.h"
#include "runtime/script/statements/host_files.h"
#include "runtime/script/statements/statement_messages.h"

namespace pemo::script::statements {
namespace {

Flow failWith(const char* message) {
  scriptErrorAlone(message);
  return Flow::Fail;
}

// The two slots of FILECOPY and FILECOPYEX, counted and evaluated.
bool sourceAndDestination(const std::string& argument, ScriptContext& context, std::string& source,
                          std::string& destination) {
  ArgumentSlots arguments = splitArguments(argument, 2);
  if (!enoughArguments(arguments, 2) || !evaluateSlots(arguments.slots, 0, 1, context)) return false;
  source = arguments.slots[0];
  destination = arguments.slots[1];
  return true;
}

Flow writeLine(const std::string& argument, ScriptContext& context, bool append) {
  ArgumentSlots arguments = splitArguments(argument, 2);
  if (!evaluateSlots(arguments.slots, 0, 1, context)) return Flow::Fail;
  if (writeTextLine(arguments.slots[0], arguments.slots[1], append)) return Flow::Next;
  return failWith(append ? msg::kAppendFailed : msg::kOutputFailed);
}

}  // namespace

Flow fileCopy(const std::string& argument, ScriptContext& context) {
  std::string source, destination;
  if (!sourceAndDestination(argument, context, source, destination)) return Flow::Fail;
  if (copyFileReplacing(withCurrentFolder(source), withCurrentFolder(destination))) return Flow::Next;
  return failWith(msg::kCopyFailed);
}

Flow fileCopyMatching(const std::string& argument, ScriptContext& context) {
  std::string pattern, destination;
  if (!sourceAndDestination(argument, context, pattern, destination)) return Flow::Fail;
  pattern = withCurrentFolder(pattern);
  const std::string sourceFolder = fs::withClosingBackslash(fs::splitFolderAndName(pattern).folder.value_or(""));
  destination = fs::withClosingBackslash(destination);
  // Files copied before a failure stay copied.
  for (const std::string& name : normalFilesMatching(pattern)) {
    if (!copyFileReplacing(sourceFolder + name, destination + name)) return failWith(msg::kCopyFailed);
  }
  return Flow::Next;
}

Flow createFolder(const std::string& argument, ScriptContext& context) {
  std::string path = argument;
  if (!evaluateArgument(path, context)) return Flow::Fail;
  // Creating the folder walks the current drive and folder down to it; both are put back.
  const char drive = fs::currentDrive();
  const std::string folder = fs::currentFolder();
  bool made = false;
  try {
    made = fs::createFolderPath(withCurrentFolder(path));
  } catch (const std::exception&) {
    made = false;  // ends the SUB without a message, like a folder that cannot be made
  }
  fs::changeDrive(drive);
  fs::changeFolder(folder);
  return made ? Flow::Next : Flow::Fail;
}

Flow deleteTree(const std::string& argument, ScriptContext& context) {
  std::string path = argument;
  if (!evaluateArgument(path, context)) return Flow::Fail;
  // A blank value would name the current folder itself and "\" the drive's root.
  if (text::Trim(path).empty()) return failWith(msg::kDeleteFailed);
  path = withCurrentFolder(path);
  if (!fs::toHostPath(path)) return Flow::Next;  // no such drive: nothing there to delete
  if (!mayDeleteRecursively(path)) return failWith(msg::kDeleteFailed);
  deleteRecursively(path);  // what could not be deleted is not looked at, as the shell's silent delete
  return Flow::Next;
}

Flow deleteFiles(const std::string& argument, ScriptContext& context) {
  std::string path = argument;
  if (!evaluateArgument(path, context)) return Flow::Fail;
  // A blank value would select every file of the current folder.
  if (text::Trim(path).empty() || !deleteMatchingFiles(withCurrentFolder(path))) return failWith(msg::kDeleteFailed);
  return Flow::Next;
}

Flow changeFolder(const std::string& argument, ScriptContext& context) {
  std::string path = argument;
  if (!evaluateArgument(path, context)) return Flow::Fail;
  if (path.empty() || !fs::changeFolder(path)) return failWith(msg::kFolderNotChanged);
  return Flow::Next;
}

Flow changeDrive(const std::string& argument, ScriptContext& context) {
  std::string drive = argument;
  if (!evaluateArgument(drive, context)) return Flow::Fail;
  if (drive.empty() || !fs::changeDrive(drive[0])) return failWith(msg::kDriveNotChanged);
  return Flow::Next;
}

Flow outputLine(const std::string& argument, ScriptContext& context) { return writeLine(argument, context, false); }

Flow appendLine(const std::string& argument, ScriptContext& context) { return writeLine(argument, context, true); }

}  // namespace pemo::script::statements
