#pragma once
// Where SQLite keeps a record file's side files (its log, its shared memory, a journal):
// beside the file, under the file's name and an ending. A name with no room left for the
// ending has them under the name of a short empty file beside it that stands in for it.
#include <filesystem>
#include <string>
#include <string_view>

namespace pemo::btrieve {

// The path whose name the side files of the database at file take: file itself, or the
// file that stands in for it. file is where the database is, links followed.
std::filesystem::path sideFileBase(const std::filesystem::path& file);

// Where SQLite's side file `name` (a database's path and an ending) is kept; any other
// name as it is.
std::string placedSideFile(std::string_view name);

}  // namespace pemo::btrieve
