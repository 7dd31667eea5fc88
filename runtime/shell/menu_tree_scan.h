#pragma once
// The menu tree: the start menu and, below each menu, the menus its objects link to,
// found by reading the menu files.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/page/link_ports.h"

namespace pemo::shell {

// Reads a menu file's bytes by the path a link names; nothing when it cannot be read.
using MenuFileReader = std::function<std::optional<std::string>(const std::string& path)>;

// The nodes in the order they are added (depth first, each menu's links in file order).
// A menu already on the way from the top is not entered again, so link cycles end; the
// tree stops at `maxNodes` nodes.
std::vector<page::MenuTreeNode> scanMenuTree(const std::string& startFile, const MenuFileReader& read,
                                             int maxNodes = 500);

// The reader over the file system: Windows paths through the drive folder, a path
// beginning with "\" on `drive`.
MenuFileReader fileSystemMenuReader(std::string drive);

}  // namespace pemo::shell
