#include "runtime/shell/startup.h"

#include "platform/fs/current_folder.h"
#include "platform/fs/windows_path.h"
#include "platform/text/strings.h"
#include "menufile/test_run.h"

namespace pemo::shell {

Startup prepareStartup(page::RuntimeState& runtime, const std::filesystem::path& programFolder,
                       const std::string& argument) {
  runtime.appFolder = fs::toWindowsPath(programFolder.string());
  if (!runtime.appFolder.empty() && runtime.appFolder.back() != '\\') runtime.appFolder += '\\';
  runtime.twipsPerPixelX = runtime.twipsPerPixelY = 15;

  Startup start;
  std::string trimmed = text::Trim(argument);
  if (trimmed.size() == 1 && trimmed[0] == menufile::kTestRunArgument) {
    runtime.testRun = true;
    std::error_code ec;
    std::filesystem::remove(programFolder / menufile::kTestRunOpenedMenuFile, ec);
    std::filesystem::rename(programFolder / menufile::kTestRunMenuFile,
                            programFolder / menufile::kTestRunOpenedMenuFile, ec);
    start.menuFile = runtime.appFolder + menufile::kTestRunOpenedMenuFile;
  } else if (!trimmed.empty()) {
    std::string windows = fs::toWindowsPath(trimmed);
    start.menuFile = windows.empty() ? trimmed : windows;
    size_t cut = start.menuFile.find_last_of('\\');
    if (cut != std::string::npos) fs::changeFolder(start.menuFile.substr(0, cut == 2 ? 3 : cut));
  }
  if (start.menuFile.size() >= 2 && start.menuFile[1] == ':') start.drive = start.menuFile.substr(0, 2);
  return start;
}

}  // namespace pemo::shell
