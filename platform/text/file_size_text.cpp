#include "platform/text/file_size_text.h"

namespace pemo::text {

std::string FormatFileSize(std::uint64_t bytes) {
  // Rounded up, so that only an empty file reads 0.
  const std::uint64_t kilobytes = bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
  const std::string digits = std::to_string(kilobytes);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text + " KB";
}

}  // namespace pemo::text
