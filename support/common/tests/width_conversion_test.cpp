#include <gtest/gtest.h>

#include "platform/text/cp932.h"
#include "support/common/width_conversion.h"

using namespace pemo::support;
using pemo::text::cp932ToUtf8;
using pemo::text::utf8ToCp932;

namespace {

const WidthTable& sharedTable() {
  static const WidthTable table({}, {});
  return table;
}

std::string full(std::string_view utf8, const WidthTable& table = sharedTable()) {
  return cp932ToUtf8(toFullWidth(table, utf8ToCp932(utf8), isSingleByteCharacter));
}

std::string half(std::string_view utf8, const WidthTable& table = sharedTable()) {
  return cp932ToUtf8(toHalfWidth(table, utf8ToCp932(utf8), isSingleByteCharacter));
}

bool printableOrKana(unsigned char byte) {
  return (byte >= 0x20 && byte <= 0x7E) || (byte >= 0xA0 && byte <= 0xDF);
}

}  // namespace

TEST(WidthConversion, LettersDigitsAndSigns) {
  EXPECT_EQ(full("Az09 .,-/*+=!\"#$%&'`|^\\@[]{}()<>;:"),
            "Ａｚ０９　．，－／＊＋＝！”＃＄％＆’‘｜＾￥＠［］｛｝（）＜＞；：");
  EXPECT_EQ(half("Ａｚ０９　．，－／＊＋＝！”＃＄％＆’‘｜＾￥＠［］｛｝（）＜＞；："),
            "Az09 .,-/*+=!\"#$%&'`|^\\@[]{}()<>;:");
  // No pair: the tilde and the question mark; the underscore only where a table adds it.
  EXPECT_EQ(full("~?_"), "~?_");
  EXPECT_EQ(half("？～＿"), "？～＿");
}

TEST(WidthConversion, KanaWithTheirMarks) {
  EXPECT_EQ(full("ｰｧｦ"), "ーぁを");
  EXPECT_EQ(half("ゐヰゑヱ"), "ｲｲｴｴ");
  // A mark the kana cannot take stays half width with it.
  EXPECT_EQ(full("ｱﾞ"), "ｱﾞ");
  EXPECT_EQ(full("ﾞA"), "ﾞＡ");
  EXPECT_EQ(full("漢字ｱ"), "漢字あ");
  EXPECT_EQ(half("漢字あ"), "漢字ｱ");
}

TEST(WidthConversion, TablesAddTheirOwnEntries) {
  WidthTable withExtras({{"＿", "_"}}, {{"っ", "ッ", "ｯ"}});
  EXPECT_EQ(full("_ｯ", withExtras), "＿っ");
  EXPECT_EQ(half("＿っッ", withExtras), "_ｯｯ");
  EXPECT_EQ(full("_ｯ"), "_ｯ");
  EXPECT_EQ(half("っ"), "っ");
}

TEST(WidthConversion, ByteWalkStopsAtTheEndAndKeepsCharactersWhole) {
  const WidthTable& table = sharedTable();
  // A lone lead byte at the end stays alone.
  EXPECT_EQ(toFullWidth(table, "A\x82", isSingleByteCharacter), "\x82\x60\x82");
  // A control byte that takes the next byte along never takes half of a double-byte
  // character ("\t" then "Ａ").
  EXPECT_EQ(toFullWidth(table, "\t\x82\x60", printableOrKana), "\t\x82\x60");
  EXPECT_EQ(toHalfWidth(table, "\t\x82\x60", printableOrKana), "\tA");
}
