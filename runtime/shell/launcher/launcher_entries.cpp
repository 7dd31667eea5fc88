#include "runtime/shell/launcher/launcher_entries.h"

#include "platform/fs/windows_path.h"
#include "platform/process/command_line.h"
#include "platform/process/program_lookup.h"
#include "platform/text/strings.h"
#include "runtime/shell/launcher/launcher_bar.h"
#include "runtime/shell/launcher/launcher_settings.h"
#include "runtime/shell/list_file.h"
#include "runtime/shell/run_info_file.h"

namespace pemo::shell::launcher {
bool isDroppableProgram(const std::string& path) {
  // The run-info file could not keep the path: the entry would fail after a restart.
  if (!storableText(path)) return false;
  auto file = fs::existingHostFile(path);
  if (!file) return false;
  const std::string extension = getFileExtensionStr(path);
  const bool windowsProgram = extension == "EXE" || extension == "PIF" || extension == "BAT" || extension == "COM";
  return windowsProgram || process::isExecutableFile(*file);
}

std::string droppedCaption(const std::string& path) { return text::Replace(process::fileNameOf(path), ",", "，"); }

ButtonIcon extractIconPicture(const std::string& fileName) {
  auto file = fs::existingHostFile(fileName);
  if (!file) return {};
  return {ButtonIcon::File, *file};
}

bool LauncherBar::addDroppedFile(const std::string& path) {
  if (!isDroppableProgram(path)) return false;
  runtime_.runList.push_back({droppedCaption(path), path});
  return true;
}

int LauncherBar::dropFiles(const std::vector<std::string>& paths) {
  const auto full = [this] { return runtime_.runList.size() >= kRunListLimit; };
  if (full()) return 0;
  int added = 0;
  for (const std::string& path : paths) {
    if (full()) break;
    if (addDroppedFile(path)) ++added;
  }
  // A drop is written at once, into the file as another runtime may have left it; when
  // that fails the programs stay on the bar for this session.
  if (added > 0 && !storeRunInfo(runtime_)) tellNotStored(runInfoFile(runtime_.appFolder));
  afterRunListChange();
  return added;
}

void LauncherBar::deleteLauncherEntry() {
  const int entry = menuButtonIndex_ - 2;
  if (entry < 0 || entry >= static_cast<int>(runtime_.runList.size())) return;
  runtime_.runList.erase(runtime_.runList.begin() + entry);
  warnIfRunInfoCannotBeStored(runtime_);
  afterRunListChange();
}

}  // namespace pemo::shell::launcher
