#include "platform/fs/whole_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <limits>

#include "platform/fs/atomic_file.h"
#include "platform/fs/regular_file.h"
#include "platform/testing/temp_dir.h"

namespace pemo::fs {
namespace {

using pemo::testing::readFileBytes;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

// No limit: what is read or refused here is so for its kind, whatever its size.
constexpr std::uintmax_t kAnySize = std::numeric_limits<std::uintmax_t>::max();

TEST(WholeFile, ReadsAllBytesAndReportsWhatCannotBeRead) {
  TempDir dir;
  std::string bytes(200000, 'x');
  bytes[7] = '\0';
  writeFileBytes(dir / "big.bin", bytes);
  EXPECT_EQ(readWholeFile(dir / "big.bin", kAnySize), bytes);
  writeFileBytes(dir / "empty", "");
  EXPECT_EQ(readWholeFile(dir / "empty", kAnySize), "");
  EXPECT_EQ(readWholeFile(dir / "missing", kAnySize), std::nullopt);
  EXPECT_EQ(readWholeFile(dir.path(), kAnySize), std::nullopt);
}

// Nothing waits for a program at a FIFO's other end, reads a device without end, or puts a
// file in the place of either.
TEST(WholeFile, ReadsAppendsAndReplacesOnlyPlainFilesAndReadsNoneBeyondItsLimit) {
  TempDir dir;
  const auto fifo = dir / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  std::filesystem::create_symlink(fifo, dir / "link");
  EXPECT_EQ(readWholeFile(fifo, kAnySize), std::nullopt);
  EXPECT_FALSE(appendToFile(fifo, "x"));
  EXPECT_FALSE(writeFileAtomically(fifo, "x"));
  EXPECT_FALSE(writeFileAtomically(dir / "link", "x"));
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 2);
  EXPECT_EQ(readWholeFile("/dev/zero", kAnySize), std::nullopt);
  EXPECT_FALSE(appendToFile(dir.path(), "x"));

  writeFileBytes(dir / "ten", "0123456789");
  EXPECT_EQ(readWholeFile(dir / "ten", 10), "0123456789");
  EXPECT_EQ(readWholeFile(dir / "ten", 9), std::nullopt);
}

// Some files the kernel calls plain wait on a read for what comes next, as /proc/kmsg waits
// for the next kernel message: such a read fails at once, named directly or through a link.
// Reading /proc/kmsg asks for privileges (and takes the kernel messages no one has read
// yet); without them only the plain file's descriptor is looked at.
TEST(WholeFile, AReadThatWouldWaitFailsAtOnce) {
  TempDir dir;
  writeFileBytes(dir / "plain", "x");
  const int plain = openRegularFile(dir / "plain", O_RDONLY);
  ASSERT_GE(plain, 0);
  EXPECT_TRUE(::fcntl(plain, F_GETFL) & O_NONBLOCK);
  ::close(plain);

  const std::filesystem::path waits = "/proc/kmsg";
  const int probe = ::open(waits.c_str(), O_RDONLY | O_NONBLOCK);
  if (probe < 0) GTEST_SKIP() << waits << " cannot be opened here";
  ::close(probe);
  std::filesystem::create_symlink(waits, dir / "link");
  const int copy = ::open((dir / "copy").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  for (const auto& file : {waits, dir / "link"}) {
    SCOPED_TRACE(file);
    EXPECT_EQ(readWholeFile(file, kAnySize), std::nullopt);
    EXPECT_EQ(readWholeFile(file, 1 << 20), std::nullopt);
    EXPECT_FALSE(copyWholeFile(file, copy));
  }
  ::close(copy);
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
