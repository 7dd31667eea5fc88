#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fs/windows_path.h"
#include "platform/profile/private_profile.h"
#include "platform/text/strings.h"
#include "platform/text/cp932.h"
#include "runtime/shell/list_file.h"
#include "runtime/shell/tests/list_file_shapes.h"
#include "runtime/shell/tests/lock_held_elsewhere.h"
#include "runtime/shell/tests/shell_fakes.h"

using namespace pemo::shell;
using namespace pemo::shell::testing;
using pemo::page::MenuTreeNodeKind;
using pemo::page::testing::writeMenu;
using pemo::testing::readFileBytes;
using pemo::testing::TempDir;
using pemo::testing::writeFileBytes;

namespace {

constexpr const char* kSection = "よく使うﾒﾆｭｰ";

// A start menu "top" with a sub-menu and a program in its tree, and its user folder.
struct FavouritesRig : ShellRig {
  TempDir dir;
  std::string top, sub, other;
  FavouritesRig() {
    std::filesystem::create_directories(dir / "PemoUser");
    runtime.appFolder = pemo::fs::toWindowsPath(dir.path().string()) + "\\";
    top = writeMenu(dir / "TOP.FIL", {"BEGIN MENU", "CAPTION=top", "END MENU"});
    sub = writeMenu(dir / "SUB.FIL", {"BEGIN MENU", "CAPTION=sub", "END MENU"});
    other = writeMenu(dir / "OTHER.FIL", {"BEGIN MENU", "CAPTION=other", "END MENU"});
    treeView.setNodes({{0, top, "top", MenuTreeNodeKind::Root, ""},
                       {1, sub, "sub", MenuTreeNodeKind::LinkedMenu, ""},
                       {2, "prog.exe", "go", MenuTreeNodeKind::Program, "2,1,0"}});
    favourites().startWith("top");
  }
  Favourites& favourites() { return shell.favourites(); }
  std::string stored(int n) {
    return pemo::profile::readProfileString(kSection, "User" + std::to_string(n), "", runtime.favouritesFile, 4096);
  }
  void openMenu(const std::string& file, int node) {
    treeLinks.changeMenu(file);
    treeView.select(node);
  }
  std::filesystem::path hostFile() const { return dir / "PemoUser" / "top.USER"; }
  std::string notStored() const { return runtime.favouritesFile + "\rﾌｧｲﾙを保存できませんでした"; }
  // DELUSER with the entry at `place` removed and OK.
  void deleteOnOk(int place) {
    window.deleteDialog = [this, place] {
      FavouriteDeleteList list(runtime.favouriteMenus);
      list.remove(place);
      return std::optional(list.entries());
    };
  }
};

}  // namespace

TEST(Favourites, AddsTheOpenMenuUpToTwentyAndBuildsTheMenu) {
  FavouritesRig r;
  EXPECT_EQ(r.runtime.favouritesFile, r.runtime.appFolder + "PemoUser\\top.USER");
  EXPECT_TRUE(r.window.favouriteItems.empty());

  r.openMenu(r.sub, 2);
  r.favourites().clicked(kAddFavouriteItem);
  EXPECT_EQ(r.stored(0), "sub," + r.sub);
  EXPECT_EQ(r.window.favouriteItems, std::vector<std::string>{"sub"});

  // A program's node stands for the menu it sits in.
  r.treeView.select(3);
  r.favourites().clicked(kAddFavouriteItem);
  EXPECT_EQ(r.stored(1), "sub," + r.sub);

  for (int i = 2; i < 21; ++i) r.favourites().clicked(kAddFavouriteItem);
  EXPECT_EQ(r.stored(19), "sub," + r.sub);
  EXPECT_EQ(r.stored(20), "") << "the 21st addition changes nothing";
  EXPECT_EQ(r.window.favouriteItems.size(), 20u);
  EXPECT_TRUE(r.messages.shown.empty()) << "a full list refuses silently";
}

