#pragma once
// Replacing a file so that readers see either the old or the new contents, never a
// half-written file: the bytes go to a new file beside it, which is then renamed over it.
#include <filesystem>
#include <string_view>

#include "platform/fs/temporary_sibling.h"

namespace pemo::fs {

// Writes bytes to the host file atomically. A symbolic link is followed, so the file it
// points to is replaced and the link stays. An existing file keeps its permissions; a
// new one gets the usual ones. False (and the old file untouched) on any failure, and
// for a write-protected file.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// True for an existing file (a link followed) that has no write permission bit at all:
// the user made it read-only, so no write replaces it, whoever runs the program. Replacing
// a file by renaming over it needs only the folder's permission, so writers ask first.
bool isWriteProtected(const std::filesystem::path& file);

}  // namespace pemo::fs
