#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/btrieve/btrieve.h"
#include "platform/btrieve/tests/btrieve_test_support.h"
#include "platform/fs/drives.h"
#include "platform/sqlite/database.h"
#include "platform/testing/temp_dir.h"

namespace pemo::btrieve {
namespace {

using testing::EngineFile;
using testing::le32;
using testing::padded;

// Records of 16 bytes: a name (key 0, unique, fixed), a number (key 1, duplicates,
// may change), four bytes of payload.
std::string record(const std::string& name, int32_t number, const std::string& payload = "....") {
  return padded(name, 8) + le32(number) + padded(payload, 4);
}

std::string peopleLayout() {
  return testing::LayoutBuilder(16)
      .key(1, 8, kKeyBinary)
      .key(9, 4, kKeyDuplicates | kKeyModifiable, kTypeInteger)
      .bytes();
}

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = (dir / "PEOPLE.DAT").string();
    ASSERT_EQ(testing::createFile(path, peopleLayout()), kStatusOk);
    ASSERT_EQ(file.open(path), kStatusOk);
  }
  void TearDown() override { file.close(); }

  void insertAll() {
    for (auto [name, number] : std::vector<std::pair<std::string, int>>{
             {"carol", 30}, {"alice", -5}, {"dave", 30}, {"bob", 7}, {"erin", 30}})
      ASSERT_EQ(file.insert(record(name, number)), kStatusOk) << name;
  }

  // Names in the order a walk from `start` with `step` gives them.
  std::string walk(int start, int step, int keyNumber) {
    std::string names, key, rec;
    for (int status = file.get(start, key, keyNumber, rec); status == kStatusOk;
         status = file.get(step, key, keyNumber, rec))
      names += rec.substr(0, rec.find(' ')) + ",";
    return names;
  }

  pemo::testing::TempDir dir;
  std::string path;
  EngineFile file;
};

TEST_F(EngineTest, WalksEachKeyInItsOrderBothWays) {
  insertAll();
  EXPECT_EQ(walk(kOpGetFirst, kOpGetNext, 0), "alice,bob,carol,dave,erin,");
  EXPECT_EQ(walk(kOpGetLast, kOpGetPrevious, 0), "erin,dave,carol,bob,alice,");
  // Signed integers: -5 before 7; equal numbers keep the order they were inserted in.
  EXPECT_EQ(walk(kOpGetFirst, kOpGetNext, 1), "alice,bob,carol,dave,erin,");
  EXPECT_EQ(walk(kOpGetLast, kOpGetPrevious, 1), "erin,dave,carol,bob,alice,");

  // The end of the order, then stepping back from it.
  std::string key, rec;
  ASSERT_EQ(file.get(kOpGetLast, key, 0, rec), kStatusOk);
  EXPECT_EQ(file.get(kOpGetNext, key, 0, rec), kStatusEndOfFile);
  ASSERT_EQ(file.get(kOpGetFirst, key, 0, rec), kStatusOk);
  EXPECT_EQ(file.get(kOpGetPrevious, key, 0, rec), kStatusEndOfFile);

  // Moving to another key's order starts from the current record.
  file.found(kOpGetEqual, padded("bob", 8));
  EXPECT_EQ(file.found(kOpGetNext, "", 1).substr(0, 5), "carol");
}

