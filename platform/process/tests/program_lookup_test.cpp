#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/process/file_filters.h"
#include "platform/process/process.h"
#include "platform/fs/windows_path.h"
#include "platform/testing/temp_dir.h"

namespace p = pemo::process;
namespace fs = std::filesystem;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

namespace {
// The Windows form of a host path, as menus name files.
std::string win(const fs::path& host) { return pemo::fs::toWindowsPath(host.string()); }

void makeExecutable(const fs::path& file) {
  writeFileBytes(file, "#!/bin/sh\n");
  chmod(file.c_str(), 0755);
}
}  // namespace

TEST(ProgramLookup, FindsProgramsWithoutRegardToCaseAndBesideTheirWindowsName) {
  TempDir dir;
  fs::create_directories(dir / "Tools");
  makeExecutable(dir / "Tools" / "pemo");
  makeExecutable(dir / "Tools" / "Report");
  writeFileBytes(dir / "Tools" / "Readme.TXT", "hello");
  std::string tools = win(dir / "TOOLS");
  p::LookupFolders none;

  auto plan = p::planLaunch("\"" + win(dir / "TOOLS" / "PEMO.EXE") + "\" \\MENU\\B.FIL", none, p::existingHostPath);
  ASSERT_EQ(plan.argv.size(), 2u) << plan.error;
  EXPECT_EQ(plan.argv[0], (dir / "Tools" / "pemo").string());
  EXPECT_EQ(plan.argv[1], "\\MENU\\B.FIL");

  // A bare name is looked for in the program folder first, any letter case.
  plan = p::planLaunch("REPORT a", p::LookupFolders{dir / "Tools", {}}, p::existingHostPath);
  ASSERT_FALSE(plan.argv.empty()) << plan.error;
  EXPECT_EQ(plan.argv[0], (dir / "Tools" / "Report").string());
  EXPECT_FALSE(plan.opener);

  // A document opens with the desktop's opener.
  plan = p::planLaunch(tools + "\\readme.txt", none, p::existingHostPath);
  ASSERT_EQ(plan.argv.size(), 2u) << plan.error;
  EXPECT_EQ(fs::path(plan.argv[0]).filename(), "xdg-open");
  EXPECT_EQ(plan.argv[1], (dir / "Tools" / "Readme.TXT").string());
  EXPECT_TRUE(plan.opener) << "the opener's exit tells whether the document was shown";

  // A document named like a program is not run.
  writeFileBytes(dir / "Tools" / "data.exe", "not a program");
  plan = p::planLaunch(tools + "\\DATA.EXE", none, p::existingHostPath);
  EXPECT_EQ(fs::path(plan.argv.at(0)).filename(), "xdg-open");

  plan = p::planLaunch(tools + "\\missing.exe", none, p::existingHostPath);
  EXPECT_TRUE(plan.argv.empty());
  EXPECT_FALSE(plan.error.empty());
  EXPECT_TRUE(p::planLaunch("   ", none, p::existingHostPath).argv.empty());

  // A name of ten megabytes (a damaged run list) is in no folder, found out at once.
  plan = p::planLaunch(std::string(10 << 20, 'x'), p::LookupFolders{dir / "Tools", dir / "Tools"}, p::existingHostPath);
  EXPECT_TRUE(plan.argv.empty());
  EXPECT_FALSE(plan.error.empty());
}

TEST(ProgramLookup, WindowsProgramsHaveTheirCounterparts) {
  TempDir dir;
  auto plan = p::planLaunch("C:\\WINDOWS\\EXPLORER.EXE " + dir.path().string(), {}, p::existingHostPath);
  ASSERT_EQ(plan.argv.size(), 2u) << plan.error;
  EXPECT_EQ(fs::path(plan.argv[0]).filename(), "xdg-open");
  EXPECT_EQ(plan.argv[1], dir.path().string());

  setenv("PEMO_TEXT_EDITOR", "/bin/cat", 1);
  writeFileBytes(dir / "Notes.txt", "x");
  plan = p::planLaunch("notepad.exe " + win(dir / "NOTES.TXT"), {}, p::existingHostPath);
  ASSERT_EQ(plan.argv.size(), 2u) << plan.error;
  EXPECT_EQ(plan.argv[0], "/bin/cat");
  EXPECT_EQ(plan.argv[1], (dir / "Notes.txt").string());
  unsetenv("PEMO_TEXT_EDITOR");

  // The RUN menu's explorer (the Windows folder's "explorer.exe") opens the home folder;
  // the control panel is the desktop's settings program, and without one it cannot start.
  plan = p::planLaunch(pemo::fs::windowsFolder() + "\\explorer.exe", {}, p::existingHostPath);
  ASSERT_EQ(plan.argv.size(), 2u) << plan.error;
  EXPECT_EQ(plan.argv[1], std::getenv("HOME") ? std::getenv("HOME") : "/");
  const std::string path = std::getenv("PATH");
  setenv("PATH", dir.path().c_str(), 1);
  plan = p::planLaunch(pemo::fs::windowsFolder() + "\\control.exe", {}, p::existingHostPath);
  EXPECT_TRUE(plan.argv.empty());
  EXPECT_FALSE(plan.error.empty());
  setenv("PATH", path.c_str(), 1);
}

TEST(FileFilters, ProgramFiltersAcceptExecutables) {
  TempDir dir;
  makeExecutable(dir / "tool");
  writeFileBytes(dir / "plain", "x");
  writeFileBytes(dir / "Old.Exe", "x");
  EXPECT_TRUE(p::matchesFileFilter(dir / "tool", "*.EXE;*.BAT"));
  EXPECT_FALSE(p::matchesFileFilter(dir / "plain", "*.EXE;*.BAT"));
  EXPECT_TRUE(p::matchesFileFilter(dir / "Old.Exe", "*.exe"));
  EXPECT_FALSE(p::matchesFileFilter(dir / "tool", "*.TXT"));
  EXPECT_TRUE(p::matchesFileFilter(dir / "plain", "*.*;*"));
}
