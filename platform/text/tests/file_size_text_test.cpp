#include <gtest/gtest.h>

#include <cstdint>

#include "platform/text/file_size_text.h"

using namespace pemo::text;

TEST(FileSizeText, WholeKilobytesRoundedUpWithGroupsOfThreeAtEveryUnitsBounds) {
  constexpr std::uint64_t KB = 1024, MB = KB * KB, GB = MB * KB;
  const std::pair<std::uint64_t, const char*> sizes[] = {
      {0, "0 KB"},
      {1, "1 KB"},
      {1023, "1 KB"},
      {KB, "1 KB"},
      {KB + 1, "2 KB"},
      {2000, "2 KB"},
      {999 * KB, "999 KB"},
      {999 * KB + 1, "1,000 KB"},
      {MB - 1, "1,024 KB"},
      {MB, "1,024 KB"},
      {MB + 1, "1,025 KB"},
      {3'000'000, "2,930 KB"},
      {GB - 1, "1,048,576 KB"},
      {GB, "1,048,576 KB"},
      {GB + 1, "1,048,577 KB"},
      {4 * GB - 1, "4,194,304 KB"},
      {4 * GB, "4,194,304 KB"},
      {4 * GB + 1, "4,194,305 KB"},
      {5'000'000'000, "4,882,813 KB"},
      {INT64_MAX, "9,007,199,254,740,992 KB"},
      {UINT64_MAX, "18,014,398,509,481,984 KB"},
  };
  for (const auto& [bytes, text] : sizes) EXPECT_EQ(FormatFileSize(bytes), text) << bytes;
}
