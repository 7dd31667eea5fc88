#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "support/common/rounding.h"

using namespace pemo::support;

// The cases of the C export checks are not repeated here.
TEST(Rounding, ModesAtAUnit) {
  EXPECT_DOUBLE_EQ(roundToUnit(1.0098, -2, kCut), 1.00);
  EXPECT_DOUBLE_EQ(roundToUnit(1.009999, -2, kCut), 1.01);  // within the tolerance
  EXPECT_DOUBLE_EQ(roundToUnit(2.34, -2, kUp), 2.34);
  EXPECT_DOUBLE_EQ(roundToUnit(2.341, -2, 7), 2.35);
  EXPECT_DOUBLE_EQ(roundToUnit(-2.341, -2, kUp), -2.35);
  EXPECT_DOUBLE_EQ(roundToUnit(1249, 2, kHalfUp), 1200);
  EXPECT_DOUBLE_EQ(roundToUnit(12345678.9, 0, kHalfUp), 12345679);
  EXPECT_DOUBLE_EQ(roundToUnit(123456, 3, kCut), 123000);
  EXPECT_DOUBLE_EQ(roundToUnit(19999.9999, -2, kCut), 19999.99);
}

TEST(Rounding, SplitUnitKeepsTheToleranceForManyDecimals) {
  EXPECT_DOUBLE_EQ(roundToUnit(2.9995, -2, kCut, 1), 2.99);
  EXPECT_DOUBLE_EQ(roundToUnit(123.456789012, -9, kCut, 1), 123.456789012);
}

TEST(Rounding, OutOfRangeIsDefined) {
  EXPECT_EQ(roundToUnit(std::numeric_limits<double>::quiet_NaN(), 0, kCut), 0);
  EXPECT_EQ(roundToUnit(std::numeric_limits<double>::infinity(), 0, kCut), 0);
  EXPECT_EQ(roundToUnit(1e300, 0, kHalfUp), 1e300);
  EXPECT_EQ(roundToUnit(3e10 * 10000, 0, kUp), 3e14);
  EXPECT_EQ(roundToUnit(1.5, INT_MIN, kCut), 1.5);
  EXPECT_EQ(roundToUnit(1.5, INT_MAX, kCut), 0);
  EXPECT_EQ(roundToUnit(1.5, INT_MAX, kUp), 0);
}

TEST(Rounding, FixedText) {
  EXPECT_EQ(formatFixed(-0.0, 2), "0.00");
  EXPECT_EQ(formatFixed(-1.5, 1), "-1.5");
  EXPECT_EQ(formatFixed(1e300, 0).size(), 301u);
  EXPECT_EQ(formatFixed(0.5, 100000).size(), 402u);
}
