#include "runtime/shell/menu_tree_events.h"

#include "platform/ui/message_port.h"
#include "runtime/page/menu_reader.h"
#include "runtime/shell/menu_tree_scan.h"
#include "runtime/messages.h"

namespace pemo::shell {
using namespace runtime_messages;

MenuTreeEvents::MenuTreeEvents(page::MenuPage& page, page::LinkActions& links, page::PageEvents& pageEvents,
                               MenuTreeView& tree)
    : page_(page), links_(links), pageEvents_(pageEvents), tree_(tree) {}

bool MenuTreeEvents::refused() {
  if (!page_.script().scriptRunning()) return false;
  ui::showExclamation(kScriptRunning, kTitle);
  return true;
}

void MenuTreeEvents::openNodeMenu(int node) {
  // A missing file keeps the page and is reported, as every menu change is.
  if (links_.showNodeMenu(node)) return;
  // Left on the failed node, the selection would disagree with the page, and a favourite
  // added now would pair that node's caption with the shown menu's file.
  if (int shown = page::shownMenuNode(tree_, page_.state())) tree_.select(shown);
}

void MenuTreeEvents::nodeClicked(int node) {
  if (!tree_.node(node) || refused()) return;
  // A program node stands for its parent's menu.
  openNodeMenu(page::isMenuFileLink(tree_.nodeFile(node)) ? node : tree_.parentOf(node));
}

void MenuTreeEvents::expanded(int node) {
  // Nodes a key expanded besides the one it acted on were not chosen: opening each would
  // run through menus (and their messages) and leave the page on an arbitrary one.
  if (keyPressNode_ && *keyPressNode_ != node) return;
  if (!tree_.node(node) || refused() || page_.state().treeSync) return;
  tree_.select(node);
  if (page::isMenuFileLink(tree_.nodeFile(node))) openNodeMenu(node);
}

void MenuTreeEvents::keyPressed(int actedOn, const std::function<void()>& handleKey) {
  keyPressNode_ = actedOn;
  struct Reset {
    std::optional<int>& node;
    ~Reset() { node.reset(); }
  } reset{keyPressNode_};
  handleKey();
}

void MenuTreeEvents::collapsed(int node) {
  if (!tree_.node(node) || refused()) return;
  tree_.select(node);
}

void MenuTreeEvents::doubleClicked() {
  if (refused()) return;
  const page::MenuTreeNode* node = tree_.node(tree_.selectedNode());
  if (!node || page::isMenuFileLink(node->file)) return;
  ProgramNodeTag tag = parseProgramNodeTag(node->programTag);
  // The link as the scan kept it, whole: the click event of the object is not fired.
  links_.doLink(static_cast<page::ObjectKind>(tag.kind), tag.index, node->file, tag.style);
}

void MenuTreeEvents::mouseMoved() {
  pageEvents_.resetHoverLabel();
  if (!page_.state().menuOpening) page_.view().setStatusText("");
}

void MenuTreeEvents::openStartMenu() {
  if (tree_.nodeCount() == 1) {
    nodeClicked(1);
    return;
  }
  expandStartNode();
  expanded(1);
}

void MenuTreeEvents::expandStartNode() {
  // The program moves the tree itself; the expansion is then handled once, by the caller.
  page_.state().treeSync = true;
  tree_.selectAndExpand(1);
  page_.state().treeSync = false;
}

void MenuTreeEvents::showStartMenuOpening() {
  // One node opens through the click, which selects nothing.
  if (tree_.nodeCount() <= 1) return;
  expandStartNode();
  tree_.select(1);
}

}  // namespace pemo::shell