TEST_F(EngineTest, SeeksByKeyValue) {
  insertAll();
  EXPECT_EQ(file.found(kOpGetEqual, padded("carol", 8)), record("carol", 30));
  EXPECT_EQ(file.found(kOpGetEqual, padded("zed", 8)), "status 4");
  EXPECT_EQ(file.found(kOpGetGreater, padded("bob", 8)).substr(0, 5), "carol");
  EXPECT_EQ(file.found(kOpGetGreaterOrEqual, padded("bob", 8)).substr(0, 3), "bob");
  EXPECT_EQ(file.found(kOpGetGreaterOrEqual, padded("bz", 8)).substr(0, 5), "carol");
  EXPECT_EQ(file.found(kOpGetGreater, padded("erin", 8)), "status 9");
  EXPECT_EQ(file.found(kOpGetLess, padded("carol", 8)).substr(0, 3), "bob");
  EXPECT_EQ(file.found(kOpGetLessOrEqual, padded("carol", 8)).substr(0, 5), "carol");
  EXPECT_EQ(file.found(kOpGetLessOrEqual, padded("cz", 8)).substr(0, 5), "carol");
  EXPECT_EQ(file.found(kOpGetLess, padded("alice", 8)), "status 9");
  // Among equal keys, an equal get finds the first one inserted.
  EXPECT_EQ(file.found(kOpGetEqual, le32(30), 1).substr(0, 5), "carol");
  EXPECT_EQ(file.found(kOpGetLess, le32(30), 1).substr(0, 3), "bob");
  EXPECT_EQ(file.found(kOpGetGreater, le32(7), 1).substr(0, 5), "carol");

  // The key buffer receives the key of the record found.
  std::string key = le32(8), rec;
  ASSERT_EQ(file.get(kOpGetGreaterOrEqual, key, 1, rec), kStatusOk);
  EXPECT_EQ(key.substr(0, 4), le32(30));
}

TEST_F(EngineTest, ChangesKeepKeysConsistent) {
  insertAll();
  // A second record with a unique key value is refused, and nothing changes.
  EXPECT_EQ(file.insert(record("bob", 99)), kStatusDuplicateKey);
  std::string stat;
  ASSERT_EQ(file.stat(stat), kStatusOk);
  EXPECT_EQ(stat[6], 5);

  // The current record is updated whatever key reached it.
  file.found(kOpGetEqual, le32(7), 1);
  ASSERT_EQ(file.update(record("bob", 31, "BOB!"), 0), kStatusOk);
  EXPECT_EQ(file.found(kOpGetEqual, padded("bob", 8)), record("bob", 31, "BOB!"));
  // A changed number moves behind the records that already had it.
  EXPECT_EQ(walk(kOpGetFirst, kOpGetNext, 1), "alice,carol,dave,erin,bob,");

  // A key that may not change, a value another record holds, no current record.
  file.found(kOpGetEqual, padded("dave", 8));
  EXPECT_EQ(file.update(record("davey", 30)), kStatusKeyNotModifiable);
  EXPECT_EQ(file.update(record("dave", 30, "same")), kStatusOk);
  EXPECT_EQ(file.found(kOpGetEqual, padded("nobody", 8)), "status 4");
  file.found(kOpGetEqual, padded("dave", 8));
  ASSERT_EQ(file.remove(), kStatusOk);
  EXPECT_EQ(file.remove(), kStatusNoCurrentRecord);
  EXPECT_EQ(file.update(record("dave", 1)), kStatusNoCurrentRecord);

  // Next and previous go on from where the deleted record was.
  std::string key, rec;
  ASSERT_EQ(file.get(kOpGetNext, key, 0, rec), kStatusOk);
  EXPECT_EQ(rec.substr(0, 4), "erin");
  file.found(kOpGetEqual, padded("erin", 8));
  ASSERT_EQ(file.remove(), kStatusOk);
  ASSERT_EQ(file.get(kOpGetPrevious, key, 0, rec), kStatusOk);
  EXPECT_EQ(rec.substr(0, 5), "carol");
  EXPECT_EQ(walk(kOpGetFirst, kOpGetNext, 0), "alice,bob,carol,");
}

