#include "platform/btrieve/sort_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/btrieve/btrieve.h"

namespace pemo::btrieve {
namespace {

KeyDefinition oneSegment(uint8_t type, uint16_t length, uint16_t flags = kKeyExtendedType) {
  KeySegment segment;
  segment.length = length;
  segment.type = type;
  segment.flags = flags;
  return KeyDefinition{{segment}};
}

template <typename T>
std::string bytesOf(T value) {
  std::string bytes(sizeof value, '\0');
  std::memcpy(bytes.data(), &value, sizeof value);
  return bytes;
}

// True when the sort keys of the values, given in ascending order, ascend strictly.
bool ascends(const KeyDefinition& key, const std::vector<std::string>& values) {
  for (size_t i = 1; i < values.size(); ++i)
    if (!(sortKey(key, values[i - 1]) < sortKey(key, values[i]))) return false;
  return true;
}

TEST(SortKey, NumbersOrderByValue) {
  EXPECT_TRUE(ascends(oneSegment(kTypeInteger, 4), {bytesOf<int32_t>(INT32_MIN), bytesOf<int32_t>(-256),
                                                    bytesOf<int32_t>(-1), bytesOf<int32_t>(0), bytesOf<int32_t>(1),
                                                    bytesOf<int32_t>(255), bytesOf<int32_t>(256),
                                                    bytesOf<int32_t>(INT32_MAX)}));
  EXPECT_TRUE(ascends(oneSegment(kTypeInteger, 2), {bytesOf<int16_t>(-300), bytesOf<int16_t>(-2),
                                                    bytesOf<int16_t>(3), bytesOf<int16_t>(300)}));
  EXPECT_TRUE(ascends(oneSegment(kTypeInteger, 8), {bytesOf<int64_t>(-(1LL << 40)), bytesOf<int64_t>(1LL << 40)}));
  EXPECT_TRUE(ascends(oneSegment(kTypeFloat, 8), {bytesOf(-1e300), bytesOf(-2.5), bytesOf(-0.5), bytesOf(0.0),
                                                  bytesOf(1e-300), bytesOf(0.25), bytesOf(3.0), bytesOf(1e300)}));
  EXPECT_TRUE(ascends(oneSegment(kTypeFloat, 4), {bytesOf(-3.5f), bytesOf(-0.1f), bytesOf(0.1f), bytesOf(2.0f)}));
  EXPECT_EQ(sortKey(oneSegment(kTypeFloat, 8), bytesOf(-0.0)), sortKey(oneSegment(kTypeFloat, 8), bytesOf(0.0)));
  EXPECT_TRUE(ascends(oneSegment(kTypeUnsignedBinary, 2), {bytesOf<uint16_t>(1), bytesOf<uint16_t>(255),
                                                           bytesOf<uint16_t>(256), bytesOf<uint16_t>(65535)}));
  // Without the extended type, a binary key is an unsigned number too.
  KeyDefinition plainBinary = oneSegment(kTypeUnsignedBinary, 2, kKeyBinary);
  EXPECT_TRUE(ascends(plainBinary, {bytesOf<uint16_t>(2), bytesOf<uint16_t>(258)}));
}

TEST(SortKey, StringsOrderByBytesWithTheirRules) {
  KeyDefinition plain = oneSegment(kTypeString, 4);
  // Code page 932 bytes order as unsigned bytes: kana after ASCII.
  EXPECT_TRUE(ascends(plain, {"ABCD", "abcd", "\xb1\xb2  ", "\x82\xa0  "}) == false);
  EXPECT_TRUE(ascends(plain, {"ABCD", "abcd", "\x82\xa0  ", "\xb1\xb2  "}));

  KeyDefinition descending = oneSegment(kTypeString, 4, kKeyExtendedType | kKeyDescending);
  EXPECT_TRUE(ascends(descending, {"zzzz", "bbbb", "aaaa"}));

  // Case folds for ASCII letters only: the trail byte 0x61 of a two-byte character stays.
  KeyDefinition folded = oneSegment(kTypeString, 4, kKeyExtendedType | kKeyCaseInsensitive);
  EXPECT_EQ(sortKey(folded, "abCd"), sortKey(folded, "ABcD"));
  EXPECT_NE(sortKey(folded, "\x83\x61  "), sortKey(folded, "\x83\x41  "));

  // A zero-terminated string ends at its terminator.
  KeyDefinition zstring = oneSegment(kTypeZString, 4);
  EXPECT_EQ(sortKey(zstring, std::string("ab\0x", 4)), sortKey(zstring, std::string("ab\0y", 4)));
  EXPECT_TRUE(ascends(zstring, {std::string("ab\0z", 4), std::string("abc\0", 4)}));
}

TEST(SortKey, NullRules) {
  KeySegment first, second;
  first.length = second.length = 2;
  first.nullValue = second.nullValue = ' ';
  first.flags = second.flags = kKeyNullAll;
  KeyDefinition all{{first, second}};
  EXPECT_TRUE(isNullKeyValue(all, "    "));
  EXPECT_FALSE(isNullKeyValue(all, "  x "));
  first.flags = second.flags = kKeyNullAny;
  KeyDefinition any{{first, second}};
  EXPECT_TRUE(isNullKeyValue(any, "  x "));
  EXPECT_FALSE(isNullKeyValue(any, " xx "));
  EXPECT_FALSE(isNullKeyValue(oneSegment(kTypeString, 2), "  "));
}

}  // namespace
}  // namespace pemo::btrieve
