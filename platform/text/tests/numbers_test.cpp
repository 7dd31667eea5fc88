#include <gtest/gtest.h>

#include "platform/text/numbers.h"

using namespace pemo::text;

TEST(Numbers, ValReadsLikeWindows) {
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("  12abc"), 12);
  EXPECT_EQ(Val("1 2 3"), 123);
  EXPECT_EQ(Val("-3.5e2x"), -350);
  EXPECT_EQ(Val("&HFF"), 255);
  EXPECT_EQ(Val("&HFFFF"), -1);
  EXPECT_EQ(Val("&O17"), 15);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_TRUE(IsNumeric(" 12.5 "));
  EXPECT_FALSE(IsNumeric("12a"));
  EXPECT_FALSE(IsNumeric(""));
}

TEST(Numbers, GeneralFormat) {
  EXPECT_EQ(FormatGeneral(20), "20");
  EXPECT_EQ(FormatGeneral(12.5), "12.5");
  EXPECT_EQ(FormatGeneral(-0.25), "-0.25");
  EXPECT_EQ(FormatGeneral(1000.0 / 15), "66.6666666666667");
  EXPECT_EQ(FormatGeneral(301.0 / 15), "20.0666666666667");
  EXPECT_EQ(FormatGeneral(0.0001), "0.0001");
  EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
  EXPECT_EQ(FormatGeneral(1e15), "1E+15");
  EXPECT_EQ(FormatGeneral(1.0 / 3), "0.333333333333333");
}

TEST(Numbers, RoundingAndHex) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(175.5), 176);
  EXPECT_EQ(RoundHalfEven(1.25, 1), 1.2);
  EXPECT_EQ(ToHex(0xFF8000), "FF8000");
  unsigned long v = 0;
  EXPECT_TRUE(ParseHex("ff8000", v));
  EXPECT_EQ(v, 0xFF8000u);
  EXPECT_FALSE(ParseHex("", v));
  EXPECT_FALSE(ParseHex("12G", v));
  EXPECT_EQ(HexDigitValue('0'), 0);
  EXPECT_EQ(HexDigitValue('f'), 15);
  EXPECT_EQ(HexDigitValue('F'), 15);
  EXPECT_EQ(HexDigitValue('g'), -1);
  EXPECT_EQ(HexDigitValue('&'), -1);
}
