#include "runtime/shell/startup.h"

#include "platform/fs/current_folder.h"
#include "platform/fs/folder_path.h"
#include "platform/fs/windows_path.h"
#include "platform/registry/registry.h"
#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "platform/ui/message_port.h"
#include "menufile/test_run.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/messages.h"

namespace pemo::shell {
using namespace runtime_messages;
namespace {

bool hideMenuSetting() {
  registry::Key key = 0;
  const std::string launch = std::string(page::kRuntimeRegistryKey) + "\\Launch";
  if (registry::openKey(registry::kUsers, launch, key) != registry::kSuccess) return false;
  registry::Value value;
  bool hide = registry::queryValue(key, "HideMenu", value) == registry::kSuccess && value.type == registry::kString &&
              text::Val(value.data) == 1;
  registry::closeKey(key);
  return hide;
}

std::string startMenuPath(const std::string& trimmed) {
  if (trimmed[0] == '\\') return fs::windowsFolder().substr(0, 2) + trimmed;
  // A host path (from a terminal) becomes the Windows path of its drive; a relative
  // one is taken from the current folder.
  std::string windows = fs::toWindowsPath(trimmed);
  return windows.empty() ? trimmed : windows;
}

void enterMenuFolder(const std::string& menuFile) {
  if (menuFile.size() >= 2 && menuFile[1] == ':') fs::changeDrive(menuFile[0]);
  size_t cut = menuFile.find_last_of('\\');
  if (cut != std::string::npos) fs::changeFolder(menuFile.substr(0, cut == 2 ? 3 : cut));
}

}  // namespace

std::string commandLineOf(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) line += (i > 1 ? " " : "") + std::string(argv[i]);
  return line;
}

Startup prepareStartup(page::RuntimeState& runtime, const std::filesystem::path& programFolder,
                       const std::string& commandLine) {
  runtime.appFolder = fs::toWindowsPath(programFolder.string());
  if (!runtime.appFolder.empty()) runtime.appFolder = fs::withClosingBackslash(runtime.appFolder);
  runtime.twipsPerPixelX = runtime.twipsPerPixelY = 15;
  runtime.testRun = commandLine == std::string(1, menufile::kTestRunArgument);

  Startup start;
  start.hideMenu = hideMenuSetting();
  std::string trimmed = text::Trim(commandLine);
  if (trimmed.empty()) {
    start.noStartFile = true;
  } else if (trimmed == std::string(1, menufile::kTestRunArgument)) {
    std::error_code ec;
    std::filesystem::remove(programFolder / menufile::kTestRunOpenedMenuFile, ec);
    std::filesystem::rename(programFolder / menufile::kTestRunMenuFile,
                            programFolder / menufile::kTestRunOpenedMenuFile, ec);
    start.menuFile = runtime.appFolder + menufile::kTestRunOpenedMenuFile;
  } else {
    start.menuFile = startMenuPath(trimmed);
    enterMenuFolder(start.menuFile);
  }
  if (start.menuFile.size() >= 2 && start.menuFile[1] == ':') start.drive = start.menuFile.substr(0, 2);
  return start;
}

bool checkStartFile(const Startup& start) {
  if (start.menuFile.empty()) return true;
  auto host = fs::toHostPath(start.menuFile);
  std::error_code ec;
  if (host && std::filesystem::is_regular_file(*host, ec)) return true;
  ui::showExclamation(kStartFileMissing, kTitle);
  return false;
}

}  // namespace pemo::shell