TEST(Favourites, ReadsUpToAGapAndKeepsCommasApart) {
  FavouritesRig r;
  namespace pp = pemo::profile;
  pp::writeProfileString(kSection, "User0", "a," + r.sub, r.runtime.favouritesFile);
  pp::writeProfileString(kSection, "User2", "c," + r.other, r.runtime.favouritesFile);
  r.favourites().load();
  EXPECT_EQ(r.runtime.favouriteMenus[0].caption, "a");
  EXPECT_EQ(r.runtime.favouriteMenus[1].caption, "") << "entries after a gap are not read";

  // The next addition fills the gap; a caption's comma is stored as "，", and a path
  // keeps everything after the first comma.
  const std::string commaFile = writeMenu(r.dir / "A,B.FIL", {"BEGIN MENU", "CAPTION=x,y", "END MENU"});
  r.treeView.setNodes({{0, commaFile, "x,y", MenuTreeNodeKind::Root, ""}});
  r.openMenu(commaFile, 1);
  r.favourites().add();
  EXPECT_EQ(r.stored(1), "x，y," + commaFile);
  EXPECT_EQ(r.runtime.favouriteMenus[1].caption, "x，y");
  EXPECT_EQ(r.runtime.favouriteMenus[1].file, commaFile);
  EXPECT_EQ(r.runtime.favouriteMenus[2].caption, "c") << "the gap closed, the later entry is read again";
}

TEST(Favourites, OpensAnEntryAndTheTreeFollowsWhenItCan) {
  FavouritesRig r;
  r.treeView.setNodes({{0, r.top, "top", MenuTreeNodeKind::Root, ""},
                       {1, pemo::text::UCase(r.sub), "sub", MenuTreeNodeKind::LinkedMenu, ""}});
  r.runtime.favouriteMenus[0] = {"sub", r.sub};
  r.runtime.favouriteMenus[1] = {"other", r.other};
  r.runtime.favouriteMenus[2] = {"gone", (r.dir / "GONE.FIL").string()};
  r.treeView.select(1);

  r.favourites().clicked(0);
  EXPECT_EQ(r.treeView.selected, 2) << "the node's file matches in any letter case";
  EXPECT_EQ(r.treeView.expanded.back(), 2);
  EXPECT_FALSE(r.page.state().treeSync);

  // The same menu again is read again.
  writeMenu(r.dir / "SUB.FIL", {"BEGIN MENU", "CAPTION=changed", "END MENU"});
  r.favourites().clicked(0);
  EXPECT_EQ(r.view.caption, "changed");

  // A menu outside the tree opens; the tree stays where it was.
  r.favourites().clicked(1);
  EXPECT_EQ(r.page.state().currentMenuFile, r.other);
  EXPECT_EQ(r.treeView.selected, 2);

  // A file that has gone keeps the page and says so.
  r.favourites().clicked(2);
  EXPECT_EQ(r.page.state().currentMenuFile, r.other);
  ASSERT_EQ(r.messages.shown.size(), 1u);
  EXPECT_NE(r.messages.shown[0].prompt.find("ﾒﾆｭｰﾌｧｲﾙを開けません"), std::string::npos);
}

TEST(Favourites, DeleteListRemovesByPlaceAndWritesOnlyOnOk) {
  FavouritesRig r;
  for (const char* c : {"same", "keep", "same"}) {
    r.treeView.setNodes({{0, r.top, c, MenuTreeNodeKind::Root, ""}});
    r.openMenu(r.top, 1);
    r.favourites().add();
  }
  const std::string before = readFileBytes(r.dir / "PemoUser" / "top.USER");

  // Cancel: the dialog's list goes, the file stays; the next opening starts afresh.
  r.window.deleteDialog = [&]() -> std::optional<std::vector<pemo::page::FavouriteMenu>> {
    FavouriteDeleteList list(r.runtime.favouriteMenus);
    list.remove(0);
    return std::nullopt;
  };
  r.favourites().clicked(kDeleteFavouritesItem);
  EXPECT_EQ(readFileBytes(r.dir / "PemoUser" / "top.USER"), before);

  r.window.deleteDialog = [&]() -> std::optional<std::vector<pemo::page::FavouriteMenu>> {
    FavouriteDeleteList list(r.runtime.favouriteMenus);
    EXPECT_EQ(list.captions(), (std::vector<std::string>{"same", "keep", "same"}));
    EXPECT_FALSE(list.remove(3));
    EXPECT_TRUE(list.remove(2));
    EXPECT_EQ(list.deletedCaptions(), std::vector<std::string>{"same"});
    return list.entries();
  };
  r.favourites().clicked(kDeleteFavouritesItem);
  EXPECT_EQ(r.window.favouriteItems, (std::vector<std::string>{"same", "keep"})) << "only the chosen one goes";

  // The last one deleted leaves no file.
  r.window.deleteDialog = [&] {
    FavouriteDeleteList list(r.runtime.favouriteMenus);
    list.remove(0);
    list.remove(0);
    return std::optional(list.entries());
  };
  r.favourites().clicked(kDeleteFavouritesItem);
  EXPECT_FALSE(std::filesystem::exists(r.dir / "PemoUser" / "top.USER"));
  EXPECT_TRUE(r.window.favouriteItems.empty());
}

