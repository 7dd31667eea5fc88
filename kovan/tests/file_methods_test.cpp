#include <gtest/gtest.h>

#include "kovan/kovan.h"
#include "platform/fs/fs.h"
#include "platform/testing/temp_dir.h"
#include "platform/text/cp932.h"

namespace pemo::kovan {
namespace {

using pemo::testing::readFileBytes;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

// Puts the configuration folder on its own drive W:, so the Windows folder is
// "W:\pemo\windows" and a name starting with "\" lands in the configuration folder.
class WindowsDriveTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(fs::mapDrive('W', fs::configHome())); }
  std::filesystem::path config() const { return fs::configHome(); }
};

TEST_F(WindowsDriveTest, WindowsAndSystemFolderCodes) {
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.GetWinSysDir(0), "W:\\");
  EXPECT_EQ(k.GetWinSysDir(1), "W:\\pemo\\windows\\");
  EXPECT_EQ(k.GetWinSysDir(2), "W:\\pemo\\windows\\system\\");
  EXPECT_EQ(k.GetWinSysDir(3), "");
  EXPECT_EQ(k.GetWinSysDir(50), "W:");
  EXPECT_EQ(k.GetWinSysDir(51), "W:\\pemo\\windows");
  EXPECT_EQ(k.GetWinSysDir(52), "W:\\pemo\\windows\\system");
  EXPECT_EQ(k.GetWinSysDir(-1), "");
  EXPECT_TRUE(std::filesystem::is_directory(config() / "pemo" / "windows" / "system"));
}

TEST_F(WindowsDriveTest, IniPathRule) {
  KOVAN& k = KovanObject();
  TempDir other;
  ASSERT_TRUE(fs::mapDrive('D', other.path()));
  std::filesystem::create_directory(other / "m");

  EXPECT_EQ(k.SetIni("x.ini", "S", "k", "in windows"), 0);
  EXPECT_EQ(k.SetIni("\\x.ini", "S", "k", "at the root"), 0);
  EXPECT_EQ(k.SetIni("D:\\m\\x.ini", "S", "k", "on D"), 0);
  EXPECT_EQ(k.SetIni((other / "host.ini").string(), "S", "k", "host path"), 0);
  EXPECT_EQ(readFileBytes(config() / "pemo" / "windows" / "x.ini"), "[S]\r\nk=in windows\r\n");
  EXPECT_EQ(readFileBytes(config() / "x.ini"), "[S]\r\nk=at the root\r\n");
  EXPECT_EQ(readFileBytes(other / "m" / "x.ini"), "[S]\r\nk=on D\r\n");
  EXPECT_EQ(readFileBytes(other / "host.ini"), "[S]\r\nk=host path\r\n");

  EXPECT_EQ(k.GetIni("X.INI", "s", "K"), "in windows");
  EXPECT_EQ(k.GetIni("\\X.INI", "s", "K"), "at the root");
  EXPECT_EQ(k.GetIni("d:\\M\\X.INI", "s", "K"), "on D");
  EXPECT_EQ(k.GetIni((other / "host.ini").string(), "S", "k"), "host path");
  EXPECT_EQ(k.GetIni("x.ini", "S", "missing"), "");
  EXPECT_EQ(k.GetIni("none.ini", "S", "k"), "");

  // A write that cannot reach its file is reported.
  EXPECT_EQ(k.SetIni("D:\\no such folder\\x.ini", "S", "k", "v"), 1);
  EXPECT_EQ(k.SetIni("Q:\\x.ini", "S", "k", "v"), 1);
  EXPECT_EQ(k.SetIni("x.ini", "S", "k", "two\nlines"), 1);
  EXPECT_EQ(k.GetIni("x.ini", "S", "k"), "in windows");
}

