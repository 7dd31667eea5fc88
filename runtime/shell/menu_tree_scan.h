#pragma once
// The menu tree: the start menu and, below each menu, the menus its objects link to and
// the programs they start, found by reading the menu files.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/page/link_ports.h"

namespace pemo::shell {

// Reads a menu file's bytes by the path a link names; nothing when it is not there.
using MenuFileReader = std::function<std::optional<std::string>(const std::string& path)>;

// The text in front of a missing menu file's link.
inline constexpr const char* kMissingMenuPrefix = "(ﾌｧｲﾙなし) ";
// Menus that link to each other many times over (without a cycle) multiply the tree;
// a real tree stays far below this, and memory stays bounded.
inline constexpr int kMenuTreeNodeLimit = 100000;
// The status line's word when the limit cut the tree.
inline constexpr const char* kMenuTreeCutMessage = "ﾒﾆｭｰﾂﾘｰが大きすぎるため、一部だけを表示しています";

struct MenuTree {
  std::vector<page::MenuTreeNode> nodes;  // in the order they were added
  bool cut = false;                        // the node limit stopped the scan
  std::optional<std::string> startBytes;   // the start file as the scan read it
};

// The nodes depth first: each menu's children in the order of its file's blocks, a
// linked menu with its whole subtree at its LINK line, a program at its block's END
// line. A menu already on the way from the top is not entered again, so link cycles
// end. A start file without a menu CAPTION gives no node at all.
MenuTree scanMenuTree(const std::string& startFile, const MenuFileReader& read,
                      int nodeLimit = kMenuTreeNodeLimit);

// The reader over the file system: Windows paths through the drive folder, a path
// beginning with "\" on `drive`.
MenuFileReader fileSystemMenuReader(std::string drive);

// A program node's tag taken apart: the object kind, its INDEX and its STYLE.
struct ProgramNodeTag {
  int kind = 0;
  int index = 0;
  int style = 0;
};
ProgramNodeTag parseProgramNodeTag(const std::string& tag);

}  // namespace pemo::shell
