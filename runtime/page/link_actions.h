#pragma once
// What a click on a page object does, by the object's link style: open a menu, go to
// the parent menu, collect and run a selection of links, run a link and wait, or start
// a program unless it still runs from this window.
#include <string>

#include "platform/process/program_port.h"
#include "runtime/page/link_ports.h"
#include "runtime/page/menu_page.h"

namespace pemo::page {

// The tree node that holds the shown menu: the node it was shown through, else (a menu
// opened from outside the tree) the node holding it nearest to the selection; 0 when no
// node holds it. What the tree pane shows or selects never leads: a collapse selects the
// collapsed node, and a key moves the selection without opening anything.
int shownMenuNode(MenuTreePort& tree, const PageState& shown);
// The tree node whose menu the parent-menu style opens from the shown menu; 0 when there
// is none and the style closes the window instead.
int parentMenuNode(MenuTreePort& tree, const PageState& shown);

class LinkActions {
 public:
  LinkActions(MenuPage& page, process::ProgramPort& programs, RunProcessList& runList, MenuTreePort& tree);

  // The link is taken by value: a menu change removes the object that held it.
  void doLink(ObjectKind kind, int index, std::string link, int style);

  void openLink(std::string link);
  void goParentMenu();
  void toggleSelection(ObjectKind kind, int index, const std::string& link);
  void executeSelection(ObjectKind kind, int index);
  void executeSelectionThenLink(ObjectKind kind, int index);
  void executeLinkAndWait(ObjectKind kind, int index);
  void runProgram(const std::string& link);
  // True while a program started from this window still runs.
  bool checkRunningPrograms();

  // Changes the menu the one way every caller does: the file is checked first (a file
  // that cannot be read keeps the page and is reported), then close, open and layout.
  // `node` is the tree node the menu is shown through (0 for none).
  bool changeMenu(const std::string& path, int node = 0);
  // Shows the menu of a tree node: changed to unless the page shows that file already;
  // either way the node stands for the shown menu from then on. False when the menu
  // cannot be opened.
  bool showNodeMenu(int node);

  process::ProgramPort& programs() { return programs_; }

 private:
  bool runSelectedLinks();
  // The child of `node` that holds the link's menu; 0 for none.
  int childHolding(int node, const std::string& link);
  std::string ownLink(ObjectKind kind, int index, bool imagesToo) const;
  std::string captionOf(ObjectKind kind, int index) const;
  bool hasNumberedCaption(ObjectKind kind) const;
  // Starts a link as a program and waits for it; false (and reported) when it cannot start.
  bool startAndWait(const std::string& link);

  MenuPage& page_;
  process::ProgramPort& programs_;
  RunProcessList& runList_;
  MenuTreePort& tree_;
};

}  // namespace pemo::page
