#pragma once
// Whole-file reads and exclusive creation, with every failure reported.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pemo::fs {

// The file's bytes; nullopt when it is missing, a folder, or cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

enum class CreateResult { Created, AlreadyExists, Failed };
// Creates file only when no file of that name exists, and writes bytes to it. A file
// that cannot be written completely is removed again.
CreateResult createNewFile(const std::filesystem::path& file, const std::string& bytes);

// Writes all bytes to an open file descriptor, going on after interruptions; false
// when the file takes no more.
bool writeAll(int fd, std::string_view bytes);

}  // namespace pemo::fs
