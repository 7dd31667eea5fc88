#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "platform/btrieve/btrieve.h"
#include "platform/fs/drives.h"
#include "platform/testing/temp_dir.h"
#include "platform/ui/message_port.h"
#include "support/hapsy/bt_exports.h"
#include "support/hapsy/btrieve_file.h"

namespace pemo::hapsy {
namespace {

// Records of 16 bytes: a code (key 0), an amount (key 1), a note.
constexpr int kRecordLength = 16;

std::string le32(int32_t value) {
  std::string bytes(4, '\0');
  std::memcpy(bytes.data(), &value, 4);
  return bytes;
}

std::string record(const std::string& code, int32_t amount, const std::string& note = "") {
  std::string out = code;
  out.resize(8, ' ');
  out += le32(amount);
  out += note;
  out.resize(kRecordLength, ' ');
  return out;
}

std::string keyDescription(int position, char type, int length, bool duplicates) {
  std::string out(BT_KEY_DESCRIPTION_SIZE, '\0');
  std::memcpy(out.data(), le32(position).data(), 4);
  out[4] = type;
  std::memcpy(out.data() + 5, le32(length).data(), 4);
  std::memcpy(out.data() + 13, le32(duplicates).data(), 4);
  return out;
}

class BtExportsTest : public ::testing::Test {
 protected:
  // Key 0: the code; key 1: the amount, unique unless asked otherwise.
  int createOpen(bool amountDuplicates = false, int mode = BT_MODE_NORMAL) {
    std::string keys = keyDescription(1, 'S', 8, false) + keyDescription(9, 'I', 4, amountDuplicates);
    return VBBtFileCreateOpen(path.c_str(), kRecordLength, mode, 2, 2, keys.data());
  }
  void TearDown() override { BtStop(); }

  // The record found, or "-1".
  std::string got(int handle, std::string rec, const char* op, char* key = nullptr, int keyNumber = -1) {
    rec.resize(kRecordLength, ' ');
    return BtOCKFileGet(handle, rec.data(), op, key, keyNumber) == 0 ? rec : "-1";
  }

