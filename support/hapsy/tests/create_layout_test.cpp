#include "support/hapsy/create_layout.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/hapsy/key_description.h"

namespace pemo::hapsy {
namespace {

std::string description(int position, char type, int length, char keep, int duplicates, int segmented) {
  std::string out(BT_KEY_DESCRIPTION_SIZE, '\0');
  std::memcpy(out.data(), &position, 4);
  out[4] = type;
  std::memcpy(out.data() + 5, &length, 4);
  out[9] = keep;
  std::memcpy(out.data() + 13, &duplicates, 4);
  std::memcpy(out.data() + 17, &segmented, 4);
  return out;
}

TEST(CreateLayout, LaysOutHeaderAndKeyBlocks) {
  std::string keys = description(1, 'S', 10, 7, 0, 1) + description(11, 'I', 4, 0, 0, 0) +
                     description(15, 'D', 8, 0, 5, 0) + description(23, 'L', 2, 0, 0, 0) +
                     description(25, 'X', 3, 0, 0, 0);
  auto layout = buildCreateLayout(300, 5, 4, keys.data());
  ASSERT_TRUE(layout);
  ASSERT_EQ(layout->size(), 6u * 16u);
  EXPECT_EQ(layout->substr(0, 16), std::string("\x2c\x01\x00\x10\x04\x00\0\0\0\0\0\0\0\0\0\0", 16));
  // position, length, flags (unique 0x106 plus segmented), type, the kept byte at +14
  EXPECT_EQ(layout->substr(16, 16), std::string("\x01\x00\x0a\x00\x16\x01\0\0\0\0\x00\0\0\0\x07\0", 16));
  EXPECT_EQ(layout->substr(32, 16), std::string("\x0b\x00\x04\x00\x06\x01\0\0\0\0\x01\0\0\0\0\0", 16));
  EXPECT_EQ(layout->substr(48, 16), std::string("\x0f\x00\x08\x00\x07\x01\0\0\0\0\x02\0\0\0\0\0", 16));
  EXPECT_EQ((*layout)[64 + 10], 1);  // "L" is an integer too
  EXPECT_EQ((*layout)[80 + 10], 0);  // another letter leaves the type unset

  EXPECT_FALSE(buildCreateLayout(10, -1, 0, keys.data()));
  EXPECT_FALSE(buildCreateLayout(-5, 0, 0, nullptr));
  EXPECT_FALSE(buildCreateLayout(10, 1, 1, nullptr));
  EXPECT_TRUE(buildCreateLayout(10, 0, 0, nullptr));
}

}  // namespace
}  // namespace pemo::hapsy
