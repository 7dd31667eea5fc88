#include "platform/text/file_size_text.h"

#include <array>

namespace pemo::text {

namespace {

std::string withGroupsOfThree(std::uint64_t number) {
  const std::string digits = std::to_string(number);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

}  // namespace

std::string FormatFileSize(std::uint64_t bytes) {
  if (bytes < 1024) return withGroupsOfThree(bytes) + " バイト";
  static constexpr std::array<const char*, 6> kUnits = {"KB", "MB", "GB", "TB", "PB", "EB"};
  std::size_t unit = 0;
  std::uint64_t unitBytes = 1024;
  while (unit + 1 < kUnits.size() && bytes / unitBytes >= 1024) {
    unitBytes *= 1024;
    ++unit;
  }
  const std::uint64_t whole = bytes / unitBytes;
  // What is left over gives the decimals; its product with 100 needs more than 64 bits.
  auto decimals = [&](unsigned scale) {
    return static_cast<std::uint64_t>(static_cast<unsigned __int128>(bytes % unitBytes) * scale / unitBytes);
  };
  std::string number;
  if (whole >= 100) {
    number = withGroupsOfThree(whole);
  } else if (whole >= 10) {
    number = std::to_string(whole) + "." + std::to_string(decimals(10));
  } else {
    const std::uint64_t hundredths = decimals(100);
    number = std::to_string(whole) + (hundredths < 10 ? ".0" : ".") + std::to_string(hundredths);
  }
  return number + " " + kUnits[unit];
}

}  // namespace pemo::text