TEST(Favourites, EachStartMenuHasItsOwnFileInTheUserFolder) {
  EXPECT_EQ(favouritesFileFor("C:\\P\\", "top"), "C:\\P\\PemoUser\\top.USER");
  EXPECT_EQ(favouritesFileFor("C:\\P\\", "..\\..\\etc/x:y*?\"<>|\t"), "C:\\P\\PemoUser\\.._.._etc_x_y_______.USER");
  EXPECT_EQ(favouritesFileFor("C:\\P\\", "ﾒﾆｭｰ一覧"), "C:\\P\\PemoUser\\ﾒﾆｭｰ一覧.USER");
  EXPECT_NE(favouritesFileFor("C:\\P\\", "a"), favouritesFileFor("C:\\P\\", "b"));

  // A caption longer than a file name holds: its start, whole characters only, and the
  // favourites work.
  pemo::testing::TempDir dir;
  std::filesystem::create_directories(dir / "PemoUser");
  std::string caption;
  for (int i = 0; i < 100; ++i) caption += "あ";
  const std::string file = favouritesFileFor(pemo::fs::toWindowsPath(dir.path().string()) + "\\", caption);
  const std::string name = file.substr(file.rfind('\\') + 1);
  EXPECT_EQ(name, caption.substr(0, 195) + ".USER");
  EXPECT_EQ(addFavourite(file, {"menu", "C:\\M.FIL"}), FavouriteAdded::Stored);
  std::vector<pemo::page::FavouriteMenu> stored;
  EXPECT_EQ(currentFavourites(file, stored, {})[0].caption, "menu");
}

TEST(Favourites, AFileThatCannotBeWrittenIsToldAndTheMenuKeepsTheChange) {
  FavouritesRig r;
  r.openMenu(r.sub, 2);
  r.favourites().add();
  const std::filesystem::path file = r.dir / "PemoUser" / "top.USER";
  const std::string before = readFileBytes(file);
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  const std::string notStored = r.runtime.favouritesFile + "\rﾌｧｲﾙを保存できませんでした";

  r.openMenu(r.other, 1);
  r.favourites().clicked(kAddFavouriteItem);
  ASSERT_EQ(r.messages.shown.size(), 1u);
  EXPECT_EQ(r.messages.shown[0].prompt, notStored);
  EXPECT_EQ(r.window.favouriteItems, (std::vector<std::string>{"sub", "other"}));
  r.favourites().clicked(1);
  EXPECT_EQ(r.page.state().currentMenuFile, r.other) << "the entry kept for the session opens its menu";

  r.window.deleteDialog = [&] {
    FavouriteDeleteList list(r.runtime.favouriteMenus);
    list.remove(0);
    return std::optional(list.entries());
  };
  r.favourites().clicked(kDeleteFavouritesItem);
  ASSERT_EQ(r.messages.shown.size(), 2u);
  EXPECT_EQ(r.messages.shown[1].prompt, notStored);
  EXPECT_EQ(r.window.favouriteItems, std::vector<std::string>{"other"});
  EXPECT_EQ(readFileBytes(file), before);
}

TEST(Favourites, AfterAMenuThatCannotOpenTheFavouriteIsTheShownMenu) {
  FavouritesRig r;
  r.treeView.setNodes({{0, r.top, "top", MenuTreeNodeKind::Root, ""},
                       {1, "NOFILE.FIL", "(ﾌｧｲﾙなし) NOFILE.FIL", MenuTreeNodeKind::MissingMenu, ""}});
  r.treeView.select(1);
  r.shell.treeEvents().nodeClicked(1);
  r.treeView.select(2);
  r.shell.treeEvents().nodeClicked(2);
  r.favourites().add();
  EXPECT_EQ(r.stored(0), "top," + r.top) << "caption and file of one menu";
}

TEST(Favourites, AnEntryPairsTheShownMenusCaptionWithItsFile) {
  FavouritesRig r;
  // The sub-menu opened from the tree, then its parent collapsed: the parent is
  // selected while the page still shows the sub-menu.
  r.openMenu(r.sub, 2);
  r.shell.treeEvents().collapsed(1);
  ASSERT_EQ(r.treeView.selected, 1);
  r.favourites().add();
  EXPECT_EQ(r.stored(0), "sub," + r.sub);

  // A menu outside the tree, opened from a favourite, keeps its own caption.
  ASSERT_EQ(addFavourite(r.runtime.favouritesFile, {"saved", r.other}), FavouriteAdded::Stored);
  r.favourites().load();
  r.favourites().clicked(1);
  r.favourites().add();
  EXPECT_EQ(r.stored(2), "other," + r.other);
}