  pemo::testing::TempDir dir;
  std::string path = (dir / "ITEMS.DAT").string();
  ui::RecordingMessagePort port;
  ui::ScopedMessagePort scoped{&port};
};

TEST_F(BtExportsTest, PutUpdatesAnExistingKeyAndGetsFollowTheOperators) {
  int handle = createOpen(true);
  ASSERT_GE(handle, 0);
  for (auto [code, amount] : std::vector<std::pair<std::string, int>>{{"B", 20}, {"A", 10}, {"C", 20}})
    ASSERT_EQ(BtOCFilePut(handle, record(code, amount).data()), 0);
  ASSERT_EQ(BtOCFilePut(handle, record("B", 25, "changed").data()), 0);
  EXPECT_EQ(got(handle, record("B", 0), "="), record("B", 25, "changed"));
  EXPECT_EQ(BtOCRecTotalGet(handle), 3);

  EXPECT_EQ(got(handle, record("A", 0), ">"), record("B", 25, "changed"));
  EXPECT_EQ(got(handle, record("A", 0), "x"), record("B", 25, "changed"));  // any other text
  EXPECT_EQ(got(handle, record("B", 0), ">="), record("B", 25, "changed"));
  EXPECT_EQ(got(handle, record("C", 0), "<"), record("B", 25, "changed"));
  EXPECT_EQ(got(handle, record("BB", 0), "<="), record("B", 25, "changed"));
  EXPECT_EQ(got(handle, "", "f").substr(0, 1), "A");
  EXPECT_EQ(got(handle, "", "+").substr(0, 1), "B");
  EXPECT_EQ(got(handle, "", "l").substr(0, 1), "C");
  EXPECT_EQ(got(handle, "", "-").substr(0, 1), "B");
  // Without a key buffer a key is taken from its own place in the record.
  EXPECT_EQ(got(handle, record("", 20), "=", nullptr, 1).substr(0, 1), "C");
  std::string amount = le32(11);
  EXPECT_EQ(got(handle, "", ">=", amount.data(), 1).substr(0, 1), "C");
  EXPECT_EQ(amount, le32(20));  // the key buffer receives the key found

  ASSERT_EQ(BtOCFileDel(handle, record("B", 0).data()), 0);
  EXPECT_EQ(got(handle, record("B", 0), "="), "-1");
  EXPECT_EQ(got(handle, "", "l"), record("C", 20));
  EXPECT_EQ(got(handle, "", "+"), "-1");
  EXPECT_TRUE(port.shown.empty());

  // One-shot calls open and close the file themselves.
  BtFileClose(handle);
  EXPECT_EQ(BtFilePut(path.c_str(), record("D", 40).data()), 0);
  EXPECT_EQ(BtKFilePut(path.c_str(), record("D", 41).data(), "D       ", 0), 0);
  std::string rec = record("D", 0), key = le32(41);
  EXPECT_EQ(BtKFileGet(path.c_str(), rec.data(), "=", key.data(), 1), 0);
  EXPECT_EQ(rec, record("D", 41));
  EXPECT_EQ(BtFileDel(path.c_str(), rec.data()), 0);
  EXPECT_EQ(BtFileGet(path.c_str(), rec.data(), "="), -1);
  EXPECT_TRUE(port.shown.empty());
}

TEST_F(BtExportsTest, EveryHandleIsChecked) {
  int handle = createOpen();
  ASSERT_GE(handle, 0);
  std::string rec = record("A", 1), block(128, '\0');
  for (int bad : {-1, -2, handle + 1, 500, 1 << 30}) {
    EXPECT_EQ(BtOCFileGet(bad, rec.data(), "f"), -1) << bad;
    EXPECT_EQ(BtOCFilePut(bad, rec.data()), -1) << bad;
    EXPECT_EQ(BtOCFileDel(bad, rec.data()), -1) << bad;
    EXPECT_EQ(BtOCRecTotalGet(bad), -1) << bad;
    EXPECT_EQ(BtOCPbGet(bad, block.data()), -1) << bad;
    EXPECT_EQ(BtFileClose(bad), 0) << bad;
  }
  EXPECT_EQ(BtOCPbGet(handle, nullptr), -1);
  EXPECT_EQ(BtOCFileGet(handle, nullptr, "f"), -1);
  EXPECT_EQ(BtOCFileGet(handle, rec.data(), nullptr), -1);
  ASSERT_EQ(BtOCPbGet(handle, block.data()), 0);
  EXPECT_NE(block, std::string(128, '\0'));

  ASSERT_EQ(BtFileClose(handle), 0);
  EXPECT_EQ(BtOCRecTotalGet(handle), -1);
  EXPECT_EQ(BtFileClose(handle), 0);

  // After a stop every handle is gone, quietly.
  handle = BtFileOpen(path.c_str(), BT_MODE_NORMAL);
  ASSERT_GE(handle, 0);
  EXPECT_EQ(BtStop(), 0);
  EXPECT_EQ(BtOCRecTotalGet(handle), -1);
  EXPECT_EQ(BtFileClose(handle), 0);
  EXPECT_TRUE(port.shown.empty());
}

TEST_F(BtExportsTest, PutNeverOverwritesARecordItDidNotLookUp) {
  int handle = createOpen();
  ASSERT_GE(handle, 0);
  ASSERT_EQ(BtOCFilePut(handle, record("A", 1).data()), 0);
  ASSERT_EQ(BtOCFilePut(handle, record("B", 2).data()), 0);
  ASSERT_EQ(got(handle, record("A", 0), "="), record("A", 1));
  // "C" takes B's amount: the code finds no record to update, so nothing changes.
  EXPECT_EQ(BtOCFilePut(handle, record("C", 2).data()), -1);
  // A delete whose key is not there deletes nothing, not the record read before.
  EXPECT_EQ(BtOCFileDel(handle, record("Z", 0).data()), -1);
  EXPECT_EQ(got(handle, record("A", 0), "="), record("A", 1));
  EXPECT_EQ(got(handle, record("B", 0), "="), record("B", 2));
  EXPECT_EQ(BtOCRecTotalGet(handle), 2);
  EXPECT_TRUE(port.shown.empty());
}

TEST_F(BtExportsTest, PutReadsOnlyTheKeysLengthFromTheCallersKey) {
  int handle = createOpen();
  ASSERT_GE(handle, 0);
  ASSERT_EQ(BtOCFilePut(handle, record("A", 7).data()), 0);
  // The caller's four-byte key sits at the very end of readable memory.
  long page = sysconf(_SC_PAGESIZE);
  char* pages = static_cast<char*>(mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(pages, MAP_FAILED);
  ASSERT_EQ(mprotect(pages + page, page, PROT_NONE), 0);
  char* key = pages + page - 4;
  std::memcpy(key, le32(7).data(), 4);
  EXPECT_EQ(BtOCKFilePut(handle, record("A", 7, "new").data(), key, 1), 0);
  EXPECT_EQ(got(handle, record("A", 0), "="), record("A", 7, "new"));
  munmap(pages, 2 * page);
}

TEST_F(BtExportsTest, FailuresShowTheirBoxes) {
  // A file that is no record file: one box captioned with the path, in UTF-8.
  ASSERT_TRUE(fs::mapDrive('Q', dir.path()));
  pemo::testing::writeFileBytes(dir / "表.DAT", "plain text, not a record file at all, long enough");
  EXPECT_EQ(BtFileOpen("Q:\\\x95\x5c.DAT", BT_MODE_NORMAL), -1);
  ASSERT_EQ(port.shown.size(), 1u);
  EXPECT_EQ(port.shown[0].prompt, "Err <OP:0,ST:30>");
  EXPECT_EQ(port.shown[0].title, "Q:\\表.DAT");
  EXPECT_EQ(port.shown[0].style, ui::kOkOnly);
  port.shown.clear();

  // A missing file fails without a box.
  EXPECT_EQ(BtFileOpen((dir / "NONE.DAT").c_str(), BT_MODE_NORMAL), -1);
  EXPECT_TRUE(port.shown.empty());

  // A failed insert: first as an engine stop, then captioned with the path.
  ASSERT_GE(createOpen(), 0);
  int reader = BtFileOpen(path.c_str(), BT_MODE_READ_ONLY);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(BtOCFilePut(reader, record("A", 1).data()), -1);
  ASSERT_EQ(port.shown.size(), 2u);
  EXPECT_EQ(port.shown[0].title, "Err Btrieve Stop");
  EXPECT_EQ(port.shown[0].prompt, "Err <OP:2,ST:46>");
  EXPECT_EQ(port.shown[1].title, path);
  EXPECT_EQ(port.shown[1].prompt, "Err <OP:2,ST:46>");
  port.shown.clear();

  // A layout the engine refuses: the engine's status, then the create message.
  std::string badKey = keyDescription(15, 'S', 8, false);
  std::string other = (dir / "OTHER.DAT").string();
  EXPECT_EQ(VBBtFileCreateOpen(other.c_str(), kRecordLength, BT_MODE_NORMAL, 1, 1, badKey.data()), -1);
  ASSERT_EQ(port.shown.size(), 2u);
  EXPECT_EQ(port.shown[0].prompt, "Err <OP:14,ST:27>");
  EXPECT_EQ(port.shown[1].prompt, "ｸﾘｴｰﾄに失敗しました(27)");
  EXPECT_EQ(port.shown[1].title, other);
  EXPECT_FALSE(std::filesystem::exists(other));
}

TEST(BtOperators, FirstCharactersSelectTheOperation) {
  using namespace pemo::btrieve;
  EXPECT_EQ(operationForOperator(">="), kOpGetGreaterOrEqual);
  EXPECT_EQ(operationForOperator("<=x"), kOpGetLessOrEqual);
  EXPECT_EQ(operationForOperator("+"), kOpGetNext);
  EXPECT_EQ(operationForOperator("-"), kOpGetPrevious);
  EXPECT_EQ(operationForOperator("<"), kOpGetLess);
  EXPECT_EQ(operationForOperator("=="), kOpGetEqual);
  EXPECT_EQ(operationForOperator("first"), kOpGetFirst);
  EXPECT_EQ(operationForOperator("last"), kOpGetLast);
  EXPECT_EQ(operationForOperator(">"), kOpGetGreater);
  EXPECT_EQ(operationForOperator("F"), kOpGetGreater);
  EXPECT_EQ(operationForOperator(""), kOpGetGreater);
}

}  // namespace
}  // namespace pemo::hapsy
