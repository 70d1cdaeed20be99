#include "expr/expression_evaluator.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace hygrovia {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = std::numbers::pi;

struct ValueCase {
  std::string_view text;
  double value;
};

// Evaluates every case on one evaluator, as the program does, and expects no error.
void ExpectValues(std::initializer_list<ValueCase> cases, double tolerance = 0.0) {
  ExpressionEvaluator evaluator;
  for (const ValueCase& c : cases) {
    const double value = evaluator.Evaluate(c.text);
    EXPECT_EQ(evaluator.Error(), ExpressionError::None) << c.text;
    if (tolerance == 0.0) {
      EXPECT_EQ(value, c.value) << c.text;
    } else {
      EXPECT_NEAR(value, c.value, tolerance) << c.text;
    }
  }
}

TEST(ExpressionEvaluator, FollowsPrecedenceAndGrouping) {
  ExpectValues({
      {"2+3*4", 14.0},
      {"(2+3)*4", 20.0},
      {"2-3-4", -5.0},
      {"8/4/2", 1.0},
      {"2^3^2", 512.0},
      {"2*3^2", 18.0},
      {"25*1.8+32", 77.0},
      {" 2 + 3 ", 5.0},
      {"((7))", 7.0},
      {"A", 0.0},
      {"A+1", 1.0},
      {"PI*2", 2.0 * kPi},
      {"1.5E+3/3", 500.0},
      {"2-3*4+10/5", -8.0},
  });
}

TEST(ExpressionEvaluator, AppliesUnaryMinusToThePrimaryAfterIt) {
  ExpectValues({
      {"-2^2", 4.0},
      {"2^-2", 0.25},
      {"2--3", 5.0},
      {"2*-3", -6.0},
      {"-(-3)", 3.0},
      {"-2*3", -6.0},
      {"-SQR(3)", -9.0},
      {"1-(-2)^3", 9.0},
  });
}

TEST(ExpressionEvaluator, CallsFunctionsInAnyCase) {
  ExpectValues({
      {"SQRT(-4)", -4.0},
      {"LOG(0)", 0.0},
      {"LN(-1)", -1.0},
      {"LOG(1000)", 3.0},
      {"SQR(-3)", 9.0},
      {"ROUND(2.5)", 3.0},
      {"ROUND(-2.5)", -2.0},
      {"ROUND(-2.7)", -2.0},
      {"TRUNC(-2.7)", -2.0},
      {"POW10(2)", 100.0},
      {"EXP(0)", 1.0},
      {"ABS(-3)", 3.0},
      {"sqrt(sqrt(16))", 2.0},
      {"Trunc(1E10)", 2147483647.0},
  });
  ExpectValues({{"DEG(PI)", 180.0},
                {"RAD(180)", kPi},
                {"sin(rad(30))", 0.5},
                {"ln(exp(2))", 2.0},
                {"Pi", kPi}},
               1e-12);
  ExpectValues({{"DEG(ATAN(0.5))", 26.565}}, 1e-3);
}

TEST(ExpressionEvaluator, GuardsOnlyDivisionByZero) {
  ExpectValues({{"1/0", kInf},
                {"-1/0", kInf},
                {"0/0", kInf},
                {"1/-0", kInf},
                {"1/(1-1)", kInf},
                {"1E300*1E300", kInf},
                {"-1E300*1E300", -kInf},
                {"EXP(1000)", kInf}});
  ExpressionEvaluator evaluator;
  for (const std::string_view text : {"ACOS(2)", "(-8)^(1/3)", "0*(1/0)", "TAN(1/0)"}) {
    EXPECT_TRUE(std::isnan(evaluator.Evaluate(text))) << text;
    EXPECT_EQ(evaluator.Error(), ExpressionError::None) << text;
  }
}

