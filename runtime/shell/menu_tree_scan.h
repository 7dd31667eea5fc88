#pragma once
// The menu tree: the start menu and, below each menu, the menus its objects link to and
// the programs they start, found by reading the menu files.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menufile/lines.h"
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
};

// What a menu file gives the tree, in the order of its lines: the links to menu files
// (each entered at its LINK line) and the program nodes (each at its block's END line).
struct MenuEntry {
  bool isMenu = false;
  std::string link;
  std::string caption;  // of a program
  std::string tag;      // of a program
};

struct MenuOutline {
  std::string caption;
  std::vector<MenuEntry> entries;
};

// A menu file's outline built from its lines up to the script section as they are taken
// apart, by whoever reads the file. Entries beyond `maxEntries` could never become nodes
// and are not kept.
class MenuOutlineBuilder {
 public:
  explicit MenuOutlineBuilder(int maxEntries = kMenuTreeNodeLimit) : maxEntries_(maxEntries) {}
  // The next line of the file; `endOffset` is the byte just past its line end.
  void take(const menufile::MenuLine& line, std::size_t endOffset);
  // The outline of the file whose lines were taken, once the lines of `bytes` after the
  // last one taken are taken here; nothing when the file has no menu caption.
  std::optional<MenuOutline> finish(std::string_view bytes);

 private:
  // What is kept of the block the lines are in. The index is not cleared by a new block.
  struct Block {
    std::string word;
    std::string link;
    std::string caption;
    std::string style;
    std::string index;
    bool linked = false;  // the block links to a menu file
    bool givesProgram() const;
    std::string tag() const;
  };
  void takeEntryLine(const menufile::MenuLine& line);

  const int maxEntries_;
  std::size_t taken_ = 0;      // the bytes whose lines were taken
  bool ended_ = false;         // the script section opened
  bool inMenu_ = false;        // the menu block has begun
  std::optional<std::string> caption_;  // the first CAPTION from the menu block on
  Block block_;
  std::vector<MenuEntry> entries_;
};

// A menu file as the scan finds it.
struct ScannedFile {
  bool found = false;
  std::optional<MenuOutline> outline;  // nothing for a file without a menu caption
};

// The nodes depth first: each menu's children in the order of its file's blocks, a
// linked menu with its whole subtree at its LINK line, a program at its block's END
// line. A menu already on the way from the top is not entered again, so link cycles
// end. A start file without a menu CAPTION gives no node at all.
MenuTree scanMenuTree(const std::string& startFile, const MenuFileReader& read,
                      int nodeLimit = kMenuTreeNodeLimit);
// The same tree for a start file already read and outlined; `read` reads the others.
MenuTree scanMenuTree(const std::string& startFile, ScannedFile start, const MenuFileReader& read,
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
