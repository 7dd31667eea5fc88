#include "menufile/values.h"

#include <gtest/gtest.h>

namespace pemo::menufile {
namespace {

TEST(MenuFileValues, Colours) {
  EXPECT_EQ(formatColour(0), "0");
  EXPECT_EQ(formatColour(0xFF), "FF");
  EXPECT_EQ(formatColour(0xFFFFFF), "FFFFFF");
  EXPECT_EQ(formatColour(0x8000000F), "8000000F");
  EXPECT_EQ(readColour("8000000F"), 0x8000000Fu);
  EXPECT_EQ(readColour("ff0000"), 0xFF0000u);
  EXPECT_EQ(readColour("&HFF"), 0xFFu);
  EXPECT_EQ(readColour(""), 0u);
  EXPECT_EQ(readColour("xyz"), 0u);
  EXPECT_EQ(readColour("12G4"), 0x12u);
  EXPECT_EQ(readColour("00000000FF"), 0xFFu);
  EXPECT_FALSE(readColour("123456789"));
}

TEST(MenuFileValues, BooleansAndNumbers) {
  EXPECT_EQ(formatBoolean(true), "True");
  EXPECT_EQ(formatBoolean(false), "False");
  EXPECT_EQ(readBoolean("TRUE"), true);
  EXPECT_EQ(readBoolean(" false "), false);
  EXPECT_EQ(readBoolean("0"), false);
  EXPECT_EQ(readBoolean("-1"), true);
  EXPECT_FALSE(readBoolean("yes"));
  EXPECT_FALSE(readBoolean(""));
  EXPECT_EQ(readNumber("12.5px"), 12.5);
  EXPECT_EQ(readNumber("abc"), 0);
  EXPECT_EQ(readNumber(""), 0);
  EXPECT_EQ(readWholeNumber("2.5", -32768, 32767), 2);
  EXPECT_EQ(readWholeNumber("3.5", -32768, 32767), 4);
  EXPECT_EQ(readWholeNumber(" -7 ", -32768, 32767), -7);
  EXPECT_FALSE(readWholeNumber("40000", -32768, 32767));
  EXPECT_FALSE(readWholeNumber("7a", -32768, 32767));
  EXPECT_FALSE(readWholeNumber("", -32768, 32767));
  EXPECT_EQ(formatNumber(-3), "-3");
}

TEST(MenuFileValues, GeometryAndFontSizes) {
  EXPECT_EQ(formatGeometry(96), "96");
  EXPECT_EQ(formatGeometry(1000.0 / 15), "66.6666666666667");
  EXPECT_EQ(formatGeometry(-0.0), "0");
  EXPECT_EQ(formatGeometry(0.5), "0.5");
  EXPECT_EQ(formatFontSize(9), "9");
  EXPECT_EQ(formatFontSize(10.5), "10.5");
  EXPECT_EQ(formatFontSize(14.25), "14.25");
  EXPECT_EQ(formatFontSize(8.123456), "8.1235");
}

}  // namespace
}  // namespace pemo::menufile
