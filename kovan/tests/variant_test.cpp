#include <gtest/gtest.h>

#include "kovan/kovan.h"

namespace pemo::kovan {
namespace {

TEST(Variant, TextForms) {
  EXPECT_EQ(Variant().toText(), "");
  EXPECT_EQ(Variant(int16_t{-7}).toText(), "-7");
  EXPECT_EQ(Variant(2.5).toText(), "2.5");
  EXPECT_EQ(Variant(false).toText(), "False");
  EXPECT_EQ(Variant::single(0.1f).toText(), "0.1");
  EXPECT_EQ(Variant::date(35800).toText(), "1998/01/05");
  EXPECT_EQ(Variant::date(35800.5).toText(), "1998/01/05 12:00:00");
  EXPECT_EQ(Variant::date(0.25).toText(), "6:00:00");
  EXPECT_EQ(Variant::date(0).toText(), "1899/12/30");
  EXPECT_THROW(Variant::null().toText(), KovanError);
  EXPECT_THROW(Variant::missing().toText(), KovanError);
  try {
    Variant::error(448).toText();
    FAIL();
  } catch (const KovanError& e) {
    EXPECT_EQ(e.number(), kErrTypeMismatch);
    EXPECT_FALSE(e.text().empty());
  }
}

TEST(SafeArray, BoundsAndGrowth) {
  StringArray a;
  EXPECT_FALSE(a.isDimensioned());
  EXPECT_THROW(a.upperBound(), KovanError);
  EXPECT_THROW(a[0], KovanError);
  a.redimPreserve(1);
  a[1] = "x";
  a.redimPreserve(2);
  EXPECT_EQ(a[1], "x");
  EXPECT_EQ(a.upperBound(), 2);
  StringArray b(3, 4);
  EXPECT_THROW(b[2], KovanError);
  EXPECT_EQ(b.lowerBound(), 3);
  StringArray none(0, -1);
  EXPECT_TRUE(none.isDimensioned());
  EXPECT_EQ(none.count(), 0);
  EXPECT_THROW(StringArray(0, -2), KovanError);
}

}  // namespace
}  // namespace pemo::kovan
