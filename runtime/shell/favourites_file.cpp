#include "runtime/shell/favourites_file.h"

#include "runtime/shell/list_file.h"
#include "runtime/shell/list_merge.h"

namespace pemo::shell {
namespace {

constexpr ListFileFormat kFavouritesFormat{"よく使うﾒﾆｭｰ", "User"};

bool unsafeInFileName(unsigned char c) {
  return c < 0x20 || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

std::vector<ListValue> listValuesOf(const std::vector<page::FavouriteMenu>& favourites) {
  std::vector<ListValue> values;
  for (const auto& f : favourites) values.push_back({f.caption, f.file});
  return values;
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

FavouriteTable readFavourites(const std::string& file) {
  FavouriteTable table;
  const auto values = readListFile(file, kFavouritesFormat, kFavouriteLimit);
  for (size_t i = 0; i < values.size(); ++i) table[i] = {values[i].caption, values[i].rest};
  return table;
}

FavouriteAdded addFavourite(const std::string& file, const page::FavouriteMenu& favourite) {
  ListFileLock lock(file);
  const size_t free = readListFile(file, kFavouritesFormat, kFavouriteLimit).size();
  if (free >= kFavouriteLimit) return FavouriteAdded::ListFull;
  // The rules of a whole write hold for one entry too: a file that could not be read or that
  // the user made read-only is left as it is.
  if (!listFileStorable(file)) return FavouriteAdded::NotStored;
  return writeListEntry(file, kFavouritesFormat, free, {favourite.caption, favourite.file}) ? FavouriteAdded::Stored
                                                                                              : FavouriteAdded::NotStored;
}

bool storeKeptFavourites(const std::string& file, const std::vector<page::FavouriteMenu>& shown,
                         const std::vector<page::FavouriteMenu>& kept) {
  return updateListFile(file, kFavouritesFormat, kFavouriteLimit, [&](std::vector<ListValue> now) {
           return mergedList(listValuesOf(shown), listValuesOf(kept), std::move(now));
         }).has_value();
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
