#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/fs/windows_path.h"
#include "platform/text/cp932.h"
#include "runtime/shell/list_file.h"
#include "runtime/shell/run_edit_list.h"
#include "runtime/shell/run_info_file.h"
#include "runtime/shell/run_menu.h"
#include "runtime/shell/tests/list_file_shapes.h"
#include "runtime/shell/tests/shell_fakes.h"

using namespace pemo::shell;
using namespace pemo::shell::testing;
using pemo::page::RunListEntry;
using pemo::testing::readFileBytes;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

namespace {

// A program folder with its user folder, as start-up leaves it.
struct UserFolder {
  TempDir dir;
  std::string appFolder;
  std::filesystem::path hostFile;
  UserFolder() {
    std::filesystem::create_directories(dir / "PemoUser");
    appFolder = pemo::fs::toWindowsPath(dir.path().string()) + "\\";
    hostFile = dir / "PemoUser" / "PEMORUN.DAT";
  }
  std::string file() const { return runInfoFile(appFolder); }
  // A favourites file of the same user folder.
  std::string favouritesFile() const { return appFolder + "PemoUser\\top.USER"; }
  void write(const std::string& utf8) const { writeFileBytes(hostFile, pemo::text::utf8ToCp932(utf8)); }
};

// A file's size, inode and last change: a write or a replacement changes one of them.
std::tuple<off_t, ino_t, time_t, long> fileState(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return {};
  return {status.st_size, status.st_ino, status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

std::vector<RunListEntry> entries(int count) {
  std::vector<RunListEntry> list;
  for (int i = 1; i <= count; ++i) list.push_back({"prog" + std::to_string(i), "C:\\P\\PROG" + std::to_string(i) + ".EXE"});
  return list;
}

}  // namespace

TEST(RunInfoFile, ReadsWhatTheWritersLeaveAndStopsAtTheFirstGap) {
  UserFolder u;
  EXPECT_TRUE(readRunInfo(u.file()).empty()) << "no file: no programs";

  // Section and keys in any case; the caption ends at the first comma, the command line
  // keeps every later one; a value without a comma has an empty command line, whatever
  // the entry before it held; a gap ends the list.
  u.write("[app]\r\nAPP0=メモ帳,notepad.exe C:\\a,b.txt\r\napp1=bare\r\nApp2=x,y\r\nApp4=after,gap\r\n");
  const auto list = readRunInfo(u.file());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].caption, "メモ帳");
  EXPECT_EQ(list[0].commandLine, "notepad.exe C:\\a,b.txt");
  EXPECT_EQ(list[1].caption, "bare");
  EXPECT_EQ(list[1].commandLine, "");
  EXPECT_EQ(list[2].commandLine, "y");

  // A change would lose the entry after the gap: it is not written.
  pemo::page::RuntimeState runtime;
  runtime.appFolder = u.appFolder;
  getRunInfo(runtime);
  const std::string withGap = readFileBytes(u.hostFile);
  runtime.runList.push_back({"new", "NEW.EXE"});
  EXPECT_FALSE(storeRunInfo(runtime));
  EXPECT_EQ(readFileBytes(u.hostFile), withGap);

  // Without the gap a change writes the list back: "APP", keys from App0, CR LF, code
  // page 932.
  u.write("[app]\r\nAPP0=メモ帳,notepad.exe C:\\a,b.txt\r\napp1=bare\r\nApp2=x,y\r\n");
  getRunInfo(runtime);
  runtime.runList.push_back({"new", "NEW.EXE"});
  ASSERT_TRUE(storeRunInfo(runtime));
  EXPECT_EQ(pemo::text::cp932ToUtf8(readFileBytes(u.hostFile)),
            "[APP]\r\nApp0=メモ帳,notepad.exe C:\\a,b.txt\r\nApp1=bare,\r\nApp2=x,y\r\nApp3=new,NEW.EXE\r\n");
}

