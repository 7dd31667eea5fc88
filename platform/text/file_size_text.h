#pragma once
// A file's size as the Japanese desktop writes it in its file dialogs, whatever the
// user's locale: bytes below one kilobyte ("1,023 バイト"), then kilobytes, megabytes,
// gigabytes and on of 1024, to three significant digits cut short rather than
// rounded, so a size never reads larger than it is ("1.95 KB", "19.5 KB", "195 KB",
// "1,023 KB", "2.86 MB"). "," separates groups of three digits, "." the decimals.
#include <cstdint>
#include <string>

namespace pemo::text {

std::string FormatFileSize(std::uint64_t bytes);

}  // namespace pemo::text
