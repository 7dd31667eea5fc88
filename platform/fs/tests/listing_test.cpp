#include <gtest/gtest.h>

#include "platform/fs/fs.h"
#include "platform/testing/temp_dir.h"

namespace pemo::fs {
namespace {

using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

TEST(Wildcards, StarAndQuestionMarkWithoutRegardToCase) {
  EXPECT_TRUE(matchesWildcard("MENU.FIL", "*.fil"));
  EXPECT_TRUE(matchesWildcard("menu.fil", "M?NU.*"));
  EXPECT_TRUE(matchesWildcard("ａｂ.fil", "Ａ?.FIL"));  // full-width letters, one character each
  EXPECT_TRUE(matchesWildcard("README", "*.*"));
  EXPECT_TRUE(matchesWildcard("a.b.c", "*.c"));
  EXPECT_FALSE(matchesWildcard("menu.fil", "*.fi"));
  EXPECT_FALSE(matchesWildcard("menu.fil", "?.fil"));
  EXPECT_FALSE(matchesWildcard("", "?"));
  EXPECT_TRUE(matchesWildcard("", "*"));
  EXPECT_TRUE(matchesWildcard("abcbd", "a*b?"));
  EXPECT_FALSE(matchesWildcard("abcbde", "a*b?"));
  // Many stars against a long name that nearly matches answer at once.
  const std::string pattern = "*A*A*A*A*A*A*A*A*A*A*A*A*B";
  EXPECT_FALSE(matchesWildcard(std::string(200, 'a'), pattern));
  EXPECT_TRUE(matchesWildcard(std::string(200, 'a') + "b", pattern));
}

TEST(Listing, MatchingEntriesSortedWithoutRegardToCase) {
  TempDir tree;
  writeFileBytes(tree / "b.FIL", "");
  writeFileBytes(tree / "A.fil", "");
  writeFileBytes(tree / "c.txt", "");
  std::filesystem::create_directory(tree / "Sub.fil");
  ASSERT_TRUE(mapDrive('T', tree.path()));

  const auto entries = listFolder("T:\\*.FIL");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "A.fil");
  EXPECT_EQ(entries[1].name, "b.FIL");
  EXPECT_EQ(entries[2].name, "Sub.fil");
  EXPECT_TRUE(entries[2].isFolder);
  EXPECT_FALSE(entries[0].isFolder);
  EXPECT_EQ(listFolder("T:\\").size(), 4u);
  EXPECT_EQ(listFolder((tree.path().string() + "/c.*")).size(), 1u);
  EXPECT_TRUE(listFolder("T:\\missing\\*.*").empty());
}

}  // namespace
}  // namespace pemo::fs
