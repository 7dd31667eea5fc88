#pragma once
// Whole-file reads, exclusive creation and appends, with every failure reported.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pemo::fs {

// The file's bytes; nullopt when it is missing, no plain file (a folder, a FIFO, a
// device), longer than largest bytes, or cannot be read, a read that would wait among
// them. Nothing beyond largest is ever read or kept: a file the system says is larger
// costs nothing, and one that says less but goes on (a procfs file) is stopped there.
// Every caller names the largest file of its kind; none reads without a limit.
std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::uintmax_t largest);

// Whether readWholeFile(file, largest) would begin to read the file now: a plain file
// that opens for reading and says it holds no more than largest bytes.
bool canReadWholeFile(const std::filesystem::path& file, std::uintmax_t largest);

enum class CreateResult { Created, AlreadyExists, Failed };
// Creates file only when no file of that name exists, and writes bytes to it. A file
// that cannot be written completely is removed again.
CreateResult createNewFile(const std::filesystem::path& file, const std::string& bytes);

// Adds bytes at the end of a file, creating it when missing. All or nothing: a write that
// fails part way (a full disk) cuts the file back to the size it had, and a file it
// created is removed again. False then, for what is no plain file (a folder, a FIFO, a
// device) and for a write-protected file.
bool appendToFile(const std::filesystem::path& file, std::string_view bytes);

// Writes the bytes of source, read piece by piece, to an open file descriptor; false when
// source cannot be read or the file takes no more.
bool copyWholeFile(const std::filesystem::path& source, int fd);

// Writes all bytes to an open file descriptor, going on after interruptions; false
// when the file takes no more.
bool writeAll(int fd, std::string_view bytes);

}  // namespace pemo::fs