TEST_F(EngineTest, ReportsMisuseByStatus) {
  insertAll();
  std::string key, rec;
  EXPECT_EQ(file.get(kOpGetFirst, key, 2, rec), kStatusInvalidKeyNumber);
  EXPECT_EQ(file.get(kOpGetFirst, key, -1, rec), kStatusInvalidKeyNumber);
  EXPECT_EQ(file.insert("short"), kStatusDataBufferTooShort);

  // A short key buffer, a short record buffer (which still gets what fits).
  char small[2];
  uint16_t length = 16;
  char data[16];
  EXPECT_EQ(BtrieveCall(kOpGetFirst, file.block().data(), data, &length, small, 2, 0), kStatusKeyBufferTooShort);
  char key8[8];
  length = 10;
  EXPECT_EQ(BtrieveCall(kOpGetFirst, file.block().data(), data, &length, key8, 8, 0), kStatusDataBufferTooShort);
  EXPECT_EQ(length, 10);
  EXPECT_EQ(std::string(data, 5), "alice");
  // Stat needs room for the whole layout.
  length = 20;
  char statBlock[20];
  EXPECT_EQ(BtrieveCall(kOpStat, file.block().data(), statBlock, &length, nullptr, 0, 0), kStatusDataBufferTooShort);
  EXPECT_EQ(BtrieveCall(99, file.block().data(), nullptr, nullptr, nullptr, 0, 0), kStatusInvalidOperation);

  // Position blocks that were never opened, or closed, reach no file.
  EngineFile stranger;
  EXPECT_EQ(stranger.get(kOpGetFirst, key, 0, rec), kStatusFileNotOpen);
  EngineFile second;
  ASSERT_EQ(second.open(path), kStatusOk);
  std::string copy = second.block();
  ASSERT_EQ(second.close(), kStatusOk);
  EXPECT_EQ(second.close(), kStatusFileNotOpen);
  EngineFile third;
  ASSERT_EQ(third.open(path), kStatusOk);  // takes the freed slot
  second.block() = copy;
  EXPECT_EQ(second.get(kOpGetFirst, key, 0, rec), kStatusFileNotOpen);
  EXPECT_EQ(third.get(kOpGetFirst, key, 0, rec), kStatusOk);
  third.close();

  // Stop closes every file; their blocks stay dead when the slots are used again.
  EXPECT_EQ(BtrieveCall(kOpStop, nullptr, nullptr, nullptr, nullptr, 0, 0), kStatusOk);
  EXPECT_EQ(file.get(kOpGetFirst, key, 0, rec), kStatusFileNotOpen);
  EngineFile after;
  ASSERT_EQ(after.open(path), kStatusOk);
  EXPECT_EQ(file.get(kOpGetFirst, key, 0, rec), kStatusFileNotOpen);
  after.close();
}

TEST_F(EngineTest, StatDescribesTheFile) {
  insertAll();
  std::string block;
  ASSERT_EQ(file.stat(block), kStatusOk);
  ASSERT_EQ(block.size(), 48u);
  EXPECT_EQ(block.substr(0, 6), std::string("\x10\x00\x00\x10\x02\x00", 6));  // length, page, keys
  EXPECT_EQ(block.substr(6, 4), le32(5));                                      // records
  EXPECT_EQ(block.substr(16, 6), std::string("\x01\x00\x08\x00\x04\x01", 6));  // key 0 as created
  EXPECT_EQ(block.substr(22, 4), le32(5));                                     // distinct names
  EXPECT_EQ(block.substr(38, 4), le32(3));                                     // distinct numbers
  EXPECT_EQ(block[42], kTypeInteger);
}

