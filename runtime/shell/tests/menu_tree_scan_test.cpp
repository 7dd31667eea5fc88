#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <map>

#include "menufile/lines.h"
#include "platform/fs/fs.h"
#include "platform/fs/lookup_cache.h"
#include "platform/testing/temp_dir.h"
#include "runtime/shell/menu_tree_scan.h"

using namespace pemo::shell;
using pemo::page::MenuTreeNode;
using Kind = pemo::page::MenuTreeNodeKind;

namespace {

struct Block {
  std::string kind;
  std::vector<std::string> properties;
};

std::string menu(const std::string& caption, const std::vector<Block>& blocks) {
  std::vector<std::string> lines{"BEGIN MENU", "    CAPTION=" + caption, "END MENU"};
  for (const auto& b : blocks) {
    lines.push_back("BEGIN " + b.kind);
    for (const auto& p : b.properties) lines.push_back("    " + p);
    lines.push_back("END " + b.kind);
  }
  return pemo::menufile::encodeLines(lines);
}

Block button(const std::string& link, const std::string& style = "0", const std::string& index = "1") {
  return {"BUTTON", {"INDEX=" + index, "CAPTION=b" + index, "LINK=" + link, "STYLE=" + style}};
}

struct Files {
  std::map<std::string, std::string> bytes;
  std::map<std::string, int> reads;
  MenuFileReader reader() {
    return [this](const std::string& p) -> std::optional<std::string> {
      ++reads[p];
      auto it = bytes.find(p);
      if (it == bytes.end()) return std::nullopt;
      return it->second;
    };
  }
};

}  // namespace

TEST(MenuTreeScan, MenusProgramsAndMissingFilesInFileOrder) {
  Files files;
  files.bytes = {
      {"TOP.FIL", menu("top", {button("A.FIL", "0", "1"), button("prog.exe /a=b", "1", "2"),
                               button("PEMO.EXE B.fil", "0", "3"), button("C.FIL", "0", "4"),
                               {"IMAGE", {"INDEX=7", "CAPTION=pic", "LINK=viewer.exe", "STYLE=4"}},
                               {"RADIO", {"INDEX=1", "CAPTION=r", "LINK=radio.exe"}},
                               {"IMAGE", {"CAPTION=pic2", "LINK=v2.exe"}}})},
      {"A.FIL", menu("a", {button("TOP.FIL"), button("x.exe", "2", "2"), button("y.exe", "4", "3"),
                           button("", "0", "4"), button("z.exe", "5", "5")})},
      {"B.fil", menu("b", {})},
  };
  auto tree = scanMenuTree("TOP.FIL", files.reader());
  ASSERT_EQ(tree.nodes.size(), 8u);
  EXPECT_FALSE(tree.cut);
  auto expect = [&](int n, int parent, const std::string& file, const std::string& caption, Kind kind,
                    const std::string& tag = "") {
    const MenuTreeNode& node = tree.nodes[n - 1];
    EXPECT_EQ(node.parent, parent) << n;
    EXPECT_EQ(node.file, file) << n;
    EXPECT_EQ(node.caption, caption) << n;
    EXPECT_EQ(node.kind, kind) << n;
    EXPECT_EQ(node.programTag, tag) << n;
  };
  expect(1, 0, "TOP.FIL", "top", Kind::Root);
  expect(2, 1, "A.FIL", "a", Kind::LinkedMenu);
  // In A: the link back to the top is a cycle; STYLE 2 and 4 and an empty link give no
  // program; STYLE 5 does.
  expect(3, 2, "z.exe", "b5", Kind::Program, "2,5,5");
  // The whole link, later "=" included.
  expect(4, 1, "prog.exe /a=b", "b2", Kind::Program, "2,2,1");
  expect(5, 1, "B.fil", "b", Kind::LinkedMenu);
  expect(6, 1, "C.FIL", "(ﾌｧｲﾙなし) C.FIL", Kind::MissingMenu);
  // An image gives a program whatever its style; a radio button never does.
  expect(7, 1, "viewer.exe", "pic", Kind::Program, "4,7,4");
  // A block without INDEX keeps the one read last.
  expect(8, 1, "v2.exe", "pic2", Kind::Program, "4,1,");
}

TEST(MenuTreeScan, CyclesRepeatsAndFilesWithoutCaption) {
  Files files;
  files.bytes = {
      {"ONE.FIL", menu("one", {button("TWO.FIL"), button("THREE.FIL")})},
      {"TWO.FIL", menu("two", {button("THREE.FIL")})},
      {"THREE.FIL", menu("three", {button("one.fil")})},
      {"BARE.FIL", pemo::menufile::encodeLines({"BEGIN MENU", "END MENU", "BEGIN BUTTON", "LINK=ONE.FIL", "END BUTTON"})},
  };
  auto tree = scanMenuTree("ONE.FIL", files.reader());
  // Three files in a cycle: each is entered once per path, never twice on one path;
  // a file linked twice shows twice, each with its subtree.
  ASSERT_EQ(tree.nodes.size(), 4u);
  EXPECT_EQ(tree.nodes[1].file, "TWO.FIL");
  EXPECT_EQ(tree.nodes[2].file, "THREE.FIL");
  EXPECT_EQ(tree.nodes[2].parent, 2);
  EXPECT_EQ(tree.nodes[3].file, "THREE.FIL");
  EXPECT_EQ(tree.nodes[3].parent, 1);

  EXPECT_TRUE(scanMenuTree("BARE.FIL", files.reader()).nodes.empty()) << "no caption, no node, no children";
  EXPECT_TRUE(scanMenuTree("GONE.FIL", files.reader()).nodes.empty()) << "a missing start file gives nothing";
  EXPECT_TRUE(scanMenuTree("", files.reader()).nodes.empty());
}

