#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/archive/lha_archiver.h"
#include "platform/fs/fs.h"
#include "platform/testing/file_size_limit.h"
#include "platform/testing/long_names.h"
#include "platform/testing/temp_dir.h"

namespace pemo::archive {
namespace {

using pemo::testing::readFileBytes;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

struct StoredEntry {
  std::string name;  // code page 932, "\" between folders
  std::string data;
};

uint16_t crc16(const std::string& data) {
  uint16_t crc = 0;
  for (unsigned char byte : data) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  }
  return crc;
}

void appendLittleEndian(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xFF);
}

// An archive of uncompressed ("-lh0-") entries with level-0 headers, as old DOS and
// Windows archivers wrote them.
std::string storedArchive(const std::vector<StoredEntry>& entries, bool breakChecksum = false) {
  std::string archive;
  for (const StoredEntry& entry : entries) {
    std::string header = "-lh0-";
    appendLittleEndian(header, uint32_t(entry.data.size()), 4);
    appendLittleEndian(header, uint32_t(entry.data.size()), 4);
    appendLittleEndian(header, uint32_t(((2020 - 1980) << 9 | 1 << 5 | 1) << 16), 4);
    header += char(0x20);  // archive attribute
    header += char(0);     // header level
    header += char(entry.name.size());
    header += entry.name;
    appendLittleEndian(header, crc16(entry.data) ^ (breakChecksum ? 1 : 0), 2);
    unsigned sum = 0;
    for (unsigned char byte : header) sum += byte;
    archive += char(header.size());
    archive += char(sum & 0xFF);
    archive += header + entry.data;
  }
  return archive + '\0';
}

// The same with level-2 headers, as Unix archivers write them: names in UTF-8, in an
// extended header of their own, of any length.
std::string unixArchive(const std::vector<StoredEntry>& entries) {
  std::string archive;
  for (const StoredEntry& entry : entries) {
    std::string header = "-lh0-";
    appendLittleEndian(header, uint32_t(entry.data.size()), 4);
    appendLittleEndian(header, uint32_t(entry.data.size()), 4);
    appendLittleEndian(header, 1600000000, 4);  // Unix time
    header += char(0x20);
    header += char(2);  // header level
    appendLittleEndian(header, crc16(entry.data), 2);
    header += 'U';
    appendLittleEndian(header, uint32_t(1 + entry.name.size() + 2), 2);
    header += char(0x01) + entry.name;  // the file name's extended header
    appendLittleEndian(header, 0, 2);   // no more
    std::string whole;
    appendLittleEndian(whole, uint32_t(2 + header.size()), 2);
    archive += whole + header + entry.data;
  }
  return archive + '\0';
}

class LhaArchiverTest : public ::testing::Test {
 protected:
  static std::string extracted(const std::string& windowsPath) {
    return readFileBytes(fs::toHostPath(windowsPath).value_or(""));
  }
  void SetUp() override {
    if (!lhaArchiverAvailable()) GTEST_SKIP() << "built without the archive library";
    ASSERT_TRUE(fs::mapDrive('W', work.path()));
  }
  TempDir work;
};

TEST_F(LhaArchiverTest, ListsTestsAndExtractsWithAndWithoutFolders) {
  writeFileBytes(work / "menus.lzh",
                 storedArchive({{"MENU.FIL", "[MENU]\r\n"},
                                {"SUB\\README.TXT", "read me"},
                                {"\x93\xfa\x96\x7b.txt", "nihon"}}));
  EXPECT_EQ(runLhaCommand("l W:\\MENUS.LZH"), kLhaDone);
  EXPECT_EQ(runLhaCommand("t -r W:\\menus.lzh"), kLhaDone);

  EXPECT_EQ(runLhaCommand("x -a1 W:\\menus.lzh \"W:\\out dir\\\""), kLhaDone);
  // Upper-case DOS names come out in lower case; Windows paths find them either way.
  EXPECT_EQ(extracted("W:\\out dir\\MENU.FIL"), "[MENU]\r\n");
  EXPECT_EQ(extracted("W:\\out dir\\SUB\\README.TXT"), "read me");
  EXPECT_EQ(readFileBytes(work / "out dir" / "日本.txt"), "nihon");

  EXPECT_EQ(runLhaCommand("e W:\\menus.lzh W:\\flat\\ *.txt"), kLhaDone);
  EXPECT_TRUE(fs::fileExists("W:\\flat\\README.TXT"));
  EXPECT_TRUE(fs::fileExists("W:\\flat\\日本.txt"));
  EXPECT_FALSE(fs::pathExists("W:\\flat\\MENU.FIL"));

  // Without a folder the current folder receives the files.
  ASSERT_TRUE(fs::changeFolder("W:\\flat"));
  ASSERT_TRUE(fs::changeDrive('W'));
  EXPECT_EQ(runLhaCommand("e menus.lzh"), kLhaArchiveNotFound);
  EXPECT_EQ(runLhaCommand("e ..\\menus.lzh menu.fil"), kLhaDone);
  EXPECT_TRUE(fs::fileExists("W:\\flat\\MENU.FIL"));
}

