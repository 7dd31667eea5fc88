#pragma once
// Hidden files beside a target that a writer fills before moving them over it. A writer
// that is killed leaves its file behind; the name says which process made it, so a later
// writer in the same folder can tell such leftovers from files still being written.
#include <filesystem>
#include <string_view>

namespace pemo::fs {

// What a database keeps beside its file, under the file's name with one of these endings,
// while it is open or when it was not closed cleanly.
inline constexpr std::string_view kSideFileEndings[] = {"-wal", "-shm", "-journal"};

// "." + target's name + suffix, beside target: the target's name cut short (between two
// characters) where the whole would leave no room in the folder's longest name for a
// database's side-file endings.
std::filesystem::path hiddenNameBeside(const std::filesystem::path& target, std::string_view suffix);

// A hidden name beside target for a file that will replace it, unique to this process
// and call: hiddenNameBeside with tag + "~pemo" + process id + "-" + a running number.
// Before naming, the leftovers of processes that no longer exist are removed from the
// target's folder (see removeLeftoverSiblings).
std::filesystem::path uniqueNameBeside(const std::filesystem::path& target, std::string_view tag);

// Removes the files in folder that carry a name uniqueNameBeside gives (or that name with
// a database's side-file ending after it) and whose process no longer exists. Files of
// running processes, folders, links and every other name stay. A folder is looked at no
// more than once a minute by one process.
void removeLeftoverSiblings(const std::filesystem::path& folder);

}  // namespace pemo::fs
