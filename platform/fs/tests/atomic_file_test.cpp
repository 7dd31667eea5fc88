#include "platform/fs/atomic_file.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/testing/long_names.h"
#include "platform/testing/temp_dir.h"
#include "platform/text/utf8.h"

namespace pemo::fs {
namespace {

namespace stdfs = std::filesystem;
using pemo::testing::namesIn;
using pemo::testing::readFileBytes;
using pemo::testing::TempDir;

TEST(FileReplacement, LinksAtTheNameStayAndTheFileAtTheirEndIsWritten) {
  TempDir dir;
  stdfs::create_directory(dir / "real");
  stdfs::create_symlink("link2", dir / "link1");
  stdfs::create_symlink("real/new.txt", dir / "link2");  // nothing there yet
  const mode_t umask = ::umask(022);
  EXPECT_TRUE(writeFileAtomically(dir / "link1", "new"));
  ::umask(umask);
  EXPECT_TRUE(stdfs::is_symlink(dir / "link1"));
  EXPECT_TRUE(stdfs::is_symlink(dir / "link2"));
  EXPECT_EQ(readFileBytes(dir / "real" / "new.txt"), "new");
  EXPECT_EQ(stdfs::status(dir / "real" / "new.txt").permissions(), stdfs::perms(0644));

  stdfs::create_symlink("loop", dir / "loop");
  EXPECT_FALSE(writeFileAtomically(dir / "loop", "never"));
  EXPECT_TRUE(stdfs::is_symlink(dir / "loop"));
}

TEST(FileReplacement, NamesAsLongAsTheHostTakesAreWrittenAndOneByteMoreIsRefused) {
  TempDir dir;
  stdfs::create_directory(dir / "links");
  for (const std::string& name : pemo::testing::longNamesTheHostTakes()) {
    SCOPED_TRACE(std::to_string(name.size()) + " bytes: " + name);
    const stdfs::path file = dir / name;
    EXPECT_TRUE(writeFileAtomically(file, "made"));
    EXPECT_TRUE(writeFileAtomically(file, "replaced"));
    {
      FileReplacement kept(file, FileReplacement::Existing::kKeep);
      ASSERT_TRUE(kept.ready());
      // The new file's name is whole UTF-8 and leaves room for a database's longest side file.
      const std::string temporary = kept.path().filename().string();
      EXPECT_LE(temporary.size() + std::string("-journal").size(), size_t(NAME_MAX)) << temporary;
      EXPECT_EQ(text::fromU32(text::toU32(temporary)), temporary);
      EXPECT_EQ(kept.commit(), FileReplacement::Result::kTargetExists);
    }
    EXPECT_EQ(readFileBytes(file), "replaced");
    // Through a link of the same name in another folder.
    stdfs::create_symlink(file, dir / "links" / name);
    EXPECT_TRUE(writeFileAtomically(dir / "links" / name, "through a link"));
    EXPECT_TRUE(stdfs::is_symlink(dir / "links" / name));
    EXPECT_EQ(readFileBytes(file), "through a link");
  }
  // Nothing but the files written is left.
  std::vector<std::string> written = pemo::testing::longNamesTheHostTakes();
  written.push_back("links");
  std::sort(written.begin(), written.end());
  EXPECT_EQ(namesIn(dir.path()), written);

  const stdfs::path tooLong = dir / pemo::testing::nameOneByteTooLong();
  EXPECT_FALSE(writeFileAtomically(tooLong, "never"));
  EXPECT_FALSE(FileReplacement(tooLong).ready());
  EXPECT_FALSE(FileReplacement(tooLong, FileReplacement::Existing::kKeep).ready());
  EXPECT_EQ(namesIn(dir.path()), written);
}

}  // namespace
}  // namespace pemo::fs