TEST(RunInfoFile, KeepsLongCommandLinesAndTheOldFileWhenAWriteFails) {
  UserFolder u;
  pemo::page::RuntimeState runtime;
  runtime.appFolder = u.appFolder;
  const std::string longLine = "C:\\TOOLS\\RUN.EXE " + std::string(300, 'x');
  runtime.runList = {{"long", longLine}, {"a,b", "two"}};
  ASSERT_TRUE(storeRunInfo(runtime));
  getRunInfo(runtime);
  ASSERT_EQ(runtime.runList.size(), 2u);
  EXPECT_EQ(runtime.runList[0].commandLine, longLine) << "nothing is cut to a buffer";
  EXPECT_EQ(runtime.runList[1].caption, "a，b") << "a comma never reaches the file in a caption";

  // A file that cannot be replaced keeps the old list.
  const std::string before = readFileBytes(u.hostFile);
  std::filesystem::permissions(u.hostFile, std::filesystem::perms::owner_read);
  runtime.runList = entries(1);
  EXPECT_FALSE(storeRunInfo(runtime));
  EXPECT_EQ(readFileBytes(u.hostFile), before);
  std::filesystem::permissions(u.hostFile, std::filesystem::perms::owner_all);

  // An empty list leaves no file.
  runtime.runList.clear();
  EXPECT_TRUE(storeRunInfo(runtime));
  EXPECT_FALSE(std::filesystem::exists(u.hostFile));
}

TEST(RunInfoFile, HostileFilesAreReadInOnePassAndNeverLost) {
  UserFolder u;
  pemo::page::RuntimeState runtime;
  runtime.appFolder = u.appFolder;
  // Forty thousand keys with CR alone as the line end, as many as a list file's bytes
  // hold: read whole, written back whole.
  std::string many = "[APP]\r";
  for (int i = 0; i < 40000; ++i) many += "App" + std::to_string(i) + "=p" + std::to_string(i) + ",C:\\P.EXE\r";
  writeFileBytes(u.hostFile, many);
  getRunInfo(runtime);
  ASSERT_EQ(runtime.runList.size(), 40000u);
  EXPECT_EQ(runtime.runList.back().caption, "p39999");
  runtime.runList.back().caption = "last";
  ASSERT_TRUE(storeRunInfo(runtime));
  EXPECT_LE(readFileBytes(u.hostFile).size(), kMostListFileBytes);
  EXPECT_EQ(readRunInfo(u.file()).size(), 40000u);
  EXPECT_EQ(readRunInfo(u.file()).back().caption, "last");

  // A file that yields no list is another program's or damaged: an empty list at
  // shutdown leaves it as it was.
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 256);
  writeFileBytes(u.hostFile, garbage);
  getRunInfo(runtime);
  EXPECT_TRUE(runtime.runList.empty());
  EXPECT_TRUE(storeRunInfo(runtime));
  EXPECT_EQ(readFileBytes(u.hostFile), garbage);
  runtime.runList = entries(1);
  EXPECT_FALSE(storeRunInfo(runtime)) << "nor does a list replace it";
  EXPECT_EQ(readFileBytes(u.hostFile), garbage);

  // A folder in the file's place is neither read, removed nor replaced.
  std::filesystem::remove(u.hostFile);
  std::filesystem::create_directory(u.hostFile);
  getRunInfo(runtime);
  EXPECT_TRUE(runtime.runList.empty());
  runtime.runList = entries(1);
  EXPECT_FALSE(storeRunInfo(runtime));
  runtime.runList.clear();
  EXPECT_TRUE(storeRunInfo(runtime));
  EXPECT_TRUE(std::filesystem::is_directory(u.hostFile));
  std::filesystem::remove(u.hostFile);

  // Values that reading would trim or unquote come back as they were stored.
  const std::vector<RunListEntry> odd = {{"\"quoted", "C:\\A B\\X.EXE\""}, {"\tlead", "X.EXE "}, {"'a", "b'"}};
  runtime.runList = odd;
  ASSERT_TRUE(storeRunInfo(runtime));
  auto list = readRunInfo(u.file());
  ASSERT_EQ(list.size(), 3u);
  for (size_t i = 0; i < odd.size(); ++i) {
    EXPECT_EQ(list[i].caption, odd[i].caption);
    EXPECT_EQ(list[i].commandLine, odd[i].commandLine);
  }

  // A list a text editor saved as UTF-8 with a byte-order mark is read past the mark, as
  // UTF-8; a registration keeps its entries, stored again in code page 932.
  writeFileBytes(u.hostFile, "\xEF\xBB\xBF[APP]\r\nApp0=メモ帳,a.exe\r\nApp1=b,b.exe\r\nApp2=c,c.exe\r\n");
  getRunInfo(runtime);
  ASSERT_EQ(runtime.runList.size(), 3u);
  EXPECT_EQ(runtime.runList[0].caption, "メモ帳");
  runtime.runList.push_back({"new", "NEW.EXE"});
  ASSERT_TRUE(storeRunInfo(runtime));
  EXPECT_EQ(pemo::text::cp932ToUtf8(readFileBytes(u.hostFile)),
            "[APP]\r\nApp0=メモ帳,a.exe\r\nApp1=b,b.exe\r\nApp2=c,c.exe\r\nApp3=new,NEW.EXE\r\n");
}

