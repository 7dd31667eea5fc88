#pragma once
// What the menu tree does on its events: a click opens the node's menu (a program node
// its parent's), an expansion opens the expanded menu unless the program itself is
// moving the tree, a double click on a program node runs its link as the object would,
// and a mouse move over the tree ends the page's hover effects. While a script runs
// every one of them only says so.
#include <functional>
#include <optional>

#include "runtime/page/link_actions.h"
#include "runtime/page/menu_page.h"
#include "runtime/page/page_events.h"
#include "runtime/shell/shell_window.h"

namespace pemo::shell {

class MenuTreeEvents {
 public:
  MenuTreeEvents(page::MenuPage& page, page::LinkActions& links, page::PageEvents& pageEvents, MenuTreeView& tree);

  void nodeClicked(int node);
  void expanded(int node);
  void collapsed(int node);
  // On the selected node.
  void doubleClicked();
  void mouseMoved();
  // A key press on the tree: `handleKey` is the tree's own handling of it. Of the
  // expansions it makes (keypad "*" expands a whole branch) only that of `actedOn`,
  // the node the key acted on, opens a menu.
  void keyPressed(int actedOn, const std::function<void()>& handleKey);

  // The start menu after the tree was built: one node opens through the click, more
  // select the first and open it through its expansion.
  void openStartMenu();
  // The tree as openStartMenu leaves it, for a start menu the page opens by itself.
  void showStartMenuOpening();

 private:
  // True (and the user told) while a script runs.
  bool refused();
  // Opens the menu of `node`. When it cannot be opened the selection goes back to the
  // node of the menu still shown.
  void openNodeMenu(int node);
  void expandStartNode();

  page::MenuPage& page_;
  page::LinkActions& links_;
  page::PageEvents& pageEvents_;
  MenuTreeView& tree_;
  std::optional<int> keyPressNode_;  // while a key press is handled
};

}  // namespace pemo::shell
