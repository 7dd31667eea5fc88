#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include "platform/fs/fs.h"
#include "platform/testing/temp_dir.h"

namespace pemo::fs {
namespace {

using pemo::testing::TempDir;

TEST(CurrentFolder, StartsFromTheProcessFolderAndKeepsOnePerDrive) {
  TempDir tree;
  std::filesystem::create_directories(tree / "one" / "Two");
  std::filesystem::create_directories(tree / "d" / "sub");
  ASSERT_EQ(::chdir((tree / "one").c_str()), 0);
  resetCurrentFolders();
  EXPECT_EQ(currentDrive(), 'C');
  EXPECT_EQ(currentFolder(), toWindowsPath((tree / "one").string()));

  ASSERT_TRUE(mapDrive('D', tree / "d"));
  EXPECT_EQ(currentFolder('d'), "D:\\");
  ASSERT_TRUE(changeFolder("D:\\SUB"));
  EXPECT_EQ(currentDrive(), 'C');  // another drive's folder leaves the current drive
  EXPECT_EQ(currentFolder('D'), "D:\\sub");
  EXPECT_EQ(std::filesystem::current_path(), tree / "one");

  ASSERT_TRUE(changeFolder("two"));  // relative, matched without regard to case
  EXPECT_EQ(std::filesystem::current_path(), tree / "one" / "Two");
  EXPECT_TRUE(changeDrive('d'));
  EXPECT_EQ(currentDrive(), 'D');
  EXPECT_EQ(std::filesystem::current_path(), tree / "d" / "sub");
  EXPECT_EQ(currentFolder('C'), toWindowsPath((tree / "one" / "Two").string()));

  EXPECT_FALSE(changeFolder("D:\\missing"));
  EXPECT_FALSE(changeDrive('Q'));
  EXPECT_FALSE(changeDrive('7'));
  EXPECT_EQ(currentFolder(), "D:\\sub");

  // A drive whose folder was removed comes back at its root.
  ASSERT_TRUE(changeDrive('C'));
  std::filesystem::remove(tree / "d" / "sub");
  EXPECT_TRUE(changeDrive('D'));
  EXPECT_EQ(currentFolder(), "D:\\");
  ASSERT_EQ(::chdir("/"), 0);
}

// The folders come from an inherited environment, which may hold anything.
TEST(CurrentFolder, RelativeOrForeignFoldersInTheEnvironmentAreIgnored) {
  TempDir tree;
  std::filesystem::create_directories(tree / "d" / "sub");
  ASSERT_EQ(::chdir(tree.path().c_str()), 0);
  resetCurrentFolders();
  ASSERT_TRUE(mapDrive('D', tree / "d"));
  setenv("PEMO_FOLDER_D", "D:sub", 1);
  EXPECT_EQ(currentFolder('D'), "D:\\");
  EXPECT_EQ(parseWindowsPath("D:x")->text(), "D:\\x");
  setenv("PEMO_FOLDER_D", "C:\\", 1);
  EXPECT_EQ(currentFolder('D'), "D:\\");
  setenv("PEMO_CURRENT_FOLDER", "sub", 1);
  EXPECT_EQ(currentFolder(), toWindowsPath(tree.path().string()));
  resetCurrentFolders();
  ASSERT_EQ(::chdir("/"), 0);
}

}  // namespace
}  // namespace pemo::fs
