#pragma once
// The RUN menu "実行(&R)": the explorer and the control panel, the run list's programs
// numbered from 1, and the registration dialog. Its program items mirror the run list
// after each rebuild.
#include <string>
#include <vector>

#include "platform/process/program_port.h"
#include "runtime/page/runtime_state.h"

namespace pemo::shell {

class ShellHooks;
class ShellWindowPort;

// The items by their numbers in the menu.
enum RunMenuIndex : int {
  kExplorerItem = 0,           // "ｴｸｽﾌﾟﾛｰﾗ(&E)" [F5]
  kControlPanelItem = 1,       // "ｺﾝﾄﾛｰﾙﾊﾟﾈﾙ(&C)" [F6]
  kProgramSeparatorItem = 50,  // shown while there are programs
  kFirstProgramItem = 51,
  kLastProgramItem = 90,       // at most 40 programs have an item
  kEditRunListItem = 99,       // "実行情報の編集(&R)" [Ctrl+R]
};

// The most programs the RUN menu lists; the launcher bar shows as many. A longer list
// (a hand-made file) keeps the rest, unshown, and writes it back.
inline constexpr int kMostListedPrograms = kLastProgramItem - kFirstProgramItem + 1;

// One item of the rebuilt part of the menu; the separator has no caption.
struct RunMenuItem {
  int index = 0;
  std::string caption;
  std::string tag;  // the command line a program item starts
  bool isSeparator() const { return index == kProgramSeparatorItem; }
};

// The separator and the program items for a run list: "&n caption", n from 1.
std::vector<RunMenuItem> runMenuItems(const std::vector<page::RunListEntry>& runList);

class RunMenu {
 public:
  RunMenu(page::RuntimeState& runtime, process::ProgramPort& programs, ShellWindowPort& window, ShellHooks& hooks);

  // Start-up: the run list from its file, then the menu.
  void load();
  // Shutdown: the run list's changes into its file as another runtime may have left it;
  // false when it could not be written, and the user is told when that loses a change.
  bool save();
  // The registration dialog RUNREG on the run list; a change that its file could not take
  // is told at once.
  void editRunList();
  // Rebuilds the program items from the run list.
  void editRunMenu();
  // A click on item `index`; `tag` is the item's command line (empty for the fixed items).
  void clicked(int index, const std::string& tag);

 private:
  page::RuntimeState& runtime_;
  process::ProgramPort& programs_;
  ShellWindowPort& window_;
  ShellHooks& hooks_;
};

}  // namespace pemo::shell