TEST(EngineFiles, CreateAndOpenRules) {
  pemo::testing::TempDir dir;
  std::string path = (dir / "A.DAT").string();
  EngineFile file;
  EXPECT_EQ(file.open(path), kStatusFileNotFound);
  EXPECT_EQ(file.open(""), kStatusInvalidFileName);
  ASSERT_EQ(testing::createFile(path, peopleLayout()), kStatusOk);
  EXPECT_EQ(testing::createFile(path, peopleLayout()), kStatusFileExists);
  ASSERT_EQ(file.open(path), kStatusOk);
  ASSERT_EQ(file.insert(record("x", 1)), kStatusOk);
  // Replacing a file in use is refused; once closed it starts empty.
  EXPECT_EQ(testing::createFile(path, peopleLayout(), 0), kStatusFileInUse);
  file.close();
  ASSERT_EQ(testing::createFile(path, peopleLayout(), 0), kStatusOk);
  ASSERT_EQ(file.open(path), kStatusOk);
  EXPECT_EQ(file.found(kOpGetFirst, ""), "status 9");
  file.close();
  // Nothing but the finished file is left beside it.
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) names.push_back(entry.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{"A.DAT"});

  // Not a record file.
  pemo::testing::writeFileBytes(dir / "TEXT.DAT", "just some text, long enough to be no database at all");
  EXPECT_EQ(file.open((dir / "TEXT.DAT").string()), kStatusNotARecordFile);

  // Read-only and exclusive opens.
  EngineFile reader, other;
  ASSERT_EQ(reader.open(path, kOpenReadOnly), kStatusOk);
  EXPECT_EQ(reader.insert(record("y", 2)), kStatusReadOnly);
  EXPECT_EQ(other.open(path, kOpenExclusive), kStatusFileInUse);
  reader.close();
  ASSERT_EQ(other.open(path, kOpenExclusive), kStatusOk);
  EXPECT_EQ(reader.open(path), kStatusFileInUse);
  ASSERT_EQ(other.insert(record("z", 3)), kStatusOk);
  other.close();
  ASSERT_EQ(reader.open(path), kStatusOk);
  EXPECT_EQ(reader.found(kOpGetFirst, "").substr(0, 1), "z");
  reader.close();
}

TEST(EngineFiles, NamesAreWindowsPathsInCodePage932) {
  pemo::testing::TempDir dir;
  ASSERT_TRUE(pemo::fs::mapDrive('Q', dir.path()));
  // "Q:\品目.DAT" in code page 932, opened again by another spelling of the letters.
  ASSERT_EQ(testing::createFile("Q:\\\x95\x69\x96\xda.dat", peopleLayout()), kStatusOk);
  EXPECT_TRUE(std::filesystem::exists(dir / "品目.dat"));
  EngineFile file;
  ASSERT_EQ(file.open("q:/\x95\x69\x96\xda.DAT  "), kStatusOk);
  file.close();
  EXPECT_EQ(file.open("R:\\NONE.DAT"), kStatusInvalidFileName);
}

TEST(EngineFiles, RejectsBadLayouts) {
  pemo::testing::TempDir dir;
  std::string path = (dir / "BAD.DAT").string();
  using testing::LayoutBuilder;
  EXPECT_EQ(testing::createFile(path, LayoutBuilder(0).bytes()), kStatusRecordLengthError);
  EXPECT_EQ(testing::createFile(path, LayoutBuilder(10).key(8, 4, 0).bytes()), kStatusKeyPositionError);
  EXPECT_EQ(testing::createFile(path, LayoutBuilder(10).key(0, 4, 0).bytes()), kStatusKeyPositionError);
  EXPECT_EQ(testing::createFile(path, LayoutBuilder(10).key(1, 3, 0, kTypeInteger).bytes()), kStatusKeyLengthError);
  EXPECT_EQ(testing::createFile(path, LayoutBuilder(10).key(1, 4, 0, 99).bytes()), kStatusKeyLengthError);
  EXPECT_EQ(testing::createFile(path, LayoutBuilder(10).key(1, 4, kKeyAlternateCollation).bytes()),
            kStatusInvalidKeyFlags);
  std::string truncated = LayoutBuilder(10).key(1, 4, 0).bytes().substr(0, 20);
  EXPECT_EQ(testing::createFile(path, truncated), kStatusDataBufferTooShort);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(testing::createFile((dir / "no/such/folder/F.DAT").string(), LayoutBuilder(10).bytes()),
            kStatusCreateError);
}

