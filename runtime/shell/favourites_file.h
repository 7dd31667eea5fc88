#pragma once
// The favourites file of a start menu: "<start menu's caption>.USER" in the user folder,
// section "よく使うﾒﾆｭｰ", keys "User0" to "User19" without gaps, each value the
// caption, ",", the menu file.
#include <array>
#include <optional>
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

// Adds an entry under the first free key of the file as it is now, unless 20 are stored.
enum class FavouriteAdded { Stored, ListFull, NotStored };
FavouriteAdded addFavourite(const std::string& file, const page::FavouriteMenu& favourite);
// The file, as another runtime may have left it, with the changes that turned `base` (the
// list as the file last gave or took it) into `mine`, at most 20 entries (new ones that
// do not fit are told); an empty list removes the file. The entries stored, or nothing
// when it could not be replaced (the old one stays). Without changes nothing is written.
std::optional<std::vector<page::FavouriteMenu>> storeFavouriteChanges(const std::string& file,
                                                                      const std::vector<page::FavouriteMenu>& base,
                                                                      const std::vector<page::FavouriteMenu>& mine);

// The favourites as the file holds them now, with this runtime's changes to `base` (the
// list as the file last gave or took it) that the file did not take: `shown` holds them.
// New ones that no longer fit are told and left out. `base` becomes what the file holds.
FavouriteTable currentFavourites(const std::string& file, std::vector<page::FavouriteMenu>& base,
                                 const FavouriteTable& shown);

// A table of the first 20 entries.
FavouriteTable favouriteTable(const std::vector<page::FavouriteMenu>& entries);
// The entries of a table up to its first empty caption.
std::vector<page::FavouriteMenu> listedFavourites(const FavouriteTable& table);

}  // namespace pemo::shell
