#include "base/number_text.h"

#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "support/comma_locale.h"

namespace hygrovia {
namespace {

TEST(NumberText, FormatsWithFullStopInCommaLocale) {
  testing::CommaLocale comma;
  ASSERT_TRUE(comma.active()) << "the set-up script generates de_DE.UTF-8";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%0.1f", 1.5);
  ASSERT_EQ(std::string(probe), "1,5") << "the locale must really write commas";

  EXPECT_EQ(FormatText("%0.3f", 101.365), "101.365");
  EXPECT_EQ(FormatText("%0.2f %0.2f %0.2f %0.2f", 1.0, -2.5, 3.126, 4.0), "1.00 -2.50 3.13 4.00");
  EXPECT_EQ(FormatText("%d %d", 456, 300), "456 300");
  EXPECT_EQ(FormatText("Dry Bulb %0.1f°C", 25.0), "Dry Bulb 25.0°C");
}

TEST(NumberText, ParsesLikeScanfInCommaLocale) {
  testing::CommaLocale comma;
  struct Case {
    const char* text;
    double value;
    std::size_t length;
  };
  const Case cases[] = {
      {"101.365", 101.365, 7},  {"  -3.5e2x", -350.0, 8}, {"+7", 7.0, 2},
      {"\t\r\n12.", 12.0, 6},   {"1,5", 1.0, 1},          {"1e999", HUGE_VAL, 5},
      {"-1e999", -HUGE_VAL, 6}, {"1e-999", 0.0, 6},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseNumber(c.text);
    ASSERT_TRUE(parsed.has_value()) << c.text;
    EXPECT_EQ(parsed->value, c.value) << c.text;
    EXPECT_EQ(parsed->length, c.length) << c.text;
  }
  EXPECT_TRUE(std::isnan(ParseNumber("nan")->value));
  EXPECT_TRUE(std::isinf(ParseNumber("inf")->value));
}

TEST(NumberText, RefusesTextsWithoutNumber) {
  for (const char* text : {"", "   ", "abc", "+-1", "-", ".", "e5"}) {
    EXPECT_FALSE(ParseNumber(text).has_value()) << text;
    EXPECT_EQ(DecimalValue(text), 0.0) << text;
  }
  EXPECT_EQ(DecimalValue("42abc"), 42.0);
}

}  // namespace
}  // namespace hygrovia