// A file as earlier releases wrote it, byte for byte in its tables: a 16-byte record
// keyed on its first four bytes, two records stored. Such files must keep opening.
constexpr const char* kEarlierReleaseFile = R"sql(
  PRAGMA application_id = 1346524242;
  PRAGMA journal_mode = WAL;
  CREATE TABLE file_spec(
    id INTEGER PRIMARY KEY CHECK (id = 1),
    spec BLOB NOT NULL,
    next_seq INTEGER NOT NULL);
  INSERT INTO file_spec VALUES(1, X'10000010010000000000000000000000010004000100000000000B0000000000', 3);
  CREATE TABLE records(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    data BLOB NOT NULL);
  INSERT INTO records VALUES(1, X'30303032626262626262626262626262');
  INSERT INTO records VALUES(2, X'30303031616161616161616161616161');
  CREATE TABLE key_entries(
    key_number INTEGER NOT NULL,
    sort_key BLOB NOT NULL,
    seq INTEGER NOT NULL,
    record_id INTEGER NOT NULL,
    PRIMARY KEY (key_number, sort_key, seq)) WITHOUT ROWID;
  INSERT INTO key_entries VALUES(0, X'30303032', 1, 1);
  INSERT INTO key_entries VALUES(0, X'30303031', 2, 2);
  CREATE UNIQUE INDEX key_entries_of_record ON key_entries(record_id, key_number);
)sql";

TEST(EngineFiles, OpensFilesOfEarlierReleases) {
  pemo::testing::TempDir dir;
  std::string path = (dir / "OLD.DAT").string();
  {
    sqlite::Database db;
    ASSERT_EQ(db.open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), SQLITE_OK);
    db.execute(kEarlierReleaseFile);
  }
  EngineFile file;
  ASSERT_EQ(file.open(path), kStatusOk);
  EXPECT_EQ(file.found(kOpGetFirst, ""), "0001aaaaaaaaaaaa");
  // A duplicate of a stored key goes after it: the file's own sequence carries on.
  ASSERT_EQ(file.insert("0001cccccccccccc"), kStatusOk);
  std::string key, rec, order;
  for (int s = file.get(kOpGetFirst, key, 0, rec); s == kStatusOk; s = file.get(kOpGetNext, key, 0, rec))
    order += rec.substr(4, 1);
  EXPECT_EQ(order, "acb");
  file.close();
}

TEST(EngineFiles, SegmentedAndNullKeys) {
  pemo::testing::TempDir dir;
  std::string path = (dir / "SEG.DAT").string();
  // Key 0: a number, then a name; key 1: a code left out when blank.
  ASSERT_EQ(testing::createFile(path, testing::LayoutBuilder(12)
                                          .key(5, 4, kKeyModifiable, kTypeInteger)
                                          .segment(1, 4, kKeyModifiable)
                                          .key(9, 4, kKeyNullAll | kKeyModifiable, kTypeString, ' ')
                                          .bytes()),
            kStatusOk);
  EngineFile file;
  ASSERT_EQ(file.open(path), kStatusOk);
  ASSERT_EQ(file.insert("bbbb" + le32(2) + "    "), kStatusOk);
  ASSERT_EQ(file.insert("aaaa" + le32(2) + "CODE"), kStatusOk);
  ASSERT_EQ(file.insert("zzzz" + le32(-1) + "    "), kStatusOk);
  EXPECT_EQ(file.insert("bbbb" + le32(2) + "XXXX"), kStatusDuplicateKey);
  std::string key, rec, names;
  for (int s = file.get(kOpGetFirst, key, 0, rec); s == kStatusOk; s = file.get(kOpGetNext, key, 0, rec))
    names += rec.substr(0, 4);
  EXPECT_EQ(names, "zzzzaaaabbbb");
  EXPECT_EQ(key.substr(0, 8), le32(2) + "bbbb");  // the key value is the segments in order
  EXPECT_EQ(file.found(kOpGetEqual, le32(2) + "aaaa").substr(0, 4), "aaaa");
  // Only the record with a code is in key 1's order.
  EXPECT_EQ(file.found(kOpGetFirst, "", 1).substr(0, 4), "aaaa");
  std::string stat;
  ASSERT_EQ(file.stat(stat), kStatusOk);
  EXPECT_EQ(stat.size(), 16u + 3 * 16u);
  file.close();
}