TEST(Favourites, ADeletionKeepsWhatAnotherRuntimeAddedMeanwhile) {
  FavouritesRig r;
  r.openMenu(r.sub, 2);
  r.favourites().add();
  r.favourites().add();
  // Another runtime on the same start menu adds one after this one loaded its list.
  ASSERT_EQ(addFavourite(r.runtime.favouritesFile, {"theirs", r.other}), FavouriteAdded::Stored);
  r.window.deleteDialog = [&] {
    FavouriteDeleteList list(r.runtime.favouriteMenus);
    list.remove(1);
    return std::optional(list.entries());
  };
  r.favourites().clicked(kDeleteFavouritesItem);
  EXPECT_EQ(r.stored(0), "sub," + r.sub);
  EXPECT_EQ(r.stored(1), "theirs," + r.other);
  EXPECT_EQ(r.stored(2), "");
  EXPECT_EQ(r.window.favouriteItems, (std::vector<std::string>{"sub", "theirs"}));
}

TEST(Favourites, TheMenuAndTheDeleteDialogShowTheFileAsItIsWhenOpened) {
  FavouritesRig r;
  r.openMenu(r.sub, 2);
  r.favourites().add();
  // Another runtime on the same start menu adds after this one last read the file.
  for (const char* caption : {"b", "c", "d"})
    ASSERT_EQ(addFavourite(r.runtime.favouritesFile, {caption, r.other}), FavouriteAdded::Stored);
  r.shell.run(ShellCommand::OpenFavourites);
  EXPECT_EQ(r.window.favouriteItems, (std::vector<std::string>{"sub", "b", "c", "d"}));

  ASSERT_EQ(addFavourite(r.runtime.favouritesFile, {"e", r.other}), FavouriteAdded::Stored);
  std::vector<std::string> listed;
  r.window.deleteDialog = [&]() -> std::optional<std::vector<pemo::page::FavouriteMenu>> {
    listed = FavouriteDeleteList(r.runtime.favouriteMenus).captions();
    return std::nullopt;
  };
  r.favourites().clicked(kDeleteFavouritesItem);
  EXPECT_EQ(listed, (std::vector<std::string>{"sub", "b", "c", "d", "e"}));
}

TEST(Favourites, ARefusedChangeIsKeptAndGoesOutWithTheNextWriteOrAtTheClose) {
  FavouritesRig r;
  r.openMenu(r.sub, 2);
  r.favourites().clicked(kAddFavouriteItem);
  {
    // Another runtime holds the user folder for longer than a write waits.
    LockHeldElsewhere other(r.dir / "PemoUser");
    ASSERT_TRUE(other.held());
    r.openMenu(r.other, 1);
    r.favourites().clicked(kAddFavouriteItem);
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0].prompt, r.notStored());
    EXPECT_EQ(r.stored(1), "");
    EXPECT_EQ(r.window.favouriteItems, (std::vector<std::string>{"sub", "other"})) << "what will be stored";
  }
  // The next Ctrl+U stores both, in the order the menu shows them.
  r.openMenu(r.top, 1);
  r.favourites().clicked(kAddFavouriteItem);
  EXPECT_EQ(r.stored(1), "other," + r.other);
  EXPECT_EQ(r.stored(2), "top," + r.top);
  EXPECT_EQ(r.window.favouriteItems, (std::vector<std::string>{"sub", "other", "top"}));

  {
    LockHeldElsewhere other(r.dir / "PemoUser");
    r.deleteOnOk(0);
    r.favourites().clicked(kDeleteFavouritesItem);
    ASSERT_EQ(r.messages.shown.size(), 2u);
    EXPECT_EQ(r.stored(0), "sub," + r.sub);
    EXPECT_EQ(r.window.favouriteItems, (std::vector<std::string>{"other", "top"}));
  }
  // Another runtime adds one meanwhile; the close stores the removal and keeps theirs.
  ASSERT_EQ(addFavourite(r.runtime.favouritesFile, {"theirs", r.sub}), FavouriteAdded::Stored);
  EXPECT_TRUE(r.shell.closeRequested());
  EXPECT_EQ(r.stored(0), "other," + r.other);
  EXPECT_EQ(r.stored(1), "top," + r.top);
  EXPECT_EQ(r.stored(2), "theirs," + r.sub);
  EXPECT_EQ(r.stored(3), "");
  EXPECT_EQ(r.messages.shown.size(), 2u);

  // An addition refused (a write-protected file here) waits for the close as well; a
  // close that cannot write it either is told.
  FavouritesRig s;
  s.openMenu(s.sub, 2);
  s.favourites().clicked(kAddFavouriteItem);
  std::filesystem::permissions(s.hostFile(), std::filesystem::perms::owner_read);
  s.openMenu(s.other, 1);
  s.favourites().clicked(kAddFavouriteItem);
  const std::string before = readFileBytes(s.hostFile());
  EXPECT_TRUE(s.shell.closeRequested());
  ASSERT_EQ(s.messages.shown.size(), 2u);
  EXPECT_EQ(s.messages.shown[1].prompt, s.notStored());
  EXPECT_EQ(readFileBytes(s.hostFile()), before);
  std::filesystem::permissions(s.hostFile(), std::filesystem::perms::owner_all);
  EXPECT_TRUE(s.shell.closeRequested());
  EXPECT_EQ(s.stored(1), "other," + s.other);
}