TEST(ExpressionEvaluator, ReportsSyntaxErrorsAsZero) {
  struct Case {
    std::string_view text;
    ExpressionError error;
    std::string_view message;
  };
  constexpr auto kToken = ExpressionError::UnresolvedToken;
  constexpr auto kOperation = ExpressionError::UnresolvedOperation;
  const Case cases[] = {
      {"", kToken, "Unresolved token."},
      {"   ", kToken, "Unresolved token."},
      {"2+", kToken, "Unresolved token."},
      {"AB", kToken, "Unresolved token."},
      {".", kToken, "Unresolved token."},
      {"--2", kToken, "Unresolved token."},
      {"+2", kToken, "Unresolved token."},
      {"2*)", kToken, "Unresolved token."},
      {"SIN 2", kToken, "Unresolved token."},
      {"SIN", kToken, "Unresolved token."},
      {"1E400", kToken, "Unresolved token."},
      {"\t1", kToken, "Unresolved token."},
      {"()", kToken, "Unresolved token."},
      {"2 3", kOperation, "Unresolved operation."},
      {"2PI", kOperation, "Unresolved operation."},
      {"2(3)", kOperation, "Unresolved operation."},
      {"2:3", kOperation, "Unresolved operation."},
      {"2)", kOperation, "Unresolved operation."},
      {"(2+3", kOperation, "Unresolved operation."},
      {"SIN(1", kOperation, "Unresolved operation."},
      {"2$", kOperation, "Unresolved operation."},
      {"1E1000", kOperation, "Unresolved operation."},
      {"1,5", kOperation, "Unresolved operation."},
      {std::string_view("2\0", 2), kOperation, "Unresolved operation."},
  };
  ExpressionEvaluator evaluator;
  for (const Case& c : cases) {
    EXPECT_EQ(evaluator.Evaluate(c.text), 0.0) << c.text;
    EXPECT_EQ(evaluator.Error(), c.error) << c.text;
    EXPECT_EQ(evaluator.ErrorText(), c.message) << c.text;
    // The next evaluation starts with no error.
    EXPECT_EQ(evaluator.Evaluate("2"), 2.0) << c.text;
    EXPECT_EQ(evaluator.Error(), ExpressionError::None) << c.text;
    EXPECT_EQ(evaluator.ErrorText(), "Parser error.") << c.text;
  }
}

// n levels of 1+(1+(...)) or ((...(1)...)).
std::string NestedSums(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += "1+(";
  return text + "1" + std::string(static_cast<std::size_t>(n), ')');
}
std::string NestedParentheses(int n) {
  const auto count = static_cast<std::size_t>(n);
  return std::string(count, '(') + "1" + std::string(count, ')');
}

TEST(ExpressionEvaluator, OverflowsItsStackOnDeepNesting) {
  ExpressionEvaluator evaluator;
  EXPECT_EQ(evaluator.Evaluate(NestedSums(12)), 13.0);
  EXPECT_EQ(evaluator.Error(), ExpressionError::None);
  EXPECT_EQ(evaluator.Evaluate(NestedSums(13)), 0.0);
  EXPECT_EQ(evaluator.Error(), ExpressionError::StackOverflow);
  EXPECT_EQ(evaluator.ErrorText(), "Stack overflow.");

  EXPECT_EQ(evaluator.Evaluate(NestedParentheses(37)), 1.0);
  EXPECT_EQ(evaluator.Error(), ExpressionError::None);
  EXPECT_EQ(evaluator.Evaluate(NestedParentheses(38)), 0.0);
  EXPECT_EQ(evaluator.Error(), ExpressionError::StackOverflow);

  // Opening parentheses alone fill the stack before the text ends.
  EXPECT_EQ(evaluator.Evaluate(std::string(79, '(')), 0.0);
  EXPECT_EQ(evaluator.Error(), ExpressionError::StackOverflow);
}

// Regression: a text longer than the 79-character working copy must not overrun it, and
// must not be cut either, which would read 80 nines as a number ten times too small.
TEST(ExpressionEvaluator, RefusesTextsLongerThan79Characters) {
  ExpressionEvaluator evaluator;
  EXPECT_EQ(evaluator.Evaluate(std::string(78, ' ') + "7"), 7.0);
  EXPECT_EQ(evaluator.Evaluate(std::string(79, '9')), 1e79 - 1);
  EXPECT_EQ(evaluator.Error(), ExpressionError::None);
  for (const std::size_t length : {80u, 200u, 100000u}) {
    EXPECT_EQ(evaluator.Evaluate(std::string(length, '9')), 0.0) << length;
    EXPECT_EQ(evaluator.Error(), ExpressionError::TextTooLong) << length;
    EXPECT_EQ(evaluator.ErrorText(), "Parser error.") << length;
  }
  EXPECT_EQ(evaluator.Evaluate(std::string(77, ' ') + "1+1"), 0.0);
  EXPECT_EQ(evaluator.Error(), ExpressionError::TextTooLong);
}

TEST(ExpressionEvaluator, StartsWithVariablesAtZero) {
  ExpressionEvaluator evaluator;
  evaluator.ClearVariables();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string text(1, letter);
    EXPECT_EQ(evaluator.Evaluate(text), 0.0) << text;
    EXPECT_EQ(evaluator.Error(), ExpressionError::None) << text;
  }
}

}  // namespace
}  // namespace hygrovia
