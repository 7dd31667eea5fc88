#pragma once
// What the link actions need besides the page and the program port: this window's list
// of started programs, and the menu tree.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/text/numbers.h"

namespace pemo::page {

// The window's `Run\<handle>` key: one value per program start, named by the process id
// in decimal, holding the link as clicked.
class RunProcessList {
 public:
  virtual ~RunProcessList() = default;
  // The values in order: (name, data).
  virtual std::vector<std::pair<std::string, std::string>> values() = 0;
  virtual void add(long pid, const std::string& link) = 0;
  // Removes the value of that name (a program that has ended).
  virtual void remove(const std::string& name) = 0;
};

// The process id a value of the list is named by; a name that is none (the key can be
// edited by hand), or a number no process id can be, reads as 0, which no running
// program has.
inline long pidOfRunListValue(const std::string& name) {
  const double pid = text::Val(name);
  return pid >= 1 && pid <= 2147483647.0 ? static_cast<long>(pid) : 0;
}

enum class MenuTreeNodeKind {
  Root,         // the start menu
  LinkedMenu,   // a menu file that a menu links to
  MissingMenu,  // a linked menu file that is not there
  Program,      // an object's program link
};

// One node of the menu tree. `file` is the menu file as the link names it, or the
// program link of a program node; `caption` is the text the tree shows.
struct MenuTreeNode {
  int parent = 0;  // 0 for the top node
  std::string file;
  std::string caption;
  MenuTreeNodeKind kind = MenuTreeNodeKind::LinkedMenu;
  std::string programTag;  // a program node's "kind,INDEX,STYLE" as the file gives them
};

// The menu tree of the shell, as far as the link actions walk it. Nodes are numbered
// from 1; 0 is "no node".
class MenuTreePort {
 public:
  virtual ~MenuTreePort() = default;
  virtual int nodeCount() const = 0;
  virtual int selectedNode() = 0;
  virtual int parentOf(int node) = 0;
  virtual std::vector<int> childrenOf(int node) = 0;
  virtual std::string nodeFile(int node) = 0;
  // Makes the node the selected one and expands it.
  virtual void selectAndExpand(int node) = 0;

  // The node of the menu `file` (compared without regard to letter case) as seen from
  // `from`: `from` itself, else the nearest node above it, else the first in the tree;
  // 0 when no node holds that menu.
  int menuNodeNear(int from, const std::string& file);
};

}  // namespace pemo::page
