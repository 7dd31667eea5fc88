#pragma once
// The favourites file of a start menu: "<start menu's caption>.USER" in the user folder,
// section "よく使うﾒﾆｭｰ", keys "User0" to "User19" without gaps, each value the
// caption, ",", the menu file.
#include <array>
#include <string>
#include <vector>

#include "runtime/page/runtime_state.h"

namespace pemo::shell {

constexpr size_t kFavouriteLimit = 20;
using FavouriteTable = std::array<page::FavouriteMenu, kFavouriteLimit>;

// The file for a start menu's caption. Characters a file name cannot hold ("\", "/",
// ":", "*", "?", """, "<", ">", "|" and control characters) become "_", so the file
// always stays in the user folder; a caption too long for a file name gives its start.
std::string favouritesFileFor(const std::string& appFolder, const std::string& startMenuCaption);

// The entries up to the first missing or empty key; the rest of the table empty.
FavouriteTable readFavourites(const std::string& file);
// Adds an entry under the first free key of the file as it is now, unless 20 are stored.
enum class FavouriteAdded { Stored, ListFull, NotStored };
FavouriteAdded addFavourite(const std::string& file, const page::FavouriteMenu& favourite);
// The entries `shown` were cut down to `kept`: the file, as another runtime may have
// left it, loses the ones removed and keeps the rest, keys from User0; an empty list
// removes the file. False when it could not be replaced (the old one stays).
bool storeKeptFavourites(const std::string& file, const std::vector<page::FavouriteMenu>& shown,
                         const std::vector<page::FavouriteMenu>& kept);

// The entries of a table up to its first empty caption.
std::vector<page::FavouriteMenu> listedFavourites(const FavouriteTable& table);

}  // namespace pemo::shell
