#include "runtime/page/link_actions.h"

#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "platform/ui/message_port.h"
#include "runtime/messages.h"
#include "runtime/page/menu_reader.h"
#include "runtime/page/program_start.h"

namespace pemo::page {
namespace {

using namespace runtime_messages;

// The node the shown menu's actions go from: its own, else (a menu outside the tree) the
// selected one, which is all there is to go by.
int actingNode(MenuTreePort& tree, const PageState& shown) {
  const int node = shownMenuNode(tree, shown);
  return node ? node : tree.selectedNode();
}

}  // namespace

int shownMenuNode(MenuTreePort& tree, const PageState& shown) {
  return tree.menuNodeNear(shown.currentMenuNode ? shown.currentMenuNode : tree.selectedNode(),
                           shown.currentMenuFile);
}

int parentMenuNode(MenuTreePort& tree, const PageState& shown) {
  const int node = actingNode(tree, shown);
  if (node == 0) return 0;
  // A node without a menu file of its own stands for its parent's menu.
  return isMenuFileLink(tree.nodeFile(node)) ? tree.parentOf(node) : tree.parentOf(tree.parentOf(node));
}

LinkActions::LinkActions(MenuPage& page, process::ProgramPort& programs, RunProcessList& runList,
                         MenuTreePort& tree)
    : page_(page), programs_(programs), runList_(runList), tree_(tree) {}

void LinkActions::doLink(ObjectKind kind, int index, std::string link, int style) {
  if (page_.script().scriptRunning()) {
    ui::showExclamation(kScriptRunning, kTitle);
    return;
  }
  switch (static_cast<menufile::LinkStyle>(style)) {
    case menufile::LinkStyle::ExecuteLink:
      if (!link.empty()) openLink(link);
      break;
    case menufile::LinkStyle::ToggleSelection: toggleSelection(kind, index, link); break;
    case menufile::LinkStyle::ExecuteSelection: executeSelection(kind, index); break;
    case menufile::LinkStyle::ExecuteSelectionThenLink: executeSelectionThenLink(kind, index); break;
    case menufile::LinkStyle::ParentMenu: goParentMenu(); break;
    case menufile::LinkStyle::ExecuteAndWait: executeLinkAndWait(kind, index); break;
    default: break;
  }
}

bool LinkActions::changeMenu(const std::string& path, int node) {
  if (!page_.readableMenuFile(path)) {
    ui::showExclamation(path + "\r" + kCannotOpenMenu, kTitle);
    return false;
  }
  page_.closeMenu();
  // Before the loaded event, whose script may act on the shown menu.
  page_.state().currentMenuNode = node;
  page_.openMenuFile(path);
  page_.view().relayout();
  return true;
}

bool LinkActions::showNodeMenu(int node) {
  const std::string file = tree_.nodeFile(node);
  if (file != page_.state().currentMenuFile) return changeMenu(file, node);
  page_.state().currentMenuNode = node;
  return true;
}

void LinkActions::openLink(std::string link) {
  if (!isMenuFileLink(link)) {
    runProgram(link);
    return;
  }
  page_.state().treeSync = true;
  // The link is one of the shown menu's: the tree moves down from that menu's node.
  const int to = childHolding(actingNode(tree_, page_.state()), link);
  if ((link == page_.state().currentMenuFile || changeMenu(link, to)) && to) {
    page_.state().currentMenuNode = to;
    tree_.selectAndExpand(to);
  }
  page_.state().treeSync = false;
}

int LinkActions::childHolding(int node, const std::string& link) {
  if (node == 0) return 0;
  std::string wanted = text::UCase(link);
  for (int child : tree_.childrenOf(node)) {
    if (tree_.parentOf(child) != node) break;
    if (text::UCase(tree_.nodeFile(child)) == wanted) return child;
  }
  return 0;
}

void LinkActions::goParentMenu() {
  int target = parentMenuNode(tree_, page_.state());
  if (target == 0) {
    page_.view().closeWindow();
    return;
  }
  // The tree follows the page only once the parent menu has opened.
  if (changeMenu(tree_.nodeFile(target), target)) tree_.selectAndExpand(target);
}

bool LinkActions::hasNumberedCaption(ObjectKind kind) const {
  return kind == ObjectKind::Label || kind == ObjectKind::Button || kind == ObjectKind::PictureButton;
}

std::string LinkActions::captionOf(ObjectKind kind, int index) const {
  switch (kind) {
    case ObjectKind::Label:
    case ObjectKind::Button:
    case ObjectKind::PictureButton:
    case ObjectKind::Radio:
    case ObjectKind::CheckBox:
    case ObjectKind::Frame:
      if (const PageObject* o = page_.objects().find(kind, index)) return o->caption;
      return {};
    default:
      return {};
  }
}

std::string LinkActions::ownLink(ObjectKind kind, int index, bool imagesToo) const {
  if (!hasNumberedCaption(kind) && !(imagesToo && kind == ObjectKind::Image)) return {};
  const PageObject* o = page_.objects().find(kind, index);
  return o ? o->link : std::string();
}

void LinkActions::toggleSelection(ObjectKind kind, int index, const std::string& link) {
  LinkSelection& selection = page_.selection();
  int found = -1;
  for (int pos = 0; pos < selection.count(); ++pos) {
    SelectionItem item = LinkSelection::parse(selection.items()[pos]);
    if (found >= 0 && hasNumberedCaption(item.kind))
      page_.setCaption(item.kind, item.index,
                       std::to_string(pos) + " " + withoutPositionPrefix(captionOf(item.kind, item.index)));
    if (item.kind == kind && item.index == index) {
      found = pos;
      if (hasNumberedCaption(kind)) page_.setCaption(kind, index, withoutPositionPrefix(captionOf(kind, index)));
    }
  }
  if (found >= 0) {
    selection.remove(found);
    return;
  }
  selection.append(kind, index, link);
  if (hasNumberedCaption(kind))
    page_.setCaption(kind, index, std::to_string(selection.count()) + " " + captionOf(kind, index));
}

void LinkActions::executeSelection(ObjectKind kind, int index) {
  if (page_.selection().empty()) return;
  PageView& view = page_.view();
  view.setPointer(MousePointer::NoDrop);
  view.enablePage(false);
  if (page_.script().scriptLoaded())
    page_.script().fireScriptEvent(kind, index, menufile::ScriptEvent::BeforeExecute);
  runSelectedLinks();
  view.setStatusText("");
  if (page_.script().scriptLoaded())
    page_.script().fireScriptEvent(kind, index, menufile::ScriptEvent::CommitExecute);
  view.enablePage(true);
  view.setPointer(MousePointer::Default);
}

bool LinkActions::startAndWait(const std::string& link) {
  const process::StartResult started = programs_.start(page_.withMenuDrive(link));
  if (!started) {
    ui::showExclamation(kStartFailed, kTitle);
    return false;
  }
  programs_.waitForExit(started.pid);
  // A document's opener that fails has shown nothing.
  if (started.opener && programs_.exitCode(started.pid).value_or(0) != 0) {
    ui::showExclamation(kStartFailed, kTitle);
    return false;
  }
  return true;
}

bool LinkActions::runSelectedLinks() {
  LinkSelection& selection = page_.selection();
  // The list is copied: a link's wait lets the window run, and the page stays locked.
  const std::vector<std::string> items = selection.items();
  for (const auto& text : items) {
    SelectionItem item = LinkSelection::parse(text);
    page_.view().setStatusText(captionOf(item.kind, item.index) + "を実行中・・・");
    page_.view().yieldToEvents();
    if (!item.link.empty() && !startAndWait(item.link)) return false;
  }
  for (const auto& text : items) {
    SelectionItem item = LinkSelection::parse(text);
    if (hasNumberedCaption(item.kind))
      page_.setCaption(item.kind, item.index, withoutPositionPrefix(captionOf(item.kind, item.index)));
  }
  selection.clear();
  return true;
}

void LinkActions::executeSelectionThenLink(ObjectKind kind, int index) {
  executeSelection(kind, index);
  std::string link = ownLink(kind, index, false);
  if (text::Trim(link).empty()) {
    goParentMenu();
    return;
  }
  // A menu file opens through the one menu change, with layout and tree.
  openLink(link);
}

void LinkActions::executeLinkAndWait(ObjectKind kind, int index) {
  std::string link = ownLink(kind, index, true);
  page_.view().enablePage(false);
  startAndWait(link);
  page_.view().enablePage(true);
  page_.view().setPointer(MousePointer::Default);
}

void LinkActions::runProgram(const std::string& link) {
  for (const auto& [name, data] : runList_.values()) {
    if (data == link && programs_.isRunning(pidOfRunListValue(name))) {
      ui::showExclamation(kAlreadyRunning, kTitle);
      return;
    }
  }
  const process::StartResult started = startReported(programs_, page_.withMenuDrive(link), link);
  if (started) runList_.add(started.pid, link);
}

bool LinkActions::checkRunningPrograms() {
  for (const auto& [name, data] : runList_.values())
    if (programs_.isRunning(pidOfRunListValue(name))) return true;
  return false;
}

}  // namespace pemo::page