TEST(RunInfoFile, AFileFarLargerThanAListIsTakenAsUnreadableAndLeftAsItWas) {
  constexpr std::uintmax_t kMB = 1024 * 1024;
  constexpr std::uintmax_t kGB = 1024 * kMB;
  const std::string list = "[APP]\r\nApp0=a,A.EXE\r\n";
  struct Size {
    std::uintmax_t bytes;
    bool readable;
  };
  const Size sizes[] = {{1000, true},        {1024, true},           {1000 * 1000, true},
                        {kMostListFileBytes - 1, true}, {kMostListFileBytes, true}, {kMostListFileBytes + 1, false},
                        {100 * kMB, false},  {400 * kMB, false},     {2 * kGB, false},
                        {1024 * kGB, false}};
  for (const Size& size : sizes) {
    for (const bool linked : {false, true}) {
      SCOPED_TRACE(std::to_string(size.bytes) + (linked ? " bytes through a link" : " bytes"));
      UserFolder u;
      const std::filesystem::path file = linked ? u.dir / "elsewhere.DAT" : u.hostFile;
      if (linked) std::filesystem::create_symlink(file, u.hostFile);
      // A list as long as a list file may be is filled up with blank lines; a longer file
      // is sparse.
      writeFileBytes(file, list + (size.readable ? std::string(size.bytes - list.size(), '\n') : ""));
      std::filesystem::resize_file(file, size.bytes);
      const auto before = fileState(file);
      ShellRig r;
      r.runtime.appFolder = u.appFolder;
      RunMenu menu(r.runtime, r.programs, r.window, r.hooks);
      menu.load();
      EXPECT_EQ(r.runtime.runList.size(), size.readable ? 1u : 0u);
      EXPECT_TRUE(menu.save()) << "nothing changed, nothing written";
      EXPECT_EQ(fileState(file), before);

      r.window.registration = [&] { r.runtime.runList.push_back({"new", "NEW.EXE"}); };
      menu.clicked(kEditRunListItem, "");
      EXPECT_EQ(menu.save(), size.readable);
      if (size.readable) {
        EXPECT_EQ(readRunInfo(u.file()), (std::vector<RunListEntry>{{"a", "A.EXE"}, {"new", "NEW.EXE"}}));
        EXPECT_TRUE(r.messages.shown.empty());
      } else {
        EXPECT_EQ(fileState(file), before) << "never replaced";
        ASSERT_EQ(r.messages.shown.size(), 2u) << "told at OK and at the close, as for a file that cannot be read";
        EXPECT_EQ(r.messages.shown[1].prompt, u.file() + "\rﾌｧｲﾙを保存できませんでした");
      }
      EXPECT_EQ(std::filesystem::is_symlink(u.hostFile), linked);
    }
  }
}

