#include "runtime/shell/running_programs.h"

#include <optional>

namespace pemo::shell {

RunningPrograms::RunningPrograms(page::RunProcessList& list, process::ProgramPort& programs,
                                 ui::OtherWindowsPort& windows)
    : list_(list), programs_(programs), windows_(windows) {}

const ui::OtherWindow* findProcessWindow(const std::vector<ui::OtherWindow>& windows, long pid) {
  for (const ui::OtherWindow& window : windows)
    if (window.pid == pid && !window.hasParent) return &window;
  return nullptr;
}

std::vector<RunningProgramItem> RunningPrograms::items() {
  std::vector<RunningProgramItem> items;
  // The desktop is asked once, and only when a program runs.
  std::optional<std::vector<ui::OtherWindow>> windows;
  for (const auto& [name, link] : list_.values()) {
    const long pid = page::pidOfRunListValue(name);
    if (!programs_.isRunning(pid)) continue;  // the timer drops it
    if (!windows) windows = windows_.topLevelWindows();
    if (const ui::OtherWindow* window = findProcessWindow(*windows, pid))
      items.push_back({window->title, window->id});
    else
      items.push_back({link, 0});
  }
  if (items.empty()) items.push_back({kNoRunningProgram, 0});
  return items;
}

void RunningPrograms::bringToFront(const RunningProgramItem& item) {
  if (item.window != 0) windows_.bringToFront(item.window);
}

void RunningPrograms::dropEnded() {
  for (const auto& [name, link] : list_.values())
    if (!programs_.isRunning(page::pidOfRunListValue(name))) list_.remove(name);
}

void clearRunList(page::RegistryRunList& ownList, process::RuntimeInstanceLock& instances) {
  if (!instances.join(&page::RegistryRunList::clearEveryList)) ownList.clear();
}

}  // namespace pemo::shell
