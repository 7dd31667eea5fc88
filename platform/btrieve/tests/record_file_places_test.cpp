// Where record files and their side files are: through symbolic links, and under names
// as long as the host takes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>

#include "platform/btrieve/btrieve.h"
#include "platform/btrieve/tests/btrieve_test_support.h"
#include "platform/testing/long_names.h"
#include "platform/testing/temp_dir.h"
#include "platform/text/cp932.h"

namespace pemo::btrieve {
namespace {

namespace stdfs = std::filesystem;
using testing::EngineFile;
using testing::padded;

// Records of 8 bytes, all key.
std::string layout() { return testing::LayoutBuilder(8).key(1, 8, kKeyBinary).bytes(); }
std::string record(const std::string& name) { return padded(name, 8); }

// Another process inserts the records and is killed before it closes the file: what it
// stored is in the file's log only.
void insertThenBeKilled(const std::string& path, const std::vector<std::string>& names) {
  const pid_t writer = fork();
  if (writer == 0) {
    EngineFile file;
    if (file.open(path) != kStatusOk) _exit(1);
    for (const std::string& name : names)
      if (file.insert(record(name)) != kStatusOk) _exit(2);
    raise(SIGKILL);
  }
  int status = 0;
  waitpid(writer, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer ended with " << status;
}

// The records of the file in key order, "a,b,".
std::string recordsOf(EngineFile& file) {
  std::string names, key, found;
  for (int status = file.get(kOpGetFirst, key, 0, found); status == kStatusOk;
       status = file.get(kOpGetNext, key, 0, found))
    names += found.substr(0, found.find(' ')) + ",";
  return names;
}

TEST(RecordFilePlaces, AReplaceThroughLinksTakesAwayTheLogBesideTheFileItReplaces) {
  pemo::testing::TempDir dir;
  stdfs::create_directory(dir / "real");
  stdfs::create_directory(dir / "other");
  const std::string real = (dir / "real" / "DATA.DAT").string();
  stdfs::create_symlink(real, dir / "LINK.DAT");
  stdfs::create_symlink("LINK.DAT", dir / "LINK2.DAT");
  stdfs::create_symlink("../real/DATA.DAT", dir / "other" / "REL.DAT");
  for (const stdfs::path& name : {stdfs::path(real), dir / "LINK.DAT", dir / "LINK2.DAT", dir / "other" / "REL.DAT"}) {
    SCOPED_TRACE(name);
    ASSERT_EQ(testing::createFile(real, layout(), 0), kStatusOk);
    insertThenBeKilled(name, {"old1", "old2"});
    ASSERT_TRUE(stdfs::exists(real + "-wal"));

    EXPECT_EQ(testing::createFile(name, layout(), 0), kStatusOk);
    EXPECT_FALSE(stdfs::exists(real + "-wal"));
    EngineFile file;
    ASSERT_EQ(file.open(name), kStatusOk);
    EXPECT_EQ(recordsOf(file), "");
    file.close();
    EXPECT_TRUE(name == real || stdfs::is_symlink(name));
    EXPECT_TRUE(stdfs::is_regular_file(stdfs::symlink_status(real)));
  }
}

TEST(RecordFilePlaces, NamesAsLongAsTheHostTakesAreMadeSharedAndReplacedAndOneByteMoreIsRefused) {
  pemo::testing::TempDir dir;
  // Callers name record files in code page 932: only names it can write are tried.
  std::vector<std::string> names;
  for (const std::string& name : pemo::testing::longNamesTheHostTakes())
    if (text::cp932ToUtf8(text::utf8ToCp932(name)) == name) names.push_back(name);
  ASSERT_GE(names.size(), 8u);
  for (const std::string& name : names) {
    SCOPED_TRACE(std::to_string(name.size()) + " bytes: " + name);
    const std::string path = text::utf8ToCp932((dir / name).string());
    ASSERT_EQ(testing::createFile(path, layout()), kStatusOk);
    EngineFile file;
    ASSERT_EQ(file.open(path), kStatusOk);
    ASSERT_EQ(file.insert(record("mine")), kStatusOk);
    // Another process shares the file while it is open here: it finds the same log.
    insertThenBeKilled(path, {"its"});
    EXPECT_EQ(file.found(kOpGetEqual, padded("its", 8)), record("its"));
    file.close();
    ASSERT_EQ(file.open(path), kStatusOk);
    EXPECT_EQ(recordsOf(file), "its,mine,");
    file.close();

    insertThenBeKilled(path, {"old"});
    EXPECT_EQ(testing::createFile(path, layout(), 0), kStatusOk);
    ASSERT_EQ(file.open(path), kStatusOk);
    EXPECT_EQ(recordsOf(file), "");
    file.close();
  }
  const std::string tooLong = (dir / pemo::testing::nameOneByteTooLong()).string();
  EXPECT_EQ(testing::createFile(tooLong, layout()), kStatusCreateError);
  EngineFile file;
  EXPECT_EQ(file.open(tooLong), kStatusFileNotFound);

  // Nothing is left but the files and, for each name with no room for a side file's
  // ending, the empty file that stands in for it.
  std::vector<std::string> left;
  long standIns = 0;
  for (const std::string& name : pemo::testing::namesIn(dir.path())) {
    if (std::count(names.begin(), names.end(), name) == 1) {
      left.push_back(name);
    } else {
      EXPECT_TRUE(name.starts_with(".") && stdfs::is_regular_file(dir / name) && stdfs::is_empty(dir / name)) << name;
      ++standIns;
    }
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(left, names);
  EXPECT_EQ(standIns,
            std::count_if(names.begin(), names.end(), [](const std::string& n) { return n.size() + 4 > NAME_MAX; }));
}

}  // namespace
}  // namespace pemo::btrieve
