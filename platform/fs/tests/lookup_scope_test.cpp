#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>

#include "platform/fs/fs.h"
#include "platform/fs/lookup_cache.h"
#include "platform/fs/lookup_scope.h"
#include "platform/testing/temp_dir.h"

namespace pemo::fs {
namespace {

using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;
namespace stdfs = std::filesystem;

// A folder last changed an hour ago: its listing is kept, so a name added later is
// found only if the scope notices that the folder changed.
void settle(const stdfs::path& folder) {
  stdfs::last_write_time(folder, stdfs::file_time_type::clock::now() - std::chrono::hours(1));
}

TEST(PathLookupScope, FindsWhatLookupsOutsideAScopeFind) {
  TempDir tree;
  stdfs::create_directories(tree / "Menus" / "Sub");
  for (const char* name : {"a.fil", "B.FIL", "mixed.fil", "Mixed.Fil", "Sub/deep.fil"})
    writeFileBytes(tree / "Menus" / name, "x");
  ASSERT_TRUE(mapDrive('M', tree.path()));
  ASSERT_TRUE(changeFolder("M:\\MENUS"));
  ASSERT_TRUE(changeDrive('M'));
  settle(tree / "Menus");

  const std::vector<std::string> paths{"M:\\MENUS\\A.FIL",  "m:\\menus\\b.fil",     "M:\\menus\\MIXED.FIL",
                                       "M:\\Menus\\mixed.fil", "M:\\Menus\\none.fil", "M:\\NoFolder\\x.fil",
                                       "M:\\MENUS\\SUB\\DEEP.FIL", "a.FIL", "sub\\Deep.fil", "\\menus\\b.fil",
                                       "..\\MENUS\\a.fil", "M:\\",  "Q:\\x.fil"};
  std::vector<std::optional<std::string>> outside, absoluteOutside;
  for (const auto& path : paths) {
    outside.push_back(toHostPath(path));
    absoluteOutside.push_back(absoluteWindowsPath(path));
  }
  EXPECT_EQ(outside[2], (tree / "Menus" / "Mixed.Fil").string()) << "the alphabetically first of names differing by case";
  EXPECT_EQ(outside[3], (tree / "Menus" / "mixed.fil").string()) << "an exact name wins";

  PathLookupScope scope;
  for (int round = 0; round < 2; ++round)  // the second round answers from what the first kept
    for (size_t i = 0; i < paths.size(); ++i) {
      EXPECT_EQ(toHostPath(paths[i]), outside[i]) << paths[i] << " round " << round;
      EXPECT_EQ(absoluteWindowsPath(paths[i]), absoluteOutside[i]) << paths[i] << " round " << round;
    }
}

TEST(PathLookupScope, SeesNamesAddedAndRemovedWhileItIsOpen) {
  TempDir tree;
  stdfs::create_directories(tree / "menus");
  for (int i = 0; i < 50; ++i) writeFileBytes(tree / "menus" / ("other" + std::to_string(i) + ".txt"), "x");
  writeFileBytes(tree / "menus" / "old.fil", "x");
  ASSERT_TRUE(mapDrive('M', tree.path()));
  settle(tree / "menus");

  PathLookupScope scope;
  EXPECT_EQ(toHostPath("M:\\MENUS\\NEW.FIL"), (tree / "menus" / "NEW.FIL").string()) << "not there yet";
  EXPECT_EQ(toHostPath("M:\\MENUS\\OLD.FIL"), (tree / "menus" / "old.fil").string());

  writeFileBytes(tree / "menus" / "new.fil", "x");
  EXPECT_EQ(toHostPath("M:\\MENUS\\NEW.FIL"), (tree / "menus" / "new.fil").string()) << "added after the listing";
  EXPECT_TRUE(fileExists("M:\\Menus\\New.Fil"));

  stdfs::remove(tree / "menus" / "old.fil");
  writeFileBytes(tree / "menus" / "Old.fil", "x");
  EXPECT_EQ(toHostPath("M:\\MENUS\\OLD.FIL"), (tree / "menus" / "Old.fil").string()) << "renamed after the listing";
  stdfs::remove(tree / "menus" / "Old.fil");
  EXPECT_FALSE(fileExists("M:\\MENUS\\OLD.FIL")) << "removed after the listing";

  EXPECT_EQ(toHostPath("M:\\LATER\\X.FIL"), (tree / "LATER" / "X.FIL").string());
  stdfs::create_directories(tree / "later");
  writeFileBytes(tree / "later" / "x.fil", "x");
  EXPECT_EQ(toHostPath("M:\\LATER\\X.FIL"), (tree / "later" / "x.fil").string()) << "a folder made after the lookup";
}

TEST(PathLookupScope, FindsFilesInAFolderRenamedWhileItIsOpen) {
  TempDir tree;
  stdfs::create_directories(tree / "Top" / "Menus");
  writeFileBytes(tree / "Top" / "Menus" / "a.fil", "x");
  ASSERT_TRUE(mapDrive('M', tree.path()));
  settle(tree / "Top" / "Menus");
  settle(tree / "Top");
  settle(tree.path());

  PathLookupScope scope;
  EXPECT_EQ(toHostPath("M:\\TOP\\MENUS\\A.FIL"), (tree / "Top" / "Menus" / "a.fil").string());
  stdfs::rename(tree / "Top" / "Menus", tree / "Top" / "MENUS");
  EXPECT_TRUE(fileExists("M:\\TOP\\MENUS\\A.FIL")) << "the folder's case changed";
  stdfs::rename(tree / "Top", tree / "top");
  EXPECT_EQ(toHostPath("M:\\TOP\\MENUS\\A.FIL"), (tree / "top" / "MENUS" / "a.fil").string())
      << "the case of the folder above changed";
}

// A file system whose stamps keep whole seconds (ext4 with small inodes): a name added
// within the second of the last change leaves both times of the folder as they were.
std::optional<detail::FolderTimes> wholeSecondTimes(const stdfs::path& folder) {
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) return std::nullopt;
  const timespec stamp{status.st_mtim.tv_sec, 0};
  return detail::FolderTimes{stamp, stamp};
}

void stampWholeSecond(const stdfs::path& folder, time_t second) {
  const timespec times[2] = {{second, 0}, {second, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, folder.c_str(), times, 0), 0);
}

TEST(PathLookupScope, SeesANameAddedWithinTheSecondOfACoarseStamp) {
  TempDir tree;
  stdfs::create_directories(tree / "menus");
  writeFileBytes(tree / "menus" / "old.fil", "x");
  ASSERT_TRUE(mapDrive('M', tree.path()));
  // The second the listing is taken in, as a coarse clock stamps it: a stamp a whole tick
  // older would pass for settled on a machine slow enough to reach the listing late.
  const time_t thisSecond = ::time(nullptr);
  stampWholeSecond(tree / "menus", thisSecond);
  detail::useFolderTimesReader(wholeSecondTimes);

  {
    PathLookupScope scope;
    EXPECT_FALSE(fileExists("M:\\MENUS\\NEW.FIL"));
    writeFileBytes(tree / "menus" / "new.fil", "x");
    stampWholeSecond(tree / "menus", thisSecond);
    EXPECT_TRUE(fileExists("M:\\MENUS\\NEW.FIL")) << "added in the same second as the listing";
  }
  detail::useFolderTimesReader(nullptr);
}

TEST(PathLookupScope, ListsAFolderThatKeepsChangingOnlyAFewTimes) {
  TempDir tree;
  stdfs::create_directories(tree / "busy");
  writeFileBytes(tree / "busy" / "menu.fil", "x");
  ASSERT_TRUE(mapDrive('M', tree.path()));

  PathLookupScope scope;
  for (int i = 0; i < 100; ++i) {
    writeFileBytes(tree / "busy" / ("other" + std::to_string(i)), "x");
    EXPECT_TRUE(fileExists("M:\\BUSY\\MENU.FIL"));
    EXPECT_FALSE(fileExists("M:\\BUSY\\MISSING.FIL"));
  }
  EXPECT_LT(detail::activeLookupCache()->listingsTaken(), 20);
  stdfs::rename(tree / "busy" / "menu.fil", tree / "busy" / "Menu.fil");
  EXPECT_TRUE(fileExists("M:\\BUSY\\MENU.FIL")) << "renamed right after a listing";
}

// A path of many names below a missing folder, or one the host could never open, is
// missing without a listing per name and without the cache keeping every folder on its way.
TEST(PathLookupScope, AnAbsurdlyLongPathIsMissingAtOnce) {
  TempDir tree;
  ASSERT_TRUE(mapDrive('M', tree.path()));
  auto names = [](int count, const std::string& name) {
    std::string path = "M:";
    for (int i = 0; i < count; ++i) path += "\\" + name;
    return path;
  };
  const std::string deep = names(1500, "a"), tooLong = names(3000, "a"), longName = "M:\\" + std::string(300, 'n');

  PathLookupScope scope;
  EXPECT_FALSE(fileExists(deep));
  EXPECT_LE(detail::activeLookupCache()->listingsTaken(), 1) << "the drive's folder alone";
  for (const auto& path : {tooLong, longName}) {
    EXPECT_FALSE(fileExists(path));
    EXPECT_FALSE(foundHostPath(path).has_value());
    EXPECT_EQ(absoluteWindowsPath(path), path) << "the names stay as written";
  }
  EXPECT_EQ(toHostPath(tooLong)->size(), tree.path().string().size() + 6000);
  EXPECT_LE(detail::activeLookupCache()->listingsTaken(), 1);

  stdfs::create_directories(tree / "A" / "B");
  writeFileBytes(tree / "A" / "B" / "c.fil", "x");
  EXPECT_EQ(foundHostPath("M:\\a\\b\\C.FIL"), (tree / "A" / "B" / "c.fil").string()) << "made after the first look";
  EXPECT_FALSE(foundHostPath("M:\\a\\b\\none.fil").has_value());
}

TEST(PathLookupScope, FollowsTheCurrentFolderAndTheDrivesAsTheyChange) {
  TempDir tree;
  stdfs::create_directories(tree / "one");
  stdfs::create_directories(tree / "two");
  ASSERT_TRUE(mapDrive('M', tree.path()));
  ASSERT_TRUE(mapDrive('N', tree / "one"));
  ASSERT_TRUE(changeFolder("M:\\ONE"));
  ASSERT_TRUE(changeDrive('M'));

  PathLookupScope scope;
  EXPECT_EQ(toHostPath("x.fil"), (tree / "one" / "x.fil").string());
  EXPECT_EQ(toHostPath("N:\\x.fil"), (tree / "one" / "x.fil").string());
  ASSERT_TRUE(changeFolder("M:\\TWO"));
  EXPECT_EQ(toHostPath("x.fil"), (tree / "two" / "x.fil").string());
  ASSERT_TRUE(mapDrive('N', tree / "two"));
  EXPECT_EQ(toHostPath("N:\\x.fil"), (tree / "two" / "x.fil").string());
  ASSERT_TRUE(unmapDrive('N'));
  EXPECT_FALSE(toHostPath("N:\\x.fil").has_value());
}

TEST(PathLookupScope, AnInnerScopeLeavesTheOuterOneOpen) {
  EXPECT_EQ(detail::activeLookupCache(), nullptr);
  {
    PathLookupScope outer;
    detail::LookupCache* cache = detail::activeLookupCache();
    ASSERT_NE(cache, nullptr);
    {
      PathLookupScope inner;
      EXPECT_EQ(detail::activeLookupCache(), cache);
    }
    EXPECT_EQ(detail::activeLookupCache(), cache);
  }
  EXPECT_EQ(detail::activeLookupCache(), nullptr);
}

}  // namespace
}  // namespace pemo::fs