TEST(MenuTreeScan, StopsAtTheNodeLimitAndReadsEachFileOnce) {
  // Each level links the next one twice: without a cycle the tree doubles per level.
  Files files;
  for (int level = 0; level < 20; ++level) {
    std::string next = "L" + std::to_string(level + 1) + ".FIL";
    files.bytes["L" + std::to_string(level) + ".FIL"] = menu("l", {button(next), button(next)});
  }
  auto tree = scanMenuTree("L0.FIL", files.reader(), 1000);
  EXPECT_EQ(tree.nodes.size(), 1000u);
  EXPECT_TRUE(tree.cut);
  for (const auto& [file, count] : files.reads) EXPECT_EQ(count, 1) << file;

  // One file with more programs than the limit: cut there all the same.
  std::vector<Block> programs;
  for (int i = 0; i < 30; ++i) programs.push_back(button("p.exe", "0", std::to_string(i)));
  files.bytes["WIDE.FIL"] = menu("wide", programs);
  tree = scanMenuTree("WIDE.FIL", files.reader(), 10);
  EXPECT_EQ(tree.nodes.size(), 10u);
  EXPECT_TRUE(tree.cut);
  EXPECT_EQ(tree.nodes.back().programTag, "2,8,0");

  // Small enough to end: every path is there, and the missing file at the bottom shows
  // under each of its parents while it is read once.
  files.bytes["L3.FIL"] = menu("l", {button("GONE.FIL"), button("x.exe", "0", "2")});
  files.reads.clear();
  tree = scanMenuTree("L0.FIL", files.reader());
  EXPECT_FALSE(tree.cut);
  ASSERT_EQ(tree.nodes.size(), 1u + 2 + 4 + 8 * 3);
  EXPECT_EQ(files.reads, (std::map<std::string, int>{{"L0.FIL", 1}, {"L1.FIL", 1}, {"L2.FIL", 1}, {"L3.FIL", 1},
                                                      {"GONE.FIL", 1}}));
  EXPECT_EQ(tree.nodes[3].file, "L3.FIL");
  EXPECT_EQ(tree.nodes[4].kind, Kind::MissingMenu);
  EXPECT_EQ(tree.nodes[4].parent, 4);
  EXPECT_EQ(tree.nodes[5].kind, Kind::Program);
  EXPECT_EQ(tree.nodes[5].parent, 4);
  EXPECT_EQ(tree.nodes.back().kind, Kind::Program);
}

int folderLooks = 0;
std::optional<pemo::fs::detail::FolderTimes> countedFolderTimes(const std::filesystem::path& folder) {
  ++folderLooks;
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) return std::nullopt;
  return pemo::fs::detail::FolderTimes{status.st_mtim, status.st_ctim};
}

TEST(MenuTreeScan, AMissingMenuFileCostsOneLookAtItsFolder) {
  pemo::testing::TempDir dir;
  ASSERT_TRUE(pemo::fs::mapDrive('M', dir.path()));
  std::vector<Block> links;
  for (int i = 0; i < 100; ++i) links.push_back(button("M:\\GONE" + std::to_string(i) + ".FIL"));
  pemo::testing::writeFileBytes(dir / "start.fil", menu("start", links));
  std::filesystem::last_write_time(dir.path(), std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));

  folderLooks = 0;
  pemo::fs::detail::useFolderTimesReader(countedFolderTimes);
  const auto tree = scanMenuTree("M:\\START.FIL", fileSystemMenuReader("M:"));
  pemo::fs::detail::useFolderTimesReader(nullptr);
  ASSERT_EQ(tree.nodes.size(), 101u);
  EXPECT_EQ(tree.nodes[100].kind, Kind::MissingMenu);
  EXPECT_LE(folderLooks, 100 + 2) << "a file found missing is not looked up a second time";
  pemo::fs::unmapDrive('M');
}

TEST(MenuTreeScan, ProgramNodeTagsTakeApartAsWholeNumbers) {
  auto tag = parseProgramNodeTag("2,5,0");
  EXPECT_EQ(tag.kind, 2);
  EXPECT_EQ(tag.index, 5);
  EXPECT_EQ(tag.style, 0);
  tag = parseProgramNodeTag("3,,");
  EXPECT_EQ(tag.kind, 3);
  EXPECT_EQ(tag.index, 0);
  EXPECT_EQ(tag.style, 0);
  tag = parseProgramNodeTag("1,2.5,99999999999");
  EXPECT_EQ(tag.index, 2);
  EXPECT_EQ(tag.style, 0) << "beyond a whole number reads as none";
}
