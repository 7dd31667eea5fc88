#include <gtest/gtest.h>

#include <string>

#include "support/common/expression.h"

using pemo::support::evaluateExpression;

// The cases of the C export checks are not repeated here.
TEST(Expression, PrecedenceAndAssociation) {
  EXPECT_EQ(evaluateExpression("8-2-1"), 5);
  EXPECT_EQ(evaluateExpression("2*3+4*5-6/2"), 23);
  EXPECT_EQ(evaluateExpression("2+3*4^2"), 50);
  EXPECT_EQ(evaluateExpression("100/10/5"), 2);
  EXPECT_EQ(evaluateExpression("3*-2"), -6);
}

TEST(Expression, OperandsAndTheirEnd) {
  EXPECT_EQ(evaluateExpression(""), 0);
  EXPECT_EQ(evaluateExpression("1 000 + 1"), 1001);
  EXPECT_EQ(evaluateExpression("1.2.3"), 1.2);
  EXPECT_EQ(evaluateExpression("5=3+4"), 5);
  EXPECT_EQ(evaluateExpression("(1+2"), 3);
  EXPECT_EQ(evaluateExpression("((2))*(3)"), 6);
  EXPECT_EQ(evaluateExpression("(1+2) * 3"), 9);
  EXPECT_EQ(evaluateExpression("- 4 + 1"), -3);
  // A double-byte character ends the expression whole: its trail byte 0x5E is no "^".
  EXPECT_EQ(evaluateExpression("(2\x83\x5E" "3)"), 2);
}

TEST(Expression, ResultsWithoutARealValueGiveZero) {
  EXPECT_EQ(evaluateExpression("5_0"), 0);
  EXPECT_EQ(evaluateExpression("10^400*0"), 0);
  EXPECT_EQ(evaluateExpression(std::string(400, '9')), 0);
  EXPECT_NEAR(evaluateExpression("(0-32)_5"), -2, 1e-12);
}

TEST(Expression, DeepNestingEndsInsteadOfCrashing) {
  std::string parentheses(200000, '(');
  EXPECT_EQ(evaluateExpression(parentheses + "1"), 0);
  EXPECT_EQ(evaluateExpression(std::string(200000, '-') + "1"), 0);
  EXPECT_EQ(evaluateExpression(std::string(100, '(') + "4" + std::string(100, ')') + "*2"), 8);
}