TEST_F(LhaArchiverTest, FailuresAreReportedAndNothingLeavesTheFolder) {
  writeFileBytes(work / "bad.lzh", storedArchive({{"A.TXT", "data"}}, true));
  EXPECT_EQ(runLhaCommand("t W:\\bad.lzh"), kLhaArchiveDamaged);
  EXPECT_EQ(runLhaCommand("x W:\\bad.lzh W:\\out\\"), kLhaArchiveDamaged);

  writeFileBytes(work / "evil.lzh", storedArchive({{"..\\..\\EVIL.TXT", "x"}, {"OK.TXT", "ok"}}));
  const LhaResult evil = runLhaCommand("x W:\\evil.lzh W:\\deep\\out\\");
  EXPECT_TRUE(evil == kLhaUnsafeEntry || evil == kLhaDone);
  EXPECT_FALSE(fs::pathExists("W:\\EVIL.TXT"));
  EXPECT_FALSE(fs::pathExists("W:\\deep\\EVIL.TXT"));
  EXPECT_EQ(extracted("W:\\deep\\out\\OK.TXT"), "ok");

  writeFileBytes(work / "junk.lzh", "this is not an archive at all");
  EXPECT_EQ(runLhaCommand("l W:\\junk.lzh"), kLhaArchiveDamaged);
  EXPECT_EQ(runLhaCommand("l W:\\none.lzh"), kLhaArchiveNotFound);
  EXPECT_EQ(runLhaCommand("a W:\\new.lzh W:\\x.txt"), kLhaUnsupportedCommand);
  EXPECT_EQ(runLhaCommand(""), kLhaUnsupportedCommand);
  EXPECT_EQ(runLhaCommand("x -r"), kLhaNoArchiveName);
}

TEST_F(LhaArchiverTest, DamagedEntryLeavesTheFileItWouldReplaceAsItWas) {
  writeFileBytes(work / "bad.lzh", storedArchive({{"A.TXT", "damaged data"}}, true));
  std::filesystem::create_directories(work / "out");
  writeFileBytes(work / "out" / "a.txt", "the good copy");
  EXPECT_EQ(runLhaCommand("x W:\\bad.lzh W:\\out\\"), kLhaArchiveDamaged);
  EXPECT_EQ(readFileBytes(work / "out" / "a.txt"), "the good copy");
  EXPECT_EQ(runLhaCommand("e W:\\bad.lzh W:\\new\\"), kLhaArchiveDamaged);
  EXPECT_FALSE(fs::pathExists("W:\\new\\A.TXT"));
  // Nothing half-written is left beside them either.
  EXPECT_EQ(fs::listFolder("W:\\out\\*").size(), 1u);
  EXPECT_EQ(fs::listFolder("W:\\new\\*").size(), 0u);
}

