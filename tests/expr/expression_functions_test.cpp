#include "expr/expression_functions.h"

#include <cmath>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kIntMax = 2147483647.0;
constexpr double kIntMin = -2147483648.0;

// The tokenizer takes the first name the text starts with, so a name listed after a shorter
// prefix of it (SQR before SQRT) could never be read.
TEST(ExpressionFunctions, ListsLongerNamesBeforeTheirPrefixes) {
  const auto functions = ExpressionFunctions();
  ASSERT_EQ(functions.size(), 20u);
  for (std::size_t i = 0; i < functions.size(); ++i) {
    for (std::size_t j = i + 1; j < functions.size(); ++j) {
      EXPECT_FALSE(functions[j].Name.starts_with(functions[i].Name))
          << functions[i].Name << " hides " << functions[j].Name;
    }
  }
}

TEST(ExpressionFunctions, RoundAndTruncSaturateAtTheIntegerRange) {
  struct Case {
    double x;
    double round;
    double trunc;
  };
  const Case cases[] = {
      {2.5, 3.0, 2.0},
      {-2.5, -2.0, -2.0},
      {-2.7, -2.0, -2.0},
      {0.0, 0.0, 0.0},
      {0.5, 1.0, 0.0},
      {2147483646.7, kIntMax, 2147483646.0},
      {2147483647.5, kIntMax, kIntMax},
      {-2147483648.9, kIntMin, kIntMin},
      {1e10, kIntMax, kIntMax},
      {-1e10, kIntMin, kIntMin},
      {1e300, kIntMax, kIntMax},
      {kInf, kIntMax, kIntMax},
      {-kInf, kIntMin, kIntMin},
      {kNaN, 0.0, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ApplyFunction("ROUND", c.x), c.round) << c.x;
    EXPECT_EQ(ApplyFunction("TRUNC", c.x), c.trunc) << c.x;
  }
  // A cut toward zero gives an integer zero, never a negative zero.
  EXPECT_FALSE(std::signbit(ApplyFunction("TRUNC", -0.4)));
  EXPECT_FALSE(std::signbit(ApplyFunction("ROUND", -0.9)));
}

TEST(ExpressionFunctions, GuardsLogarithmsAndSquareRoot) {
  struct Case {
    const char* name;
    double x;
    double result;
  };
  const Case cases[] = {
      {"LOG", 1000.0, 3.0}, {"LOG", 0.0, 0.0},   {"LOG", -5.0, -5.0},   {"LN", 1.0, 0.0},
      {"LN", -1.0, -1.0},   {"SQRT", 16.0, 4.0}, {"SQRT", -4.0, -4.0},  {"SQRT", 0.0, 0.0},
      {"SQR", -3.0, 9.0},   {"ABS", -3.0, 3.0},  {"POW10", 2.0, 100.0}, {"EXP", 0.0, 1.0},
  };
  for (const Case& c : cases) EXPECT_EQ(ApplyFunction(c.name, c.x), c.result) << c.name << c.x;
  EXPECT_TRUE(std::isnan(ApplyFunction("SQRT", kNaN)));
  EXPECT_EQ(ApplyFunction("LN", -kInf), -kInf);
}

TEST(ExpressionFunctions, ConvertsAnglesAndTakesTangentsNearPoles) {
  EXPECT_NEAR(ApplyFunction("DEG", std::numbers::pi), 180.0, 1e-12);
  EXPECT_NEAR(ApplyFunction("RAD", 180.0), std::numbers::pi, 1e-15);
  EXPECT_NEAR(ApplyFunction("SIN", ApplyFunction("RAD", 30.0)), 0.5, 1e-15);
  EXPECT_NEAR(ApplyFunction("DEG", ApplyFunction("ATAN", 0.5)), 26.565, 1e-3);
  EXPECT_DOUBLE_EQ(ApplyFunction("COSH", 0.0), 1.0);
  EXPECT_DOUBLE_EQ(ApplyFunction("TANH", kInf), 1.0);
  // Next to the pole the tangent is huge but finite, so there is nothing to guard.
  const double nearPole = ApplyFunction("TAN", std::numbers::pi / 2);
  EXPECT_TRUE(std::isfinite(nearPole));
  EXPECT_GT(nearPole, 1e15);
  // Regression: a guard band misplaced at 1.157 instead of pi/2 returned the argument
  // there instead of its tangent.
  EXPECT_DOUBLE_EQ(ApplyFunction("TAN", 1.1570796325), std::tan(1.1570796325));
  EXPECT_DOUBLE_EQ(ApplyFunction("TAN", -1.157079633), std::tan(-1.157079633));
}

TEST(ExpressionFunctions, GivesUnknownNamesTheArgumentBack) {
  EXPECT_EQ(ApplyFunction("FOO", 2.5), 2.5);
  EXPECT_EQ(ApplyFunction("", -1.0), -1.0);
}

}  // namespace
}  // namespace hygrovia