TEST(RunMenu, AListNobodyChangedIsNotWrittenAndEntriesTheReaderPassesOverAreNeverDropped) {
  for (const ListFileShape& c : listFileShapes("APP", "App")) {
    SCOPED_TRACE(c.what);
    UserFolder u;
    u.write(c.utf8);
    const auto before = fileState(u.hostFile);
    ShellRig r;
    r.runtime.appFolder = u.appFolder;
    RunMenu menu(r.runtime, r.programs, r.window, r.hooks);
    menu.load();
    ASSERT_EQ(r.runtime.runList.size(), 2u);
    EXPECT_TRUE(menu.save());
    EXPECT_EQ(fileState(u.hostFile), before) << "closed without a change: not written";
    EXPECT_TRUE(r.messages.shown.empty());

    // A registration: a file whose write would drop an entry is not written, and the
    // user is told when OK is pressed and at the close.
    r.window.registration = [&] { r.runtime.runList.push_back({"new", "NEW.EXE"}); };
    menu.clicked(kEditRunListItem, "");
    EXPECT_EQ(menu.save(), !c.passedOver);
    if (c.passedOver) {
      EXPECT_EQ(readFileBytes(u.hostFile), c.utf8);
      EXPECT_EQ(r.messages.shown.size(), 2u);
    } else {
      EXPECT_EQ(readRunInfo(u.file()), (std::vector<RunListEntry>{{"a", "A"}, {"b", "B"}, {"new", "NEW.EXE"}}));
      EXPECT_TRUE(r.messages.shown.empty());
    }
  }
}

