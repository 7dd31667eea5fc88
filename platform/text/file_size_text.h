#pragma once
// A file's size as the details lists of the Japanese desktop's file dialogs write it:
// whole kilobytes of 1024 bytes, rounded up, with "," between groups of three digits,
// whatever the user's locale ("0 KB", "1 KB" for 1 to 1024 bytes, "2,930 KB").
#include <cstdint>
#include <string>

namespace pemo::text {

std::string FormatFileSize(std::uint64_t bytes);

}  // namespace pemo::text
