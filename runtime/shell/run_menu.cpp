#include "runtime/shell/run_menu.h"

#include "platform/fs/windows_path.h"
#include "runtime/page/program_start.h"
#include "runtime/shell/list_file.h"
#include "runtime/shell/run_info_file.h"
#include "runtime/shell/shell_hooks.h"
#include "runtime/shell/shell_window.h"

namespace pemo::shell {
namespace {

// A program path as a command line: one with blanks in it is quoted, so it stays one.
std::string programCommand(const std::string& path) {
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

}  // namespace

std::vector<RunMenuItem> runMenuItems(const std::vector<page::RunListEntry>& runList) {
  std::vector<RunMenuItem> items;
  for (size_t i = 0; i < runList.size(); ++i) {
    const int index = kFirstProgramItem + static_cast<int>(i);
    if (index > kLastProgramItem) break;
    if (i == 0) items.push_back({kProgramSeparatorItem, {}, {}});
    items.push_back({index, "&" + std::to_string(i + 1) + " " + runList[i].caption, runList[i].commandLine});
  }
  return items;
}

RunMenu::RunMenu(page::RuntimeState& runtime, process::ProgramPort& programs, ShellWindowPort& window,
                 ShellHooks& hooks)
    : runtime_(runtime), programs_(programs), window_(window), hooks_(hooks) {}

void RunMenu::load() {
  getRunInfo(runtime_);
  editRunMenu();
}

bool RunMenu::save() {
  // Only a change is written, so only a change can be lost.
  if (storeRunInfo(runtime_)) return true;
  tellNotStored(runInfoFile(runtime_.appFolder));
  return false;
}

void RunMenu::editRunList() {
  const std::vector<page::RunListEntry> before = runtime_.runList;
  window_.showRunRegistration();
  if (runtime_.runList != before) warnIfRunInfoCannotBeStored(runtime_);
}

void RunMenu::editRunMenu() { window_.showRunMenuItems(runMenuItems(runtime_.runList)); }

void RunMenu::clicked(int index, const std::string& tag) {
  switch (index) {
    case kExplorerItem: page::startReported(programs_, programCommand(runtime_.explorerPath), tag); return;
    case kControlPanelItem: page::startReported(programs_, programCommand(fs::windowsFolder() + "\\control.exe"), tag); return;
    case kEditRunListItem:
      // The menu and the launcher follow the list whether it was changed or not.
      editRunList();
      editRunMenu();
      hooks_.loadAppIcon();
      return;
    default:
      if (index >= kFirstProgramItem && index <= kLastProgramItem) page::startReported(programs_, tag, tag);
  }
}

}  // namespace pemo::shell