TEST(RunInfoFile, AWriteWaitsWhileAnotherRuntimeWritesTheUserFolder) {
  using namespace std::chrono_literals;
  UserFolder u;
  pemo::page::RuntimeState runtime;
  runtime.appFolder = u.appFolder;
  runtime.runList = entries(1);
  auto held = std::make_unique<ListFileLock>(u.favouritesFile());
  std::atomic<bool> stored = false;
  std::thread closing([&] { stored = storeRunInfo(runtime); });
  std::this_thread::sleep_for(200ms);
  EXPECT_FALSE(std::filesystem::exists(u.hostFile)) << "written between another runtime's read and its write";
  held.reset();
  closing.join();
  EXPECT_TRUE(stored);
  EXPECT_EQ(readRunInfo(u.file()), entries(1));

  // Held for longer than the wait (a slow disk): the close fails and is told, the file
  // keeps what the holder wrote, and the run list keeps this runtime's change for its
  // next write.
  ShellRig r;
  r.runtime.appFolder = u.appFolder;
  RunMenu menu(r.runtime, r.programs, r.window, r.hooks);
  menu.load();
  r.runtime.runList.push_back({"mine", "MINE.EXE"});
  held = std::make_unique<ListFileLock>(u.file());
  ASSERT_TRUE(held->mayWrite());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(menu.save());
  EXPECT_GE(std::chrono::steady_clock::now() - start, kListLockWait);
  ASSERT_EQ(r.messages.shown.size(), 1u);
  EXPECT_EQ(r.messages.shown[0].prompt, u.file() + "\rﾌｧｲﾙを保存できませんでした");
  u.write("[APP]\r\nApp0=prog1,C:\\P\\PROG1.EXE\r\nApp1=prog2,C:\\P\\PROG2.EXE\r\n");  // the holder's write
  held.reset();
  EXPECT_TRUE(menu.save());
  auto expected = entries(2);
  expected.push_back({"mine", "MINE.EXE"});
  EXPECT_EQ(readRunInfo(u.file()), expected);

  // Only a lock another holder keeps is waited for: a descriptor the file system cannot
  // lock (as a network file system refuses a folder's) gives up at once.
  const int path = ::open(u.hostFile.parent_path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(path, 0);
  EXPECT_EQ(lockExclusively(path, 10s), LockState::None);
  ::close(path);
  held = std::make_unique<ListFileLock>(u.file());
  const int folder = ::open(u.hostFile.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  EXPECT_EQ(lockExclusively(folder, 50ms), LockState::Busy);
  held.reset();
  EXPECT_EQ(lockExclusively(folder, 50ms), LockState::Held);
  ::close(folder);
}

TEST(RunMenu, ItemsAreNumberedFromOneBehindASeparatorUpToForty) {
  EXPECT_TRUE(runMenuItems({}).empty()) << "no separator without programs";

  auto items = runMenuItems(entries(10));
  ASSERT_EQ(items.size(), 11u);
  EXPECT_TRUE(items[0].isSeparator());
  EXPECT_EQ(items[1].index, 51);
  EXPECT_EQ(items[1].caption, "&1 prog1");
  EXPECT_EQ(items[1].tag, "C:\\P\\PROG1.EXE");
  EXPECT_EQ(items[10].caption, "&10 prog10") << "the tenth's access key is its first digit";

  items = runMenuItems(entries(45));
  EXPECT_EQ(items.size(), 41u);
  EXPECT_EQ(items.back().index, 90);
}

TEST(RunMenu, StartsItsProgramsAndReportsAFailedStartWithTheItemsTag) {
  UserFolder u;
  ShellRig r;
  r.runtime.appFolder = u.appFolder;
  r.runtime.explorerPath = "C:\\WIN\\explorer.exe";
  RunMenu menu(r.runtime, r.programs, r.window, r.hooks);

  u.write("[APP]\r\nApp0=a,A.EXE\r\nApp1=b,B.EXE /x\r\n");
  menu.load();
  EXPECT_EQ(r.window.runMenuItems.size(), 3u);

  menu.clicked(52, "B.EXE /x");
  menu.clicked(kExplorerItem, "");
  menu.clicked(kControlPanelItem, "");
  ASSERT_EQ(r.programs.started.size(), 3u);
  EXPECT_EQ(r.programs.started[0], "B.EXE /x");
  EXPECT_EQ(r.programs.started[1], "C:\\WIN\\explorer.exe");
  EXPECT_EQ(r.programs.started[2], pemo::fs::windowsFolder() + "\\control.exe");
  EXPECT_TRUE(r.messages.shown.empty());

  r.programs.failing = {"A.EXE"};
  menu.clicked(51, "A.EXE");
  ASSERT_EQ(r.messages.shown.size(), 1u);
  EXPECT_EQ(r.messages.shown[0].prompt, "A.EXE\r起動に失敗しました");
  EXPECT_EQ(r.messages.shown[0].title, "Pemo");
  // The fixed items have no tag: the message starts with the carriage return.
  r.programs.refuseAll = true;
  menu.clicked(kControlPanelItem, "");
  EXPECT_EQ(r.messages.shown.back().prompt, "\r起動に失敗しました");

  // The registration dialog, then the menu and the launcher follow the list.
  r.calls.clear();
  r.window.registration = [&] { r.runtime.runList.pop_back(); };
  menu.clicked(kEditRunListItem, "");
  EXPECT_EQ(r.calls, (Calls{"showRunRegistration", "showRunMenuItems", "loadAppIcon"}));
  EXPECT_EQ(r.window.runMenuItems.size(), 2u);
}

TEST(RunMenu, RuntimesClosingInTurnKeepEachOthersChanges) {
  UserFolder u;
  ShellRig first, second, idle;
  std::vector<std::unique_ptr<RunMenu>> menus;
  for (ShellRig* r : {&first, &second, &idle}) {
    r->runtime.appFolder = u.appFolder;
    menus.push_back(std::make_unique<RunMenu>(r->runtime, r->programs, r->window, r->hooks));
  }
  u.write("[APP]\r\nApp0=a,A.EXE\r\nApp1=b,B.EXE\r\n");
  for (auto& menu : menus) menu->load();

  // The first deletes a and adds x; the second, closing later, still holds a but
  // replaced b and added y; the last changed nothing. The entry a deleted stays deleted,
  // the new ones are kept, in the order they were stored.
  first.runtime.runList.erase(first.runtime.runList.begin());
  first.runtime.runList.push_back({"x", "X.EXE"});
  second.runtime.runList[1] = {"b2", "B2.EXE"};
  second.runtime.runList.push_back({"y", "Y.EXE"});
  for (auto& menu : menus) EXPECT_TRUE(menu->save());
  EXPECT_EQ(readFileBytes(u.hostFile), "[APP]\r\nApp0=b2,B2.EXE\r\nApp1=y,Y.EXE\r\nApp2=x,X.EXE\r\n");
}

TEST(RunEditList, RegistersReplacesAndDeletesUpToTwenty) {
  pemo::ui::RecordingMessagePort messages;
  pemo::ui::ScopedMessagePort guard(&messages);
  RunEditList edit(entries(19));

  EXPECT_EQ(edit.registerEntry("  new  ", " C:\\NEW.EXE ", -1), RunEditList::Registered::Added);
  EXPECT_EQ(edit.entries().back().caption, "new") << "blanks around the texts are dropped";
  EXPECT_EQ(edit.entries().back().commandLine, "C:\\NEW.EXE");
  EXPECT_EQ(edit.registerEntry("more", "M.EXE", -1), RunEditList::Registered::Full);
  EXPECT_EQ(messages.shown.back().prompt, "これ以上は登録できません");
  EXPECT_EQ(edit.registerEntry("more", "M.EXE", 3), RunEditList::Registered::Replaced)
      << "a selected entry is replaced even with twenty";
  EXPECT_EQ(edit.entries()[3].caption, "more");
  EXPECT_EQ(edit.count(), 20);

  for (auto [caption, line] : {std::pair{"", "X.EXE"}, {"x", "   "}, {"a,b", "X.EXE"}, {"café", "C:\\Café\\X.EXE"}}) {
    EXPECT_EQ(edit.registerEntry(caption, line, 0), RunEditList::Registered::Refused);
    EXPECT_EQ(messages.shown.back().prompt, "登録情報を正しく入力してください");
  }
  EXPECT_EQ(edit.entries()[0].caption, "prog1");
  EXPECT_EQ(edit.registerEntry("メモ?", "C:\\ツール\\X.EXE /q?", 0), RunEditList::Registered::Replaced)
      << "code page 932's own characters and question marks are kept";

  EXPECT_FALSE(edit.deleteEntry(-1));
  EXPECT_EQ(messages.shown.back().prompt, "削除する項目を表から選択してください");
  std::vector<RunListEntry> runList = entries(1);
  RunEditList only(runList);
  EXPECT_TRUE(only.deleteEntry(0));
  EXPECT_EQ(runList.size(), 1u) << "nothing reaches the run list before OK";
  only.copyOut(runList);
  EXPECT_TRUE(runList.empty());
}

TEST(RunMenu, AChangeItsFileCannotTakeIsToldAtOnceAndStaysInTheMenu) {
  enum class Case { ReadOnly, FolderInPlace, OtherLines };
  for (const Case c : {Case::ReadOnly, Case::FolderInPlace, Case::OtherLines}) {
    const bool folderInPlace = c == Case::FolderInPlace;
    SCOPED_TRACE(folderInPlace ? "a folder in the file's place"
                 : c == Case::ReadOnly ? "a read-only file"
                                       : "a file holding more than the list");
    UserFolder u;
    ShellRig r;
    r.runtime.appFolder = u.appFolder;
    RunMenu menu(r.runtime, r.programs, r.window, r.hooks);
    if (folderInPlace) {
      std::filesystem::create_directories(u.hostFile);
    } else if (c == Case::ReadOnly) {
      u.write("[APP]\r\nApp0=a,A.EXE\r\n");
      std::filesystem::permissions(u.hostFile, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    } else {
      // A write would drop what the reader does not take as the list.
      u.write("[APP]\r\nApp0=a,A.EXE\r\n; mine\r\n[Other]\r\nkeep=1\r\n");
    }
    const std::string before = folderInPlace ? "" : readFileBytes(u.hostFile);
    menu.load();
    const std::string notStored = u.file() + "\rﾌｧｲﾙを保存できませんでした";

    r.window.registration = [&] { r.runtime.runList.push_back({"new", "NEW.EXE"}); };
    menu.clicked(kEditRunListItem, "");
    ASSERT_EQ(r.messages.shown.size(), 1u) << "told when OK is pressed, not only at the close";
    EXPECT_EQ(r.messages.shown[0].prompt, notStored);
    EXPECT_EQ(r.messages.shown[0].title, "Pemo");
    ASSERT_FALSE(r.window.runMenuItems.empty());
    EXPECT_EQ(r.window.runMenuItems.back().tag, "NEW.EXE") << "the new program stays in the menu";

    // Registering changes nothing more: the dialog closed as it was.
    r.window.registration = [] {};
    menu.clicked(kEditRunListItem, "");
    EXPECT_EQ(r.messages.shown.size(), 1u);

    EXPECT_FALSE(menu.save());
    ASSERT_EQ(r.messages.shown.size(), 2u) << "and again when the close loses the change";
    EXPECT_EQ(r.messages.shown[1].prompt, notStored);
    if (folderInPlace)
      EXPECT_TRUE(std::filesystem::is_directory(u.hostFile));
    else
      EXPECT_EQ(readFileBytes(u.hostFile), before) << "such a file is never replaced";
  }
}
