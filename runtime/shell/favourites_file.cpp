#include "runtime/shell/favourites_file.h"

#include <algorithm>

#include "runtime/shell/list_file.h"
#include "runtime/shell/list_merge.h"

namespace pemo::shell {
namespace {

constexpr ListFileFormat kFavouritesFormat{"よく使うﾒﾆｭｰ", "User", kFavouriteLimit, kFavouriteLimit};

bool unsafeInFileName(unsigned char c) {
  return c < 0x20 || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

std::vector<ListValue> listValuesOf(const std::vector<page::FavouriteMenu>& favourites) {
  std::vector<ListValue> values;
  for (const auto& f : favourites) values.push_back({f.caption, f.file});
  return values;
}

std::vector<page::FavouriteMenu> favouritesOf(const std::vector<ListValue>& values) {
  std::vector<page::FavouriteMenu> favourites;
  for (const ListValue& v : values) favourites.push_back({v.caption, v.rest});
  return favourites;
}

}  // namespace

std::string favouritesFileFor(const std::string& appFolder, const std::string& startMenuCaption) {
  std::string name = startMenuCaption;
  // Bytes of UTF-8 multi-byte characters are all 0x80 and above: only ASCII is replaced.
  for (char& c : name)
    if (unsafeInFileName(static_cast<unsigned char>(c))) c = '_';
  // A file name holds at most 255 bytes, and the file is first written beside itself
  // under a longer name: a long caption keeps its start, cut between two characters.
  constexpr std::string_view kExtension = ".USER";
  constexpr size_t kMostNameBytes = 200 - kExtension.size();
  if (name.size() > kMostNameBytes) {
    size_t end = kMostNameBytes;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    name.resize(end);
  }
  return appFolder + "PemoUser\\" + name + std::string(kExtension);
}

FavouriteAdded addFavourite(const std::string& file, const page::FavouriteMenu& favourite) {
  ListFileLock lock(file);
  if (!lock.mayWrite()) return FavouriteAdded::NotStored;
  const size_t free = readListFile(file, kFavouritesFormat).size();
  if (free >= kFavouriteLimit) return FavouriteAdded::ListFull;
  return writeListEntry(file, kFavouritesFormat, free, {favourite.caption, favourite.file}) ? FavouriteAdded::Stored
                                                                                              : FavouriteAdded::NotStored;
}

std::optional<std::vector<page::FavouriteMenu>> storeFavouriteChanges(const std::string& file,
                                                                      const std::vector<page::FavouriteMenu>& base,
                                                                      const std::vector<page::FavouriteMenu>& mine) {
  const auto stored = storeListChanges(file, kFavouritesFormat, listValuesOf(base), listValuesOf(mine));
  if (!stored) return std::nullopt;
  return favouritesOf(*stored);
}

FavouriteTable currentFavourites(const std::string& file, std::vector<page::FavouriteMenu>& base,
                                 const FavouriteTable& shown) {
  std::vector<ListValue> now = readListFile(file, kFavouritesFormat);
  const MergedList merged =
      mergedList(listValuesOf(base), listValuesOf(listedFavourites(shown)), now, kFavouriteLimit);
  // They would never reach the file, and the menu shows what will be stored.
  if (!merged.leftOut.empty()) tellListFull();
  base = favouritesOf(now);
  return favouriteTable(favouritesOf(merged.entries));
}

FavouriteTable favouriteTable(const std::vector<page::FavouriteMenu>& entries) {
  FavouriteTable table;
  std::copy_n(entries.begin(), std::min(entries.size(), table.size()), table.begin());
  return table;
}

std::vector<page::FavouriteMenu> listedFavourites(const FavouriteTable& table) {
  std::vector<page::FavouriteMenu> listed;
  for (const auto& f : table) {
    if (f.caption.empty()) break;
    listed.push_back(f);
  }
  return listed;
}

}  // namespace pemo::shell
