#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>

#include "platform/fs/fs.h"
#include "platform/profile/private_profile.h"
#include "platform/testing/temp_dir.h"

namespace pemo::profile {
namespace {

using pemo::testing::readFileBytes;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

TEST(PrivateProfile, FilesByBareNameWindowsPathAndHostPath) {
  TempDir tree;
  ASSERT_TRUE(fs::mapDrive('D', tree.path()));
  EXPECT_TRUE(writeProfileString("S", "k", "bare", "App.ini"));
  EXPECT_EQ(readFileBytes(fs::hostWindowsFolder() / "App.ini"), "[S]\r\nk=bare\r\n");
  EXPECT_EQ(readProfileString("s", "K", "", "APP.INI"), "bare");

  std::filesystem::create_directory(tree / "m");
  EXPECT_TRUE(writeProfileString("S", "k", "drive", "D:\\M\\x.ini"));
  EXPECT_EQ(readFileBytes(tree / "m" / "x.ini"), "[S]\r\nk=drive\r\n");
  EXPECT_EQ(readProfileString("S", "k", "", (tree / "m" / "x.ini").string()), "drive");
  EXPECT_EQ(readProfileInt("S", "k", 7, "D:\\m\\x.ini"), 0);
  EXPECT_EQ(readProfileInt("S", "missing", 7, "D:\\m\\x.ini"), 7);
  ASSERT_TRUE(writeProfileString("N", "big", "99999999999999999999999", "D:\\m\\n.ini"));
  ASSERT_TRUE(writeProfileString("N", "small", "-99999999999999999999999", "D:\\m\\n.ini"));
  ASSERT_TRUE(writeProfileString("N", "plain", "-42", "D:\\m\\n.ini"));
  EXPECT_EQ(readProfileInt("N", "big", 7, "D:\\m\\n.ini"), LONG_MAX);
  EXPECT_EQ(readProfileInt("N", "small", 7, "D:\\m\\n.ini"), LONG_MIN);
  EXPECT_EQ(readProfileInt("N", "plain", 7, "D:\\m\\n.ini"), -42);
  EXPECT_EQ(readProfileSectionNames("D:\\m\\x.ini"), std::vector<std::string>{"S"});
  EXPECT_EQ(readProfileKeyNames("s", "D:\\m\\x.ini"), std::vector<std::string>{"k"});

  EXPECT_EQ(readProfileString("S", "k", "default", "D:\\m\\none.ini"), "default");
  EXPECT_EQ(readProfileString("S", "k", "default", "Q:\\x.ini"), "default");
}

TEST(PrivateProfile, ReadsAreCutToTheBufferInCodePage932Bytes) {
  TempDir tree;
  const auto file = (tree / "cut.ini").string();
  ASSERT_TRUE(writeProfileString("S", "k", std::string(300, 'a'), file));
  EXPECT_EQ(readProfileString("S", "k", "", file).size(), 255u);
  EXPECT_EQ(readProfileString("S", "k", "", file, 11), std::string(10, 'a'));
  ASSERT_TRUE(writeProfileString("S", "k", "aあい", file));
  EXPECT_EQ(readProfileString("S", "k", "", file, 5), "aあ");  // 4 bytes would split い
  EXPECT_EQ(readProfileString("S", "k", "", file, 4), "aあ");
  EXPECT_EQ(readProfileString("S", "k", "", file, 3), "a");
  EXPECT_EQ(readProfileString("S", "k", "", file, 0), "");
  EXPECT_EQ(readProfileString("S", "none", "default", file, 4), "def");
}

TEST(PrivateProfile, WritesAreAtomicAndRefuseWhatTheFileCannotHold) {
  TempDir tree;
  const auto file = tree / "app.ini";
  writeFileBytes(file, "; settings\n[S]\nk=old\n");
  ::chmod(file.c_str(), 0640);
  std::filesystem::create_symlink(file, tree / "link.ini");

  EXPECT_TRUE(writeProfileString("s", "K", "new", (tree / "link.ini").string()));
  EXPECT_TRUE(std::filesystem::is_symlink(tree / "link.ini"));
  EXPECT_EQ(readFileBytes(file), "; settings\n[S]\nk=new\r\n");
  EXPECT_EQ(std::filesystem::status(file).permissions(),
            std::filesystem::perms(0640));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tree.path()),
                          std::filesystem::directory_iterator()),
            2);  // no temporary file left beside it

  const std::string kept = readFileBytes(file);
  EXPECT_FALSE(writeProfileString("S", "", "v", file.string()));
  EXPECT_FALSE(writeProfileString("S", "a=b", "v", file.string()));
  EXPECT_FALSE(writeProfileString("S", "k", "two\r\nlines", file.string()));
  EXPECT_FALSE(writeProfileString("S]", "k", "v", file.string()));
  EXPECT_EQ(readFileBytes(file), kept);

  EXPECT_FALSE(writeProfileString("S", "k", "v", (tree / "missing" / "x.ini").string()));
  EXPECT_FALSE(writeProfileString("S", "k", "v", "Q:\\x.ini"));
  EXPECT_FALSE(writeProfileString("S", "k", "v", ""));

  EXPECT_TRUE(deleteProfileKey("S", "k", file.string()));
  EXPECT_TRUE(deleteProfileSection("S", file.string()));
  EXPECT_EQ(readFileBytes(file), "; settings\n");
}

