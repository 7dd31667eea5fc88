#include "runtime/shell/favourites.h"

#include "runtime/shell/list_file.h"
#include "runtime/shell/shell_window.h"

namespace pemo::shell {

Favourites::Favourites(page::RuntimeState& runtime, page::MenuPage& page, page::LinkActions& links,
                       MenuTreeView& tree, ShellWindowPort& window)
    : runtime_(runtime), page_(page), links_(links), tree_(tree), window_(window) {}

void Favourites::startWith(const std::string& startMenuCaption) {
  runtime_.favouritesFile = favouritesFileFor(runtime_.appFolder, startMenuCaption);
  runtime_.favouriteMenus = {};
  stored_.clear();
  load();
  buildMenu();
}

void Favourites::clicked(int index) {
  switch (index) {
    case kAddFavouriteItem:
      add();
      buildMenu();
      return;
    case kDeleteFavouritesItem:
      // The dialog lists the file as it is now.
      load();
      if (auto kept = window_.showFavouritesDeleteDialog()) store(*kept);
      buildMenu();
      return;
    default:
      if (index >= 0 && index < static_cast<int>(kFavouriteLimit)) open(index);
  }
}

void Favourites::load() {
  if (runtime_.favouritesFile.empty()) return;  // a test run keeps none
  runtime_.favouriteMenus = currentFavourites(runtime_.favouritesFile, stored_, runtime_.favouriteMenus);
}

void Favourites::buildMenu() {
  std::vector<std::string> captions;
  for (const auto& f : listedFavourites(runtime_.favouriteMenus)) captions.push_back(f.caption);
  window_.showFavouriteItems(captions);
}

void Favourites::add() {
  const page::FavouriteMenu favourite{captionForOpenMenu(), page_.state().currentMenuFile};
  // What the file has not taken yet goes first, so that the new entry comes after it.
  if (!store(listedFavourites(runtime_.favouriteMenus))) {
    keepUnstored(favourite);
    return;
  }
  switch (addFavourite(runtime_.favouritesFile, favourite)) {
    case FavouriteAdded::Stored: load(); return;
    case FavouriteAdded::ListFull: return;
    case FavouriteAdded::NotStored: break;
  }
  tellNotStored(runtime_.favouritesFile);
  keepUnstored(favourite);
}

void Favourites::keepUnstored(const page::FavouriteMenu& favourite) {
  const size_t shown = listedFavourites(runtime_.favouriteMenus).size();
  if (shown < kFavouriteLimit) runtime_.favouriteMenus[shown] = favourite;
}

bool Favourites::store(const std::vector<page::FavouriteMenu>& mine) {
  if (const auto stored = storeFavouriteChanges(runtime_.favouritesFile, stored_, mine)) {
    stored_ = *stored;
    runtime_.favouriteMenus = favouriteTable(*stored);
    return true;
  }
  tellNotStored(runtime_.favouritesFile);
  // The menu shows what the next write is to store.
  runtime_.favouriteMenus = favouriteTable(mine);
  return false;
}

void Favourites::save() {
  if (runtime_.favouritesFile.empty()) return;  // a test run keeps none
  store(listedFavourites(runtime_.favouriteMenus));
}

std::string Favourites::captionForOpenMenu() const {
  // The tree's selection need not be the shown menu (a collapse selects the collapsed
  // node, a favourite outside the tree leaves it where it was): the caption is that of a
  // node holding the shown menu, the nearest to the selection.
  const std::string& file = page_.state().currentMenuFile;
  const page::MenuTreeNode* shown = tree_.node(tree_.menuNodeNear(tree_.selectedNode(), file));
  if (shown && !shown->caption.empty()) return shown->caption;
  if (!page_.state().menuCaption.empty()) return page_.state().menuCaption;
  // An empty caption would end the list when read back and hide the entries after it.
  return file.substr(file.find_last_of("\\/") + 1);
}

void Favourites::open(int entry) {
  const page::FavouriteMenu& favourite = runtime_.favouriteMenus.at(static_cast<size_t>(entry));
  if (favourite.caption.empty()) return;
  const std::string file = favourite.file;
  if (!links_.changeMenu(file)) return;
  page_.state().treeSync = true;
  if (int node = tree_.menuNodeNear(0, file)) tree_.selectAndExpand(node);
  page_.state().treeSync = false;
}

FavouriteDeleteList::FavouriteDeleteList(const FavouriteTable& favourites) : entries_(listedFavourites(favourites)) {}

std::vector<std::string> FavouriteDeleteList::captions() const {
  std::vector<std::string> captions;
  for (const auto& f : entries_) captions.push_back(f.caption);
  return captions;
}

bool FavouriteDeleteList::remove(int position) {
  if (position < 0 || position >= static_cast<int>(entries_.size())) return false;
  deletedCaptions_.push_back(entries_[static_cast<size_t>(position)].caption);
  entries_.erase(entries_.begin() + position);
  return true;
}

}  // namespace pemo::shell