// A child process stands for another program, or for a program that ends without
// closing: what it was told is stored must be there.
template <typename Work>
int inChildProcess(Work work) {
  pid_t pid = fork();
  if (pid == 0) _exit(work());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(EngineFiles, ProcessesShareFilesAndLoseNothingAcknowledged) {
  pemo::testing::TempDir dir;
  std::string path = (dir / "SHARED.DAT").string();
  ASSERT_EQ(testing::createFile(path, peopleLayout()), kStatusOk);
  EngineFile file;
  ASSERT_EQ(file.open(path), kStatusOk);
  ASSERT_EQ(file.insert(record("parent", 1)), kStatusOk);

  // Two writers at once, each ending without closing its file.
  auto writer = [&](const std::string& prefix) {
    return [&, prefix] {
      EngineFile child;
      if (child.open(path) != kStatusOk) return 1;
      for (int i = 0; i < 40; ++i)
        if (child.insert(record(prefix + std::to_string(i), i)) != kStatusOk) return 2;
      return 0;
    };
  };
  pid_t first = fork();
  if (first == 0) _exit(writer("a")());
  EXPECT_EQ(inChildProcess(writer("b")), 0);
  int status = 0;
  waitpid(first, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  std::string stat;
  ASSERT_EQ(file.stat(stat), kStatusOk);
  EXPECT_EQ(stat.substr(6, 4), le32(81));
  EXPECT_EQ(file.found(kOpGetEqual, padded("b39", 8)), record("b39", 39));

  // A record read here and changed by another program since is not overwritten.
  file.found(kOpGetEqual, padded("parent", 8));
  EXPECT_EQ(inChildProcess([&] {
              EngineFile child;
              child.open(path);
              child.found(kOpGetEqual, padded("parent", 8));
              return child.update(record("parent", 2));
            }),
            kStatusOk);
  EXPECT_EQ(file.update(record("parent", 3)), kStatusRecordChanged);
  EXPECT_EQ(file.found(kOpGetEqual, padded("parent", 8)), record("parent", 2));
  file.close();
}

}  // namespace
}  // namespace pemo::btrieve

namespace pemo::btrieve {
namespace {

TEST(EngineFiles, AKilledWriterLosesNothingItWasToldIsStored) {
  pemo::testing::TempDir dir;
  std::string path = (dir / "KILLED.DAT").string();
  ASSERT_EQ(testing::createFile(path, peopleLayout()), kStatusOk);
  int acknowledged[2];
  ASSERT_EQ(pipe(acknowledged), 0);
  pid_t writer = fork();
  if (writer == 0) {
    close(acknowledged[0]);
    EngineFile file;
    if (file.open(path) != kStatusOk) _exit(1);
    for (int32_t i = 0;; ++i) {
      if (file.insert(record("n" + std::to_string(i), i)) != kStatusOk) _exit(2);
      if (write(acknowledged[1], &i, sizeof i) != sizeof i) _exit(3);
    }
  }
  close(acknowledged[1]);
  int32_t last = -1, value = 0;
  while (last < 30 && read(acknowledged[0], &value, sizeof value) == sizeof value) last = value;
  kill(writer, SIGKILL);
  waitpid(writer, nullptr, 0);
  close(acknowledged[0]);
  ASSERT_GE(last, 30);

  EngineFile file;
  ASSERT_EQ(file.open(path), kStatusOk);
  for (int32_t i = 0; i <= last; ++i) {
    std::string name = "n" + std::to_string(i);
    EXPECT_EQ(file.found(kOpGetEqual, padded(name, 8)), record(name, i));
  }
  file.close();
}

}  // namespace
}  // namespace pemo::btrieve

