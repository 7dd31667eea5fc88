#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/fs/fs.h"
#include "platform/testing/temp_dir.h"

namespace pemo::fs {
namespace {

using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

TEST(Drives, DriveFolderStartsWithCAtRootAndFollowsConfigHome) {
  EXPECT_EQ(drivesFolder(), configHome() / "pemo" / "drives");
  EXPECT_EQ(driveTarget('c'), std::filesystem::path("/"));
  EXPECT_EQ(driveTarget('C'), std::filesystem::path("/"));
  EXPECT_EQ(driveLetters(), std::vector<char>{'C'});
  EXPECT_FALSE(driveTarget('Q').has_value());

  TempDir other;
  setenv("XDG_CONFIG_HOME", other.path().c_str(), 1);
  EXPECT_EQ(drivesFolder(), other.path() / "pemo" / "drives");
  EXPECT_TRUE(std::filesystem::is_symlink(other.path() / "pemo" / "drives" / "c:"));
  EXPECT_EQ(hostSystemFolder(), other.path() / "pemo" / "windows" / "system");
  EXPECT_TRUE(std::filesystem::is_directory(hostSystemFolder()));
}

TEST(Paths, NamesMatchWithoutRegardToCaseWhenTheExactNameIsMissing) {
  TempDir tree;
  std::filesystem::create_directories(tree / "home" / "u");
  writeFileBytes(tree / "home" / "u" / "menu.fil", "x");
  ASSERT_TRUE(mapDrive('m', tree.path()));

  EXPECT_EQ(toHostPath("M:\\Home\\U\\Menu.FIL"), (tree / "home" / "u" / "menu.fil").string());
  EXPECT_EQ(toHostPath("m:/home/u/menu.fil"), (tree / "home" / "u" / "menu.fil").string());
  EXPECT_EQ(absoluteWindowsPath("M:\\HOME\\U\\MENU.FIL"), "M:\\home\\u\\menu.fil");
  // A name that does not exist yet keeps its spelling, so new files can be made.
  EXPECT_EQ(toHostPath("M:\\HOME\\New\\A.txt"), (tree / "home" / "New" / "A.txt").string());
  EXPECT_TRUE(fileExists("M:\\HOME\\U\\MENU.FIL"));
  EXPECT_TRUE(folderExists("m:\\home\\U"));
  EXPECT_FALSE(fileExists("M:\\HOME\\U"));
  EXPECT_FALSE(pathExists("M:\\HOME\\U\\OTHER.FIL"));
  // An exact name wins over a name that differs only by case.
  writeFileBytes(tree / "home" / "u" / "Menu.fil", "y");
  EXPECT_EQ(toHostPath("M:\\home\\u\\Menu.fil"), (tree / "home" / "u" / "Menu.fil").string());
  EXPECT_EQ(toHostPath("M:\\home\\u\\MENU.FIL"), (tree / "home" / "u" / "Menu.fil").string());

  EXPECT_FALSE(toHostPath("Q:\\x").has_value());
  EXPECT_FALSE(toHostPath("\\\\server\\share\\x").has_value());
  EXPECT_FALSE(toHostPath("").has_value());
  EXPECT_FALSE(toHostPath("1:\\x").has_value());
}

TEST(Paths, HostPathsMapBackThroughTheLongestDrivePrefix) {
  EXPECT_EQ(toWindowsPath("/tmp/a b/x.fil"), "C:\\tmp\\a b\\x.fil");
  EXPECT_EQ(toHostPath("C:\\tmp\\a b\\x.fil"), "/tmp/a b/x.fil");
  EXPECT_EQ(toWindowsPath("/"), "C:\\");
  EXPECT_EQ(toWindowsPath("/home/u/m.fil"), "C:\\home\\u\\m.fil");
  EXPECT_EQ(toWindowsPath("/home/u/sub/"), "C:\\home\\u\\sub");
  EXPECT_EQ(toHostPath("/already/host"), "/already/host");

  TempDir tree;
  std::filesystem::create_directories(tree / "data" / "menus");
  ASSERT_TRUE(mapDrive('D', tree / "data"));
  EXPECT_EQ(toWindowsPath((tree / "data" / "menus" / "a.fil").string()), "D:\\menus\\a.fil");
  EXPECT_EQ(toWindowsPath((tree / "data").string()), "D:\\");
  EXPECT_EQ(toWindowsPath((tree / "database").string()).substr(0, 3), "C:\\");
  // A drive reached through a symbolic link covers the real location as well.
  std::filesystem::create_directory_symlink(tree / "data", tree / "link");
  ASSERT_TRUE(mapDrive('E', tree / "link"));
  EXPECT_EQ(toWindowsPath((tree / "link" / "menus").string()), "E:\\menus");
  EXPECT_TRUE(unmapDrive('E'));
  EXPECT_FALSE(driveTarget('E').has_value());
}

TEST(Paths, RelativeFormsResolveAgainstCurrentFolders) {
  TempDir tree;
  std::filesystem::create_directories(tree / "a" / "b");
  ASSERT_TRUE(mapDrive('M', tree.path()));
  ASSERT_TRUE(changeFolder("M:\\A\\B"));
  ASSERT_TRUE(changeDrive('M'));

  EXPECT_EQ(absoluteWindowsPath("x.fil"), "M:\\a\\b\\x.fil");
  EXPECT_EQ(absoluteWindowsPath("..\\x.fil"), "M:\\a\\x.fil");
  EXPECT_EQ(absoluteWindowsPath("\\x.fil"), "M:\\x.fil");
  EXPECT_EQ(absoluteWindowsPath("M:y\\.\\z"), "M:\\a\\b\\y\\z");
  EXPECT_EQ(absoluteWindowsPath("C:\\..\\.."), "C:\\");
  EXPECT_EQ(toWindowsPath("rel/x"), "M:\\a\\b\\rel\\x");
}

TEST(Paths, WindowsAndSystemFoldersLiveUnderTheConfigFolder) {
  EXPECT_EQ(toHostPath(windowsFolder()), (configHome() / "pemo" / "windows").string());
  EXPECT_EQ(toHostPath(systemFolder()), (configHome() / "pemo" / "windows" / "system").string());
  EXPECT_TRUE(folderExists(systemFolder()));
  EXPECT_TRUE(isAbsoluteWindowsPath(windowsFolder()));
  EXPECT_FALSE(isAbsoluteWindowsPath("C:x"));
  EXPECT_TRUE(isHostPath("/x"));
  EXPECT_FALSE(isHostPath("\\x"));
}

TEST(Paths, FolderPathsAreClosedAndCut) {
  EXPECT_EQ(withClosingBackslash("C:\\A"), "C:\\A\\");
  EXPECT_EQ(withClosingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(withClosingBackslash(""), "\\");
  const FolderAndName file = splitFolderAndName("C:\\表\\*.TXT");
  EXPECT_EQ(file.folder, "C:\\表");
  EXPECT_EQ(file.name, "*.TXT");
  EXPECT_EQ(splitFolderAndName("C:/x").folder, "C:\\");  // the drive's root, closed
  EXPECT_EQ(splitFolderAndName("x.txt").folder, std::nullopt);
  EXPECT_EQ(splitFolderAndName("x.txt").name, "x.txt");
}

}  // namespace
}  // namespace pemo::fs
