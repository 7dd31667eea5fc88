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
  // Plain runs around characters, a lead byte whose trail starts the next run, a zero byte.
  EXPECT_EQ(cp932ToUtf8(std::string("LINK=\x82\xA0\xB1 x\x82\x31" "23\x00z\x88\x9F", 18)),
            std::string("LINK=あｱ x・123\0z亜", 24));
  EXPECT_EQ(utf8ToCp932("€"), "?");             // no code page 932 form
  EXPECT_EQ(utf8ToCp932(std::string("a\xFF" "b")), "a?b");
  EXPECT_EQ(cp932Length("あa"), 3u);
}

TEST(Cp932, CharactersWithSeveralCodesAreWrittenAsWindowsWritesThem) {
  // JIS X 0208 before NEC row 13 before the IBM extensions.
  EXPECT_EQ(utf8ToCp932("≒￢∵"), "\x81\xE0\x81\xCA\x81\xE6");
  EXPECT_EQ(utf8ToCp932("Ⅰ№㈱"), "\x87\x54\x87\x82\x87\x8A");
  EXPECT_EQ(utf8ToCp932("ⅰ髙纊"), "\xFA\x40\xFB\xFC\xFA\x5C");
  // The NEC-selected IBM extensions are read, and written as the IBM extensions.
  EXPECT_EQ(cp932ToUtf8("\xEE\xEF\xEE\xE0\xED\x40"), "ⅰ髙纊");

  // Every code reads as a character that is written in a code that reads back as it, and
  // never in the NEC-selected range, which Windows does not write.
  for (int lead : {0x81, 0x82, 0x83, 0x84, 0x87, 0x88, 0x98, 0xE0, 0xEA, 0xED, 0xEE, 0xFA, 0xFB, 0xFC}) {
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string code{char(lead), char(trail)};
      const std::string character = cp932ToUtf8(code);
      if (character == "・" && code != "\x81\x45") continue;
      const std::string written = utf8ToCp932(character);
      ASSERT_EQ(written.size(), 2u) << std::hex << lead << trail;
      EXPECT_FALSE(written[0] == '\xED' || written[0] == '\xEE') << std::hex << lead << trail;
      EXPECT_EQ(cp932ToUtf8(written), character);
    }
  }
}
