#pragma once
// The programs this window started from its page, as the popup menu's submenu
// "実行中のｱﾌﾟﾘｹｰｼｮﾝ(&R)" lists them: one item per program that still runs, captioned
// with the title of its first window that belongs to no other, in the order the list
// holds them. The window's timer drops the programs that have ended.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/process/program_port.h"
#include "platform/process/runtime_instances.h"
#include "platform/ui/other_windows.h"
#include "runtime/page/registry_run_list.h"

namespace pemo::shell {

// One item of the submenu. `window` is 0 for an item that does nothing when chosen.
struct RunningProgramItem {
  std::string caption;
  uint32_t window = 0;
  bool operator==(const RunningProgramItem&) const = default;
};

// The submenu's only item when no program runs.
inline constexpr const char* kNoRunningProgram = "なし";

class RunningPrograms {
 public:
  RunningPrograms(page::RunProcessList& list, process::ProgramPort& programs, ui::OtherWindowsPort& windows);

  // The submenu's items, found afresh. A running program without a window of its own
  // gets an item with its link text. Never empty: "なし" when nothing runs.
  std::vector<RunningProgramItem> items();
  // An item was chosen: its window comes to the front. A window that has closed since
  // the menu was filled is left alone by the desktop.
  void bringToFront(const RunningProgramItem& item);
  // The window's timer: programs that have ended leave the list.
  void dropEnded();

 private:
  page::RunProcessList& list_;
  process::ProgramPort& programs_;
  ui::OtherWindowsPort& windows_;
};

// The desktop window a process shows first: its first top-level window that belongs to
// no other window, in the desktop's order; nullptr when it shows none.
const ui::OtherWindow* findProcessWindow(const std::vector<ui::OtherWindow>& windows, long pid);

// At start-up: this window's list starts empty, and the first runtime to run also
// clears the lists that runtimes before it left behind. A runtime that starts while
// another runs keeps that one's lists.
void clearRunList(page::RegistryRunList& ownList, process::RuntimeInstanceLock& instances);

}  // namespace pemo::shell