TEST(Favourites, AListNobodyChangedIsNotWrittenAndEntriesTheReaderPassesOverAreNeverDropped) {
  std::vector<ListFileShape> shapes = listFileShapes("よく使うﾒﾆｭｰ", "User");
  std::string twentyOne = "[よく使うﾒﾆｭｰ]\r\nUser0=a,A\r\nUser1=b,B\r\n";
  for (int i = 2; i < 21; ++i) twentyOne += "User" + std::to_string(i) + "=m" + std::to_string(i) + ",M.FIL\r\n";
  shapes.push_back({"a 21st entry", twentyOne, true});
  for (const ListFileShape& c : shapes) {
    SCOPED_TRACE(c.what);
    FavouritesRig r;
    const std::string bytes = pemo::text::utf8ToCp932(c.utf8);
    writeFileBytes(r.hostFile(), bytes);
    r.favourites().load();
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(r.hostFile());
    // Opened and closed as they are: not written.
    r.shell.run(ShellCommand::OpenFavourites);
    r.window.deleteDialog = [] { return std::nullopt; };
    r.favourites().clicked(kDeleteFavouritesItem);
    EXPECT_TRUE(r.shell.closeRequested());
    EXPECT_EQ(readFileBytes(r.hostFile()), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(r.hostFile()), written);
    EXPECT_TRUE(r.messages.shown.empty());

    // A removal: written where nothing is lost, else refused and told.
    r.deleteOnOk(1);
    r.favourites().clicked(kDeleteFavouritesItem);
    if (c.passedOver) {
      EXPECT_EQ(readFileBytes(r.hostFile()), bytes);
      ASSERT_EQ(r.messages.shown.size(), 1u);
      EXPECT_EQ(r.messages.shown[0].prompt, r.notStored());
    } else {
      EXPECT_EQ(r.stored(0), "a,A");
      EXPECT_EQ(r.stored(1), "");
      EXPECT_TRUE(r.messages.shown.empty());
    }
  }
}

TEST(Favourites, AFileFarLargerThanAListIsNeverReplaced) {
  for (const std::uintmax_t size : {kMostListFileBytes + 1, std::uintmax_t{2} << 30, std::uintmax_t{1} << 40}) {
    SCOPED_TRACE(size);
    FavouritesRig r;
    writeFileBytes(r.hostFile(), pemo::text::utf8ToCp932("[よく使うﾒﾆｭｰ]\r\nUser0=a,A.FIL\r\n"));
    std::filesystem::resize_file(r.hostFile(), size);
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(r.hostFile());
    r.favourites().load();
    EXPECT_TRUE(listedFavourites(r.runtime.favouriteMenus).empty());
    r.openMenu(r.sub, 2);
    r.favourites().clicked(kAddFavouriteItem);
    EXPECT_TRUE(r.shell.closeRequested());
    ASSERT_EQ(r.messages.shown.size(), 2u) << "told at Ctrl+U and at the close";
    EXPECT_EQ(r.messages.shown[1].prompt, r.notStored());
    EXPECT_EQ(std::filesystem::file_size(r.hostFile()), size);
    EXPECT_EQ(std::filesystem::last_write_time(r.hostFile()), written);
  }
}
