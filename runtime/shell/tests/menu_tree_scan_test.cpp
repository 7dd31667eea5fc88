#include <gtest/gtest.h>

#include <map>

#include "menufile/lines.h"
#include "runtime/shell/menu_tree_scan.h"

using namespace pemo::shell;

namespace {
std::string menu(const std::string& caption, const std::vector<std::string>& links) {
  std::vector<std::string> lines{"BEGIN MENU", "    CAPTION=" + caption, "END MENU"};
  for (const auto& l : links) lines.insert(lines.end(), {"", "BEGIN BUTTON", "    LINK=" + l, "END BUTTON"});
  return pemo::menufile::encodeLines(lines);
}
}  // namespace

TEST(MenuTreeScan, FollowsMenuLinksDepthFirstAndEndsCycles) {
  std::map<std::string, std::string> files{
      {"TOP.FIL", menu("top", {"A.FIL", "prog.exe", "PEMO.EXE B.fil"})},
      {"A.FIL", menu("a", {"TOP.FIL", "C.FIL"})},
      {"B.fil", menu("b", {"a.fil"})},
  };
  MenuFileReader read = [&](const std::string& p) -> std::optional<std::string> {
    auto it = files.find(p);
    if (it == files.end()) return std::nullopt;
    return it->second;
  };
  auto nodes = scanMenuTree("TOP.FIL", read);
  ASSERT_EQ(nodes.size(), 5u);
  EXPECT_EQ(nodes[0].caption, "top");
  EXPECT_EQ(nodes[1].file, "A.FIL");
  EXPECT_EQ(nodes[1].parent, 1);
  EXPECT_EQ(nodes[2].file, "C.FIL") << "a missing menu is still a node";
  EXPECT_EQ(nodes[2].parent, 2);
  EXPECT_EQ(nodes[3].file, "B.fil") << "a link that starts the runtime names its menu";
  EXPECT_EQ(nodes[4].file, "a.fil");
  EXPECT_EQ(nodes[4].parent, 4);
  EXPECT_EQ(scanMenuTree("TOP.FIL", read, 2).size(), 2u);
}
