#pragma once
// Whole-file reads and writes of the menu documents, with every failure reported.
#include <filesystem>
#include <optional>
#include <string>

namespace pemo::editor {

// The file's bytes; nullopt when it is missing, a folder, or cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

enum class CreateResult { Created, AlreadyExists, Failed };
// Creates file only when no file of that name exists, and writes bytes to it. A file
// that cannot be written completely is removed again.
CreateResult createNewFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace pemo::editor