TEST(IniMethods, CodePage932FilesKeepTheLinesNotTouched) {
  KOVAN& k = KovanObject();
  TempDir dir;
  const auto file = dir / "menu.ini";
  // Half-width katakana section names and a "ゾ" (0x83 0x5D) in a comment and a value.
  const std::string folders = text::utf8ToCp932("[ﾌｧｲﾙﾃﾞｨﾚｸﾄﾘ]");
  const std::string settings = text::utf8ToCp932("[ﾌｧｲﾙ設定]");
  const std::string before = "; \x83\x5D comment\n" + folders + "\r\nMENU=*DATA\r\nLOG = C:\\LOG \r\n" +
                             settings + "\r\nDATA=\"C:\\\x83\x5D\"\r\nOTHER=1\n";
  writeFileBytes(file, before);

  EXPECT_EQ(k.GetMasterIniData(file.string(), "menu", 0), "C:\\ゾ");
  EXPECT_EQ(k.GetMasterIniData(file.string(), "LOG", 0), "C:\\LOG");
  EXPECT_EQ(k.GetMasterIniData(file.string(), "DATA", 1), "C:\\ゾ");
  EXPECT_EQ(k.GetMasterIniData(file.string(), "MENU", 2), "*DATA");
  EXPECT_EQ(k.GetMasterIniData(file.string(), "MENU", 3), "");
  EXPECT_EQ(k.GetMasterIniData((dir / "none.ini").string(), "MENU", 0), "");

  EXPECT_EQ(k.SetIni(file.string(), "ﾌｧｲﾙ設定", "data", "D:\\新"), 0);
  EXPECT_EQ(k.SetIni(file.string(), "ﾌｧｲﾙ設定", "NEW", "ゾ"), 0);
  EXPECT_EQ(readFileBytes(file), "; \x83\x5D comment\n" + folders + "\r\nMENU=*DATA\r\nLOG = C:\\LOG \r\n" +
                                     settings + "\r\nDATA=D:\\\x90\x56\r\nOTHER=1\nNEW=\x83\x5D\r\n");
  EXPECT_EQ(k.GetMasterIniData(file.string(), "MENU", 0), "D:\\新");

  // Reads are cut to the 255-byte buffer with its closing NUL.
  EXPECT_EQ(k.SetIni(file.string(), "S", "long", std::string(300, 'x')), 0);
  EXPECT_EQ(k.GetIni(file.string(), "S", "long"), std::string(254, 'x'));
}

TEST(FolderMethods, PathsAndFolders) {
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.GetAppPath("C:\\MENU"), "C:\\MENU\\");
  EXPECT_EQ(k.GetAppPath("C:\\"), "C:\\");
  EXPECT_EQ(k.GetAppPath(""), "\\");

  std::string folder = "unchanged";
  EXPECT_EQ(k.GetFileNameFromPath("C:\\a\\b.fil", folder), "b.fil");
  EXPECT_EQ(folder, "C:\\a");
  EXPECT_EQ(k.GetFileNameFromPath("C:\\b.fil", folder), "b.fil");
  EXPECT_EQ(folder, "C:\\");
  folder = "unchanged";
  EXPECT_EQ(k.GetFileNameFromPath("b.fil", folder), "b.fil");
  EXPECT_EQ(folder, "unchanged");
  EXPECT_EQ(k.GetFileNameFromPath("a/b", folder), "b");
  EXPECT_EQ(folder, "a");
  EXPECT_EQ(k.GetFileNameFromPath("C:\\日本\\表.fil", folder), "表.fil");
  EXPECT_EQ(folder, "C:\\日本");

  EXPECT_EQ(k.GetFileVersion("C:\\bin\\sh"), "");
}

