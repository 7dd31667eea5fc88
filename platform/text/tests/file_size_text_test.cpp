#include <gtest/gtest.h>

#include <cstdint>

#include "platform/text/file_size_text.h"

using namespace pemo::text;

TEST(FileSizeText, BytesThenThreeDigitsOfEachUnitCutShortAtEveryUnitsBounds) {
  constexpr std::uint64_t KB = 1024, MB = KB * KB, GB = MB * KB;
  const std::pair<std::uint64_t, const char*> sizes[] = {
      {0, "0 バイト"},
      {1, "1 バイト"},
      {999, "999 バイト"},
      {1023, "1,023 バイト"},
      {KB, "1.00 KB"},
      {KB + 1, "1.00 KB"},
      {2000, "1.95 KB"},
      {10 * KB - 1, "9.99 KB"},
      {10 * KB, "10.0 KB"},
      {20'000, "19.5 KB"},
      {100 * KB - 1, "99.9 KB"},
      {100 * KB, "100 KB"},
      {200'000, "195 KB"},
      {MB - 1, "1,023 KB"},
      {MB, "1.00 MB"},
      {MB + 1, "1.00 MB"},
      {3'000'000, "2.86 MB"},
      {GB - 1, "1,023 MB"},
      {GB, "1.00 GB"},
      {GB + 1, "1.00 GB"},
      {4 * GB + 1, "4.00 GB"},
      {5'000'000'000, "4.65 GB"},
      {1024 * GB, "1.00 TB"},
      {INT64_MAX, "7.99 EB"},
      {UINT64_MAX, "15.9 EB"},
  };
  for (const auto& [bytes, text] : sizes) EXPECT_EQ(FormatFileSize(bytes), text) << bytes;
}
