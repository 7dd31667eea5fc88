#pragma once
// The favourite menus of the start menu, under "よく使うﾒﾆｭｰ(&U)": the menus the user
// added, a separator, "現在のﾒﾆｭｰを登録(&U)" [Ctrl+U] and "登録ﾒﾆｭｰの削除(&D)".
#include <string>
#include <vector>

#include "runtime/page/link_actions.h"
#include "runtime/page/menu_page.h"
#include "runtime/shell/favourites_file.h"

namespace pemo::shell {

class MenuTreeView;
class ShellWindowPort;

// The items by their numbers: the favourites are 0 to 19.
enum FavouritesMenuIndex : int {
  kFavouritesSeparatorItem = 98,
  kAddFavouriteItem = 99,
  kDeleteFavouritesItem = 100,
};

class Favourites {
 public:
  Favourites(page::RuntimeState& runtime, page::MenuPage& page, page::LinkActions& links, MenuTreeView& tree,
             ShellWindowPort& window);

  // The start menu's list: names its file after the caption, loads it and builds the menu.
  void startWith(const std::string& startMenuCaption);
  // A click on item `index`.
  void clicked(int index);

  // The list as its file holds it now (another runtime may have changed it), with what
  // this runtime changed and could not store yet.
  void load();
  void buildMenu();
  // The open menu as a new entry, after the changes the file has not taken yet; a full
  // list refuses it silently. A file that cannot be written is told, and the menu keeps
  // the entry for the next write.
  void add();
  // The entries the menu is to hold, `mine` (what the dialog DELUSER left of those the
  // menu shows, say): the others leave the file, and what another runtime added
  // meanwhile stays. A file that cannot be written is told (false), and the menu shows
  // `mine` until a later write takes it.
  bool store(const std::vector<page::FavouriteMenu>& mine);
  // Shutdown: the changes the file has not taken yet, told when they cannot be.
  void save();
  // Opens entry `entry`'s menu and lets the tree follow.
  void open(int entry);

 private:
  std::string captionForOpenMenu() const;
  // Keeps a favourite that the file did not take in the menu, after the ones it shows.
  void keepUnstored(const page::FavouriteMenu& favourite);

  page::RuntimeState& runtime_;
  page::MenuPage& page_;
  page::LinkActions& links_;
  MenuTreeView& tree_;
  ShellWindowPort& window_;
  // The list as its file last gave or took it.
  std::vector<page::FavouriteMenu> stored_;
};

// The dialog DELUSER's list: the favourites as they were when it opened, with the ones
// removed since. Entries are removed by their place, so of two equal captions only the
// chosen one goes.
class FavouriteDeleteList {
 public:
  explicit FavouriteDeleteList(const FavouriteTable& favourites);

  std::vector<std::string> captions() const;
  // Removes the entry at a place of the list; false when there is none there.
  bool remove(int position);
  // The captions removed since the dialog opened, in the order of removal.
  const std::vector<std::string>& deletedCaptions() const { return deletedCaptions_; }
  // What is left, in the order of the list.
  const std::vector<page::FavouriteMenu>& entries() const { return entries_; }

 private:
  std::vector<page::FavouriteMenu> entries_;
  std::vector<std::string> deletedCaptions_;
};

}  // namespace pemo::shell
