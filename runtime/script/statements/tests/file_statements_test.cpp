// The file statements on a temporary folder mapped as drive T:.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/fs/fs.h"
#include "platform/testing/file_size_limit.h"
#include "runtime/script/statements/statement_messages.h"
#include "runtime/script/statements/tests/statement_fixture.h"

namespace pemo::script::statements {
namespace {

using testing::StatementFixture;
using testing::TempDrive;
using Lines = std::vector<std::string>;
namespace stdfs = std::filesystem;

TEST(FileCopy, CopiesReplacingAndCountsItsArguments) {
  TempDrive t;
  StatementFixture f;
  t.write("a.txt", "new");
  t.write("b.txt", "old");
  const auto ownerOnly = stdfs::perms::owner_read | stdfs::perms::owner_write;
  stdfs::permissions(t / "b.txt", ownerOnly);
  EXPECT_EQ(f.run({"FILECOPY \"a.txt\", \"T:\\b.txt\"", "MSGBOX \"on\""}), Lines{"on"});
  EXPECT_EQ(t.read("b.txt"), "new");
  EXPECT_EQ(stdfs::status(t / "b.txt").permissions(), ownerOnly) << "the destination keeps its permissions";
  // With more commas than slots the destination is all the rest. A new file gets the
  // permissions every new file gets, not the source's.
  stdfs::permissions(t / "a.txt", ownerOnly);
  const mode_t umask = ::umask(022);
  f.run({"FILECOPY \"a.txt\", \"x\" & \",y.txt\""});
  ::umask(umask);
  EXPECT_EQ(t.read("x,y.txt"), "new");
  EXPECT_EQ(stdfs::status(t / "x,y.txt").permissions(), stdfs::perms(0644));
  EXPECT_TRUE(f.errors().empty());

  EXPECT_TRUE(f.run({"FILECOPY \"a.txt\"", "MSGBOX \"not reached\""}).empty());
  EXPECT_TRUE(f.run({"FILECOPY \"missing.txt\", \"c.txt\""}).empty());
  // A file copied onto itself keeps its contents.
  f.run({"FILECOPY \"a.txt\", \"T:\\A.TXT\""});
  EXPECT_EQ(t.read("a.txt"), "new");
  EXPECT_EQ(f.errors(), (Lines{msg::kWrongArgumentCount, msg::kCopyFailed, msg::kCopyFailed}));
  EXPECT_FALSE(t.exists("c.txt"));
}

TEST(FileCopy, ADestinationThatFailsToEvaluateIsNotWritten) {
  TempDrive t;
  StatementFixture f;
  t.write("a.txt", "data");
  EXPECT_TRUE(f.run({"FILECOPY \"a.txt\", LABEL(9).CAPTION", "MSGBOX \"not reached\""}).empty());
  EXPECT_EQ(f.errors().size(), 1u);
  EXPECT_FALSE(t.exists("LABEL(9).CAPTION"));
}

TEST(FileCopyEx, CopiesTheNormalFilesThatMatch) {
  TempDrive t;
  StatementFixture f;
  t.write("src/one.txt", "1");
  t.write("src/TWO.TXT", "2");
  t.write("src/.hidden.txt", "h");
  t.write("src/three.dat", "3");
  stdfs::create_directories(t / "src" / "folder.txt");
  stdfs::create_directories(t / "dst");
  t.write("dst/one.txt", "old");
  EXPECT_EQ(f.run({"FILECOPYEX \"src\\*.txt\", \"T:\\dst\"", "MSGBOX \"on\""}), Lines{"on"});
  EXPECT_EQ(t.read("dst/one.txt"), "1");
  EXPECT_EQ(t.read("dst/TWO.TXT"), "2");
  EXPECT_FALSE(t.exists("dst/.hidden.txt"));
  EXPECT_FALSE(t.exists("dst/three.dat"));
  EXPECT_FALSE(t.exists("dst/folder.txt"));
  // No match: nothing copied, and the SUB goes on.
  EXPECT_EQ(f.run({"FILECOPYEX \"src\\*.none\", \"T:\\dst\\\"", "MSGBOX \"on\""}), Lines{"on"});
  EXPECT_TRUE(f.errors().empty());
  // A destination folder that does not exist.
  EXPECT_TRUE(f.run({"FILECOPYEX \"src\\*.txt\", \"T:\\nowhere\"", "MSGBOX \"not reached\""}).empty());
  EXPECT_TRUE(f.run({"FILECOPYEX \"src\\*.txt\""}).empty());
  EXPECT_EQ(f.errors(), (Lines{msg::kCopyFailed, msg::kWrongArgumentCount}));
}

TEST(CreateFolder, CreatesEveryLevelAndKeepsTheCurrentFolder) {
  TempDrive t;
  StatementFixture f;
  stdfs::create_directories(t / "work");
  fs::changeFolder("T:\\work");
  EXPECT_EQ(f.run({"CREATEFOLDER \"a\\b\\c\"", "CREATEFOLDER \"T:\\x\\y\"", "CREATEFOLDER \"T:\\x\"", "MSGBOX \"on\""}),
            Lines{"on"});
  EXPECT_TRUE(stdfs::is_directory(t / "work" / "a" / "b" / "c"));
  EXPECT_TRUE(stdfs::is_directory(t / "x" / "y"));
  EXPECT_EQ(fs::currentDrive(), 'T');
  EXPECT_EQ(stdfs::path(*fs::toHostPath(fs::currentFolder())), t / "work");
  // A folder that cannot be made ends the SUB without a message.
  t.write("file", "");
  EXPECT_TRUE(f.run({"CREATEFOLDER \"T:\\file\\sub\"", "MSGBOX \"not reached\""}).empty());
  EXPECT_TRUE(f.errors().empty());
  EXPECT_EQ(stdfs::path(*fs::toHostPath(fs::currentFolder())), t / "work");
}

TEST(DeleteFileEx, DeletesTreesSilently) {
  TempDrive t;
  StatementFixture f;
  pemo::testing::TempDir outside;
  t.write("tree/a/b/file.txt", "x");
  t.write("tree/top.txt", "x");
  stdfs::create_symlink(outside.path(), t / "tree" / "link");
  pemo::testing::writeFileBytes(outside / "keep.txt", "kept");
  t.write("sel/one.tmp", "1");
  t.write("sel/dir.tmp/inner", "2");
  t.write("sel/keep.dat", "3");
  EXPECT_EQ(f.run({"DELETEFILEEX \"tree\"", "DELETEFILEEX \"T:\\sel\\*.tmp\"", "DELETEFILEEX \"missing\"",
                   "DELETEFILEEX \"Q:\\x\"", "MSGBOX \"on\""}),
            Lines{"on"});
  EXPECT_FALSE(t.exists("tree"));
  EXPECT_EQ(pemo::testing::readFileBytes(outside / "keep.txt"), "kept");  // links are not followed
  EXPECT_FALSE(t.exists("sel/one.tmp"));
  EXPECT_FALSE(t.exists("sel/dir.tmp"));
  EXPECT_TRUE(t.exists("sel/keep.dat"));
  EXPECT_TRUE(f.errors().empty());
}

TEST(DeleteFileEx, RefusesTheDriveTheHomeAndTheCurrentFolder) {
  TempDrive t;
  StatementFixture f;
  t.write("work/inner/file.txt", "x");
  t.write("other.txt", "x");
  fs::changeFolder("T:\\work\\inner");
  const Lines refused{"\"\"",   "\"   \"",      "\"\\\"",    "\"T:\\\"",  "\".\"",
                      "\"..\"", "\"T:\\work\"", "\"T:\\*\"", "\"T:\\w*\""};
  for (const std::string& target : refused) {
    f.boxes.shown.clear();
    EXPECT_TRUE(f.run({"DELETEFILEEX " + target, "MSGBOX \"not reached\""}).empty()) << target;
    EXPECT_EQ(f.errors(), Lines{msg::kDeleteFailed}) << target;
  }
  // The home folder and what holds it, the configuration folder (drives, registry), and
  // the folder a drive stands for, by whatever path.
  t.write("users/me/file.txt", "x");
  setenv("HOME", (t / "users" / "me").c_str(), 1);
  f.boxes.shown.clear();
  for (const stdfs::path& key : {t / "users" / "me", t / "users", fs::configHome(), t / ""}) {
    f.run({"DELETEFILEEX \"" + fs::toWindowsPath(key.string()) + "\""});
  }
  f.run({"DELETEFILEEX \"T:\\users\\me\\*\""});  // the whole contents of the home folder
  EXPECT_EQ(f.errors(), Lines(5, msg::kDeleteFailed));
  EXPECT_TRUE(t.exists("users/me/file.txt"));
  EXPECT_TRUE(stdfs::exists(fs::drivesFolder()));
  EXPECT_TRUE(t.exists("work/inner/file.txt"));
  EXPECT_TRUE(t.exists("other.txt"));

  // A value that fails to evaluate deletes nothing either.
  t.write("work/inner/LABEL(9).CAPTION", "x");
  f.boxes.shown.clear();
  EXPECT_TRUE(f.run({"DELETEFILEEX LABEL(9).CAPTION", "MSGBOX \"not reached\""}).empty());
  EXPECT_EQ(f.errors().size(), 1u);
  EXPECT_TRUE(t.exists("work/inner/LABEL(9).CAPTION"));
}

TEST(DeleteFile, DeletesMatchingFilesOnly) {
  TempDrive t;
  StatementFixture f;
  t.write("a.log", "");
  t.write("b.LOG", "");
  t.write("c.txt", "");
  stdfs::create_directories(t / "d.log");
  EXPECT_EQ(f.run({"DELETEFILE \"*.log\"", "DELETEFILE \"T:\\c.txt\"", "MSGBOX \"on\""}), Lines{"on"});
  EXPECT_FALSE(t.exists("a.log"));
  EXPECT_FALSE(t.exists("b.LOG"));
  EXPECT_FALSE(t.exists("c.txt"));
  EXPECT_TRUE(t.exists("d.log"));
  // Nothing to delete, and a blank value, which would select every file of the folder.
  t.write("keep.txt", "");
  EXPECT_TRUE(f.run({"DELETEFILE \"*.log\"", "MSGBOX \"not reached\""}).empty());
  EXPECT_TRUE(f.run({"DELETEFILE \" \""}).empty());
  EXPECT_EQ(f.errors(), (Lines{msg::kDeleteFailed, msg::kDeleteFailed}));
  EXPECT_TRUE(t.exists("keep.txt"));
}

TEST(CurrentFolderAndDrive, ChangeOrReport) {
  TempDrive t;
  StatementFixture f;
  stdfs::create_directories(t / "Sub");
  EXPECT_EQ(f.run({"CHDIR \"T:\\sub\"", "CHDRIVE \"c\"", "CHDRIVE \"t:\"", "MSGBOX \"on\""}), Lines{"on"});
  EXPECT_EQ(fs::currentDrive(), 'T');
  EXPECT_EQ(fs::currentFolder(), "T:\\Sub");
  EXPECT_TRUE(f.run({"CHDIR \"T:\\none\"", "MSGBOX \"not reached\""}).empty());
  EXPECT_TRUE(f.run({"CHDRIVE \"Q\""}).empty());
  EXPECT_TRUE(f.run({"CHDRIVE \"\""}).empty());
  EXPECT_EQ(f.errors(), (Lines{msg::kFolderNotChanged, msg::kDriveNotChanged, msg::kDriveNotChanged}));
  EXPECT_EQ(fs::currentFolder(), "T:\\Sub");
}

TEST(OutputAndAppend, WriteOneLineInCodePage932) {
  TempDrive t;
  StatementFixture f;
  t.write("out.txt", "old contents\r\n");
  EXPECT_EQ(f.run({"OUTPUT \"out.txt\", \"表\" & \"2\"", "APPEND \"T:\\out.txt\", \"next\"",
                   "APPEND \"new.txt\", \"first\"", "APPEND \"new.txt\"", "MSGBOX \"on\""}),
            Lines{"on"});
  EXPECT_EQ(t.read("out.txt"),
            "\x95\x5c"
            "2\r\nnext\r\n");
  EXPECT_EQ(t.read("new.txt"), "first\r\n\r\n");
  // A text that failed to evaluate does not empty the file.
  EXPECT_TRUE(f.run({"OUTPUT \"out.txt\", LABEL(9).CAPTION", "MSGBOX \"not reached\""}).empty());
  EXPECT_EQ(t.read("out.txt"),
            "\x95\x5c"
            "2\r\nnext\r\n");
  stdfs::create_directories(t / "folder");
  f.boxes.shown.clear();
  f.run({"OUTPUT \"folder\", \"x\""});
  f.run({"APPEND \"folder\", \"x\""});
  f.run({"OUTPUT \"Q:\\x.txt\", \"x\""});
  ASSERT_EQ(::mkfifo((t / "pipe").c_str(), 0666), 0);
  f.run({"OUTPUT \"pipe\", \"x\""});
  f.run({"APPEND \"pipe\", \"x\""});
  EXPECT_TRUE(stdfs::is_fifo(t / "pipe"));
  EXPECT_EQ(f.errors(), (Lines{msg::kOutputFailed, msg::kAppendFailed, msg::kOutputFailed, msg::kOutputFailed,
                               msg::kAppendFailed}));
}

// A file without any write permission bit is read-only for everyone who runs the script.
TEST(OutputAppendAndCopy, LeaveAReadOnlyFileAsItWas) {
  TempDrive t;
  StatementFixture f;
  t.write("a.txt", "new");
  t.write("ro.txt", "kept\r\n");
  ::chmod((t / "ro.txt").c_str(), 0444);
  for (const char* line : {"OUTPUT \"ro.txt\", \"x\"", "APPEND \"ro.txt\", \"x\"", "FILECOPY \"a.txt\", \"ro.txt\""})
    EXPECT_TRUE(f.run({line, "MSGBOX \"not reached\""}).empty()) << line;
  EXPECT_EQ(f.errors(), (Lines{msg::kOutputFailed, msg::kAppendFailed, msg::kCopyFailed}));
  EXPECT_EQ(t.read("ro.txt"), "kept\r\n");
  // Write permission for its owner alone is enough.
  ::chmod((t / "ro.txt").c_str(), 0200);
  EXPECT_EQ(f.run({"APPEND \"ro.txt\", \"x\"", "MSGBOX \"on\""}), Lines{"on"});
}

TEST(Append, OnAFullDiskLeavesNoPartOfTheLine) {
  TempDrive t;
  StatementFixture f;
  t.write("log.txt", "old\r\n");
  {
    const pemo::testing::FileSizeLimit diskFullAfter(8);
    f.run({"APPEND \"log.txt\", \"a line too long\""});
    f.run({"APPEND \"new.txt\", \"a line too long\""});
  }
  EXPECT_EQ(f.errors(), (Lines{msg::kAppendFailed, msg::kAppendFailed}));
  EXPECT_EQ(t.read("log.txt"), "old\r\n");
  EXPECT_FALSE(t.exists("new.txt"));
}

}  // namespace
}  // namespace pemo::script::statements
