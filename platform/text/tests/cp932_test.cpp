#include <gtest/gtest.h>

#include "platform/text/cp932.h"

using namespace pemo::text;

TEST(Cp932, KanaAndTrailBackslashRoundTrip) {
  // "ソ表" : both have 0x5C ("\") as their trail byte.
  const std::string bytes = "\x83\x5C\x95\x5C";
  EXPECT_EQ(cp932ToUtf8(bytes), "ソ表");
  EXPECT_EQ(utf8ToCp932("ソ表"), bytes);
  // Hiragana, katakana and half-width katakana.
  EXPECT_EQ(cp932ToUtf8("\x82\xA0\x83\x41\xB1"), "あアｱ");
  EXPECT_EQ(utf8ToCp932("あアｱ"), "\x82\xA0\x83\x41\xB1");
}

TEST(Cp932, WindowsOnlyCodes) {
  EXPECT_EQ(cp932ToUtf8("\x80"), "\xC2\x80");
  EXPECT_EQ(cp932ToUtf8("\xA0"), "\xEF\xA3\xB0");  // U+F8F0
  EXPECT_EQ(cp932ToUtf8("\xFD\xFE\xFF"), "\xEF\xA3\xB1\xEF\xA3\xB2\xEF\xA3\xB3");
  for (std::string b : {"\x80", "\xA0", "\xFD", "\xFE", "\xFF"}) EXPECT_EQ(utf8ToCp932(cp932ToUtf8(b)), b);
  // NEC special characters and IBM extensions.
  EXPECT_EQ(cp932ToUtf8("\x87\x40"), "①");
  EXPECT_EQ(cp932ToUtf8("\xFA\x40"), "ⅰ");
  EXPECT_EQ(cp932ToUtf8("\x81\x60"), "～");  // the Windows wave dash
  EXPECT_EQ(utf8ToCp932("～"), "\x81\x60");
}

TEST(Cp932, MalformedInputIsDefined) {
  EXPECT_EQ(cp932ToUtf8("a\x82"), "a・");       // lone lead byte at the end
  EXPECT_EQ(cp932ToUtf8("\x82\x20" "b"), "・ b");  // a trail byte that is a character stays
  EXPECT_EQ(utf8ToCp932("€"), "?");             // no code page 932 form
  EXPECT_EQ(utf8ToCp932(std::string("a\xFF" "b")), "a?b");
  EXPECT_EQ(cp932Length("あa"), 3u);
}
