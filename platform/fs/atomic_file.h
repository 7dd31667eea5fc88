#pragma once
// Replacing a file so that readers see either the old or the new contents, never a
// half-written file: the bytes go to a new file beside it, which is then renamed over it.
#include <filesystem>
#include <string_view>

namespace pemo::fs {

// Writes bytes to the host file atomically. A symbolic link is followed, so the file it
// points to is replaced and the link stays. An existing file keeps its permissions; a
// new one gets the usual ones. False (and the old file untouched) on any failure.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// A hidden name beside target for a file that will replace it, unique to this process
// and call: "." + target's name + tag + process id + "-" + a running number.
std::filesystem::path uniqueNameBeside(const std::filesystem::path& target, std::string_view tag);

}  // namespace pemo::fs