// A FIFO or a file far larger than any settings file reads as one that cannot be read:
// defaults at once, and no write that would replace it.
TEST(PrivateProfile, WhatIsNoSettingsFileGivesDefaultsAndIsNeverReplaced) {
  TempDir tree;
  const auto fifo = tree / "fifo.ini";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  EXPECT_EQ(readProfileString("S", "k", "default", fifo.string()), "default");
  EXPECT_FALSE(writeProfileString("S", "k", "v", fifo.string()));
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));

  const auto huge = tree / "huge.ini";
  writeFileBytes(huge, "[S]\r\nk=v\r\n");
  std::filesystem::resize_file(huge, kLargestProfileFile + 1);
  EXPECT_EQ(readProfileString("S", "k", "default", huge.string()), "default");
  EXPECT_FALSE(writeProfileString("S", "k", "new", huge.string()));
  EXPECT_EQ(std::filesystem::file_size(huge), kLargestProfileFile + 1);
  std::filesystem::resize_file(huge, kLargestProfileFile);
  EXPECT_EQ(readProfileString("S", "k", "default", huge.string()), "v");
}

TEST(PrivateProfile, NamesReadBackAsTheyWereWritten) {
  TempDir tree;
  const std::string file = (tree / "app.ini").string();
  // Blanks around a name are not part of it: the second write replaces the first.
  for (const char* value : {"1", "2"}) EXPECT_TRUE(writeProfileString(" T\t", " K ", value, file));
  EXPECT_EQ(readFileBytes(file), "[T]\r\nK=2\r\n");
  EXPECT_EQ(readProfileString(" t ", "  k", "", file), "2");
  EXPECT_TRUE(deleteProfileKey("T ", " K", file));
  EXPECT_EQ(readFileBytes(file), "[T]\r\n");

  // A key that would read back as a section header.
  EXPECT_FALSE(writeProfileString("T", "[X]", "2", file));
  EXPECT_FALSE(writeProfileString("T", " [X", "2]", file));
  EXPECT_EQ(readFileBytes(file), "[T]\r\n");
  EXPECT_EQ(readProfileSectionNames(file), std::vector<std::string>{"T"});
  EXPECT_TRUE(writeProfileString("T", "X[1]", "2", file));
  EXPECT_EQ(readProfileString("T", "x[1]", "", file), "2");
}

}  // namespace
}  // namespace pemo::profile