TEST_F(LhaArchiverTest, WritesOnlyInsideTheFolderAndReportsAFailedWriteAsSuch) {
  TempDir outside;
  writeFileBytes(outside / "victim.txt", "outside");
  std::filesystem::create_directories(work / "links");
  std::filesystem::create_symlink(outside / "victim.txt", work / "links" / "a.txt");
  std::filesystem::create_symlink(outside.path(), work / "links" / "sub");
  writeFileBytes(work / "lk.lzh", storedArchive({{"A.TXT", "new"}, {"SUB\\B.TXT", "b"}, {"C.TXT", "c"}}));
  const mode_t umask = ::umask(022);
  EXPECT_EQ(runLhaCommand("x W:\\lk.lzh W:\\links\\"), kLhaUnsafeEntry);
  ::umask(umask);
  EXPECT_EQ(readFileBytes(outside / "victim.txt"), "outside");
  EXPECT_FALSE(std::filesystem::exists(outside / "b.txt"));
  EXPECT_EQ(readFileBytes(work / "links" / "c.txt"), "c");
  EXPECT_EQ(std::filesystem::status(work / "links" / "c.txt").permissions(), std::filesystem::perms(0644));

  writeFileBytes(work / "big.lzh", storedArchive({{"BIG.TXT", std::string(4000, 'x')}}));
  {
    const pemo::testing::FileSizeLimit diskFullAfter(1000);
    EXPECT_EQ(runLhaCommand("x W:\\big.lzh W:\\full\\"), kLhaCannotWrite);
  }
  EXPECT_EQ(fs::listFolder("W:\\full\\*").size(), 0u);
}

// The second byte of many two-byte characters (表 is 95 5C, ソ is 83 5C) is the byte
// of "\\", which must not split the name.
TEST_F(LhaArchiverTest, TwoByteCharactersEndingInTheBackslashByteStayWhole) {
  writeFileBytes(work / "yen.lzh", storedArchive({{"\x95\x5c.txt", "hyou"},
                                                  {"D\\\x83\x5c\\X.TXT", "so"}}));
  EXPECT_EQ(runLhaCommand("x W:\\yen.lzh W:\\o\\"), kLhaDone);
  EXPECT_EQ(readFileBytes(work / "o" / "表.txt"), "hyou");
  EXPECT_EQ(extracted("W:\\o\\D\\ソ\\X.TXT"), "so");
  EXPECT_EQ(runLhaCommand("e W:\\yen.lzh W:\\flat\\ *\\ソ\\*"), kLhaDone);
  EXPECT_EQ(extracted("W:\\flat\\X.TXT"), "so");
}

TEST_F(LhaArchiverTest, NamesAsLongAsTheHostTakesAreExtractedAndOneByteMoreIsRefused) {
  const std::vector<std::string> names = pemo::testing::longNamesTheHostTakes();
  std::vector<StoredEntry> entries;
  for (const std::string& name : names) entries.push_back({name, "data of " + name});
  entries.push_back({pemo::testing::nameOneByteTooLong(), "never"});
  entries.push_back({"after.txt", "after"});
  writeFileBytes(work / "long.lzh", unixArchive(entries));
  for (const char* command : {"e W:\\long.lzh W:\\out\\", "x W:\\long.lzh W:\\out\\"}) {
    SCOPED_TRACE(command);
    EXPECT_EQ(runLhaCommand(command), kLhaCannotWrite);
    for (const std::string& name : names) EXPECT_EQ(readFileBytes(work / "out" / name), "data of " + name) << name;
    EXPECT_EQ(readFileBytes(work / "out" / "after.txt"), "after");
    // Nothing else is left.
    EXPECT_EQ(size_t(std::distance(std::filesystem::directory_iterator(work / "out"), {})), names.size() + 1);
  }
}

TEST(LhaCommand, WordsSwitchesFolderAndNames) {
  EXPECT_EQ(splitLhaWords("x  \"a b.lzh\"\t c"), (std::vector<std::string>{"x", "a b.lzh", "c"}));
  const auto parsed = parseLhaCommand("X -a1 -gm C:\\A.LZH C:\\OUT\\ *.TXT SUB\\");
  ASSERT_TRUE(parsed.command);
  EXPECT_EQ(parsed.command->verb, LhaVerb::ExtractWithFolders);
  EXPECT_EQ(parsed.command->archive, "C:\\A.LZH");
  EXPECT_EQ(parsed.command->folder, "C:\\OUT\\");
  EXPECT_EQ(parsed.command->patterns, (std::vector<std::string>{"*.TXT", "SUB\\"}));
  EXPECT_EQ(parseLhaCommand("v /tmp/a.lzh").command->archive, "/tmp/a.lzh");
}

}  // namespace
}  // namespace pemo::archive