namespace pemo::btrieve {
namespace {

namespace stdfs = std::filesystem;

std::string namesIn(const stdfs::path& folder, const std::string& except = "") {
  std::vector<std::string> names;
  for (const auto& entry : stdfs::directory_iterator(folder))
    if (entry.path().filename() != except) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  std::string joined;
  for (const std::string& name : names) joined += name + " ";
  return joined;
}

// In a child process: mounts a 256 KB memory disk over folder, in namespaces of its own,
// and for every amount of free room from 16 KB to 160 KB writes one line: the room, the
// create's status, the names it left, whether the file opens, and the status of a create
// once the room is back. Exits 77 where the system allows no such namespaces.
void createOnSmallDisk(const std::string& folder, int output) {
  const std::string uid = std::to_string(getuid()), gid = std::to_string(getgid());
  if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) _exit(77);
  std::ofstream("/proc/self/setgroups") << "deny";
  std::ofstream("/proc/self/uid_map") << "0 " + uid + " 1";
  std::ofstream("/proc/self/gid_map") << "0 " + gid + " 1";
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") != 0)
    _exit(77);
  const std::string path = folder + "/REC.DAT", filler = folder + "/filler";
  std::ostringstream lines;
  for (int freeKb = 16; freeKb <= 160; freeKb += 16) {
    std::ofstream(filler) << std::string((256 - freeKb) * 1024, 'f');
    const int status = testing::createFile(path, peopleLayout(), 0);
    const std::string left = namesIn(folder, "filler");
    EngineFile file;
    const int opened = status == kStatusOk ? file.open(path) : -1;
    file.close();
    stdfs::remove(filler);
    stdfs::remove(path);
    const int again = testing::createFile(path, peopleLayout(), 0);
    stdfs::remove(path);
    lines << freeKb << " " << status << " " << opened << " " << again << " " << left << "\n";
  }
  const std::string text = lines.str();
  _exit(write(output, text.data(), text.size()) == ssize_t(text.size()) ? 0 : 1);
}

TEST(EngineFiles, ACreateGivesAWholeFileOrLeavesNothing) {
  pemo::testing::TempDir dir;
  // A replace that cannot put the new file in place leaves the old file's log alone.
  const std::string path = (dir / "OLD.DAT").string();
  stdfs::create_directories(dir / "OLD.DAT" / "in the way");
  pemo::testing::writeFileBytes(path + "-wal", "the old file's last changes");
  EXPECT_EQ(testing::createFile(path, peopleLayout(), 0), kStatusCreateError);
  EXPECT_EQ(pemo::testing::readFileBytes(path + "-wal"), "the old file's last changes");

  // A full disk, short of room at every step of the create.
  stdfs::create_directory(dir / "small");
  int output[2];
  ASSERT_EQ(pipe(output), 0);
  const pid_t child = fork();
  if (child == 0) createOnSmallDisk((dir / "small").string(), output[1]);
  close(output[1]);
  std::string report;
  char buffer[4096];
  for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;) report.append(buffer, size_t(n));
  close(output[0]);
  int exit = 0;
  waitpid(child, &exit, 0);
  if (WIFEXITED(exit) && WEXITSTATUS(exit) == 77) GTEST_SKIP() << "no namespace for a small disk";
  ASSERT_TRUE(WIFEXITED(exit) && WEXITSTATUS(exit) == 0);
  std::istringstream lines(report);
  int cases = 0;
  for (std::string line; std::getline(lines, line); ++cases) {
    std::istringstream fields(line);
    int freeKb = 0, status = 0, opened = 0, again = 0;
    std::string left;
    fields >> freeKb >> status >> opened >> again >> std::ws;
    std::getline(fields, left);
    if (status == kStatusOk) {
      EXPECT_EQ(opened, kStatusOk) << line;
      EXPECT_EQ(left, "REC.DAT ") << line;
    } else {
      EXPECT_TRUE(status == kStatusDiskFull || status == kStatusCreateError) << line;
      EXPECT_EQ(left, "") << line;
    }
    EXPECT_EQ(again, kStatusOk) << line;
  }
  EXPECT_EQ(cases, 10);
}

}  // namespace
}  // namespace pemo::btrieve