TEST(FolderMethods, CreateFolderLeavesTheCurrentFolderAtItsTarget) {
  KOVAN& k = KovanObject();
  TempDir dir;
  ASSERT_TRUE(fs::mapDrive('M', dir.path()));
  std::filesystem::create_directory(dir / "X");

  EXPECT_EQ(k.CreateFolder("M:\\x\\Y"), 0);  // "x" finds the existing "X"
  EXPECT_TRUE(std::filesystem::is_directory(dir / "X" / "Y"));
  EXPECT_EQ(fs::currentDrive(), 'M');
  EXPECT_EQ(fs::currentFolder(), "M:\\X\\Y");
  EXPECT_EQ(std::filesystem::current_path(), dir / "X" / "Y");

  EXPECT_EQ(k.CreateFolder("M:\\new\\deep\\er\\"), 0);
  EXPECT_EQ(fs::currentFolder(), "M:\\new\\deep\\er");
  EXPECT_EQ(k.CreateFolder("sub"), 0);  // from the current folder
  EXPECT_EQ(fs::currentFolder(), "M:\\new\\deep\\er\\sub");
  EXPECT_EQ(k.CreateFolder((dir / "host").string()), 0);  // a host path is absolute
  EXPECT_TRUE(std::filesystem::is_directory(dir / "host"));
  EXPECT_EQ(fs::currentFolder(), "M:\\host");

  EXPECT_EQ(k.CreateFolder("Q:\\X"), 1);  // no such drive
  EXPECT_EQ(fs::currentFolder(), "M:\\host");
  EXPECT_EQ(k.CreateFolder(""), 1);
  EXPECT_EQ(k.CreateFolder("M:\\bad?name"), 1);
  writeFileBytes(dir / "file", "");
  EXPECT_EQ(k.CreateFolder("M:\\file\\below"), 1);
  ASSERT_EQ(::chdir("/"), 0);
}

TEST(DiskMethods, SpaceAndDriveKinds) {
  KOVAN& k = KovanObject();
  TempDir dir;
  ASSERT_TRUE(fs::mapDrive('M', dir.path()));
  double total = -5;
  const double bytes = k.GetDiskSpace("m", 0, total);
  EXPECT_GT(bytes, 0);
  EXPECT_GE(total, bytes);
  double totalAgain = 0;
  EXPECT_NEAR(k.GetDiskSpace("M:\\anything", 2, totalAgain), bytes / 1e6, bytes / 1e6 * 0.01 + 1);
  EXPECT_EQ(totalAgain, total);  // always in bytes
  EXPECT_NEAR(k.GetDiskSpace("M", 1, totalAgain), bytes / 1e3, bytes / 1e3 * 0.01 + 1);
  EXPECT_NEAR(k.GetDiskSpace("M", 3, totalAgain), bytes / 1e9, 0.01);

  double untouched = 7;
  EXPECT_EQ(k.GetDiskSpace("", 0, untouched), -1);
  EXPECT_EQ(k.GetDiskSpace("Q", 0, untouched), -1);
  EXPECT_EQ(k.GetDiskSpace("1", 0, untouched), -1);
  EXPECT_EQ(untouched, 7);

  const int32_t kind = k.GetDriveType("m:\\");
  EXPECT_TRUE(kind == 3 || kind == 6) << kind;  // fixed, or a RAM disk for a tmpfs /tmp
  EXPECT_EQ(k.GetDriveType("Q"), 1);
  EXPECT_EQ(k.GetDriveType(""), 1);
  std::filesystem::remove(dir.path());
  EXPECT_EQ(k.GetDriveType("M"), 1);  // its folder is gone
}

}  // namespace
}  // namespace pemo::kovan

namespace pemo::kovan {
namespace {

TEST(DiskMethods, SharedProgramFoldersFromTheRegistry) {
  KOVAN& k = KovanObject();
  EXPECT_EQ(k.GetProgramFilesDir(), "");  // nothing recorded yet
  int32_t disposition = 0;
  const int32_t key = k.RegCreateKey(
      "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion", "", 0, disposition);
  ASSERT_NE(key, -1);
  k.RegSetValue(key, "Other", 1, "x");
  k.RegSetValue(key, "ProgramFilesDir", 1, "C:\\Program Files");
  k.RegSetValue(key, "CommonFilesDir", 1, "C:\\Program Files\\Common Files");
  k.RegCloseKey(key);
  EXPECT_EQ(k.GetProgramFilesDir(), "C:\\Program Files\\");
  EXPECT_EQ(k.GetProgramFilesDir(1), "C:\\Program Files\\");
  EXPECT_EQ(k.GetCommonFilesDir(), "C:\\Program Files\\Common Files\\");
}

}  // namespace
}  // namespace pemo::kovan
