#include "expr/number_field.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/comma_locale.h"

namespace hygrovia {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(NumberField, ReadsExpressionsAsFloats) {
  testing::CommaLocale comma;
  ASSERT_TRUE(comma.active()) << "the set-up script generates de_DE.UTF-8";
  struct Case {
    std::string text;
    float value;
  };
  const Case cases[] = {
      {"101.325", 101.325f},   {"25*1.8+32", 77.0f}, {"", 0.0f},
      {"abc", 0.0f},           {"1,5", 0.0f},        {"1/0", kInf},
      {"-1E300*1E300", -kInf}, {"1E39", kInf},       {"-1E39", -kInf},
      {"3.4E38", 3.4e38f},     {"1E-50", 0.0f},      {std::string(80, '1'), 0.0f},
  };
  ExpressionEvaluator evaluator;
  for (const Case& c : cases) EXPECT_EQ(ReadNumber(evaluator, c.text), c.value) << c.text;
}

// Regression: a NaN from an unguarded function reached the pressure and the ranges and
// broke the chart; a field now reads it as 0, like an expression that cannot be evaluated.
TEST(NumberField, ReadsNotANumberAsZero) {
  ExpressionEvaluator evaluator;
  for (const char* text : {"ACOS(2)", "ASIN(-3)", "(-8)^(1/3)", "0*(1/0)", "SIN(1/0)"}) {
    EXPECT_EQ(ReadNumber(evaluator, text), 0.0f) << text;
  }
}

TEST(NumberField, WritesWithFullStopInCommaLocale) {
  testing::CommaLocale comma;
  ASSERT_TRUE(comma.active()) << "the set-up script generates de_DE.UTF-8";
  struct Case {
    const char* format;
    float value;
    std::string text;
  };
  const Case cases[] = {
      {"%0.1f", 49.96f, "50.0"},
      {"%0.2f", -0.004f, "-0.00"},
      {"%0.3f", 101.325f, "101.325"},
      {"%0.2f", 1.5f, "1.50"},
      {"%0.1f", -40.0f, "-40.0"},
      {"%0.3f", std::numeric_limits<float>::max(), "340282346638528859811704183484516925440.000"},
  };
  for (const Case& c : cases) EXPECT_EQ(WriteNumber(c.format, c.value), c.text) << c.text;
  EXPECT_EQ(WriteNumber("%0.90f", 1.0f).size(), 79u);
}

TEST(NumberField, ReadsBackWhatItWroteRoundedToTheDecimals) {
  testing::CommaLocale comma;
  ExpressionEvaluator evaluator;
  struct Format {
    const char* format;
    double scale;
  };
  const Format formats[] = {{"%0.1f", 10.0}, {"%0.2f", 100.0}, {"%0.3f", 1000.0}};
  for (const Format& f : formats) {
    for (const float value : {0.0f, 1.23456f, -17.555f, 101.365f, 49.96f, -0.004f, 3.0e8f}) {
      const float expected = static_cast<float>(std::round(value * f.scale) / f.scale);
      const std::string text = WriteNumber(f.format, value);
      EXPECT_FLOAT_EQ(ReadNumber(evaluator, text), expected) << f.format << " " << text;
    }
  }
}

// The dialogs refuse what ReadNumber would turn into 0 or an infinity, with the reason.
TEST(NumberField, CheckedReadingsGiveAFiniteValueOrTheReason) {
  struct Case {
    std::string text;
    std::optional<float> value;
    std::string error;
    std::string preview;
  };
  const std::string notFinite(kNotFiniteText);
  const Case cases[] = {
      {"101.325", 101.325f, "", ""},
      {" 42 ", 42.0f, "", ""},
      {"25*1.8+32", 77.0f, "", "= 77.00"},
      {"-0", -0.0f, "", ""},
      {"1E-50", 0.0f, "", ""},
      {"PI", 3.14159274f, "", "= 3.14"},
      {"", std::nullopt, "Unresolved token.", "Unresolved token."},
      {"abc", std::nullopt, "Unresolved token.", "Unresolved token."},
      {"1/0", std::nullopt, notFinite, notFinite},
      {"ACOS(2)", std::nullopt, notFinite, notFinite},
      {"1E39", std::nullopt, notFinite, notFinite},
      {"-1E300*1E300", std::nullopt, notFinite, notFinite},
      {std::string(80, '1'), std::nullopt, "Parser error.", "Parser error."},
  };
  ExpressionEvaluator evaluator;
  for (const Case& c : cases) {
    const Result<float> reading = ReadCheckedNumber(evaluator, c.text);
    EXPECT_EQ(reading ? std::optional<float>(*reading) : std::nullopt, c.value) << c.text;
    EXPECT_EQ(reading.Message(), c.error) << c.text;
    EXPECT_EQ(ValuePreview(c.text, reading, "%0.2f"), c.preview) << c.text;
    // The plain reading of the same text is unchanged: 0 or an infinity where this refuses.
    if (!c.value) {
      const float plain = ReadNumber(evaluator, c.text);
      EXPECT_TRUE(plain == 0.0f || std::isinf(plain)) << c.text;
    }
  }
}

}  // namespace
}  // namespace hygrovia
