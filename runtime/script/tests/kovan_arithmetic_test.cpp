#include <gtest/gtest.h>

#include "runtime/script/expression.h"
#include "runtime/script/kovan_arithmetic.h"

namespace pemo::script {
namespace {

TEST(KovanArithmetic, TheLibraryCalculationWithTheWholeResult) {
  KovanArithmetic arithmetic;
  // The library writes back no more than it was given: the unpadded text loses digits.
  EXPECT_EQ(arithmetic.fCalc("2 ^ 20", 5, 1), 104857);
  EXPECT_EQ(arithmetic.fCalc("2^20", 5, 1), 1048);
  EXPECT_EQ(calculate(arithmetic, "2 ^ 20", 5), 1048576);
  EXPECT_EQ(calculate(arithmetic, "1/3", 5), 0.33333);
  EXPECT_EQ(calculate(arithmetic, "7/2", 0), 3);  // whole numbers cut
  EXPECT_EQ(calculate(arithmetic, "", 5), 0);
  EXPECT_EQ(arithmetic.changeHexToDec("1F"), 31);
  EXPECT_EQ(arithmetic.changeHexToDec("ff"), 255);
}

}  // namespace
}  // namespace pemo::script
