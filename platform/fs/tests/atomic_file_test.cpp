#include "platform/fs/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/testing/temp_dir.h"

namespace pemo::fs {
namespace {

namespace stdfs = std::filesystem;
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

}  // namespace
}  // namespace pemo::fs
