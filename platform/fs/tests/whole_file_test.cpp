#include "platform/fs/whole_file.h"

#include <gtest/gtest.h>

#include "platform/testing/temp_dir.h"

namespace pemo::fs {
namespace {

using pemo::testing::readFileBytes;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

TEST(WholeFile, ReadsAllBytesAndReportsWhatCannotBeRead) {
  TempDir dir;
  std::string bytes(200000, 'x');
  bytes[7] = '\0';
  writeFileBytes(dir / "big.bin", bytes);
  EXPECT_EQ(readWholeFile(dir / "big.bin"), bytes);
  writeFileBytes(dir / "empty", "");
  EXPECT_EQ(readWholeFile(dir / "empty"), "");
  EXPECT_EQ(readWholeFile(dir / "missing"), std::nullopt);
  EXPECT_EQ(readWholeFile(dir.path()), std::nullopt);
}

TEST(WholeFile, CreatesOnlyFilesThatAreNotThere) {
  TempDir dir;
  EXPECT_EQ(createNewFile(dir / "new.txt", "one"), CreateResult::Created);
  EXPECT_EQ(readFileBytes(dir / "new.txt"), "one");
  EXPECT_EQ(createNewFile(dir / "new.txt", "two"), CreateResult::AlreadyExists);
  EXPECT_EQ(readFileBytes(dir / "new.txt"), "one");
  EXPECT_EQ(createNewFile(dir / "no-such-folder" / "a.txt", "x"), CreateResult::Failed);
}

}  // namespace
}  // namespace pemo::fs
