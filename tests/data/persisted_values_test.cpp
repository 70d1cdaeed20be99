#include "data/persisted_values.h"

#include <string>

#include <gtest/gtest.h>

#include "model/chart_settings.h"
#include "base/number_text.h"
#include "psychro/air_state.h"
#include "support/comma_locale.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

using testing::TestChart;
TEST(PersistedValuesTest, ReadsWindowSizesOrFallsBack) {
  struct Case {
    const char* text;
    int width;
    int height;
  };
  const Case cases[] = {
      {"600 500", 600, 500},
      {"  +600\t500 and more", 600, 500},
      {"1 16384", 1, 16384},
      {"", 456, 456},
      {"600", 456, 456},
      {"wide tall", 456, 456},
      {"600 0", 456, 456},
      {"-600 500", 456, 456},
      {"600 16385", 456, 456},
      {"99999999999999999999 500", 456, 456},
      {"600.5 500", 456, 456},
      {"6e2 500", 456, 456},
      {"600,500", 456, 456},
      {"nan 500", 456, 456},
      // "%d" stops at the first character that is no digit: the height is whole.
      {"600 500.7", 600, 500},
      {"600 5e2", 600, 5},
      {"600 500.", 600, 500},
  };
  for (const Case& c : cases) {
    const WindowSize size = WindowSizeFromText(c.text);
    EXPECT_EQ(size.Width, c.width) << c.text;
    EXPECT_EQ(size.Height, c.height) << c.text;
  }
  EXPECT_EQ(WindowSizeText(WindowSizeFromText(kDefaultSizeText)), kDefaultSizeText);
  EXPECT_EQ(WindowSizeText({600, 500}), "600 500");
}

TEST(PersistedValuesTest, ReadsSetupOnlyFromFourFiniteNumbers) {
  const auto read = SetupFromText(" 21.46 8.13\t-3.50 2.00");
  ASSERT_TRUE(read.has_value());
  EXPECT_FLOAT_EQ(read->Cursor.X, 21.46f);
  EXPECT_FLOAT_EQ(read->Cursor.Y, 8.13f);
  EXPECT_FLOAT_EQ(read->Arrow.X, -3.5f);
  EXPECT_FLOAT_EQ(read->Arrow.Y, 2.0f);
  for (const char* text : {"", "1 2 3", "nan 1 2 3", "1 2 3 inf", "1e39 1 2 3", "1,5 2 3 4"}) {
    EXPECT_FALSE(SetupFromText(text).has_value()) << text;
  }
}

// The text closing writes brings cursor and arrow back where they were, in any locale.
TEST(PersistedValuesTest, SetupSurvivesARunWithDecimalCommas) {
  std::string text;
  {
    testing::CommaLocale comma;
    ASSERT_TRUE(comma.active()) << "the set-up script generates de_DE.UTF-8";
    TestChart closing;
    closing.settings.CursorState().SetFromHumidity(21.456, 8.126);
    closing.settings.Arrow = {12.0f, 4.5f};
    text = SetupText(closing.settings);
  }
  EXPECT_EQ(text, "21.46 8.13 12.00 4.50");

  TestChart starting;
  const auto positions = SetupFromText(text);
  ASSERT_TRUE(positions.has_value());
  ApplySetup(starting.settings, *positions);
  EXPECT_FLOAT_EQ(starting.settings.Cursor.X, 21.46f);
  EXPECT_FLOAT_EQ(starting.settings.Cursor.Y, 8.13f);
  EXPECT_FLOAT_EQ(starting.settings.Arrow.X, 12.0f);
  EXPECT_FLOAT_EQ(starting.settings.Arrow.Y, 4.5f);
}

// Regression: the arrow's air state is computed only while the arrow is shown, so a run that
// never showed it stored "0.00 0.00"-like values and the next start moved the arrow there.
TEST(PersistedValuesTest, SetupHoldsTheArrowWhereTheUserLeftIt) {
  struct Case {
    ChartPoint arrow;
    const char* stored;
  };
  AirState state;
  state.ResetState();
  const std::string saturated = FormatText("20.00 %0.2f", state.SaturationHumidity(20.0));
  const Case cases[] = {
      {{20.0f, 7.34f}, "20.00 7.34"},
      {{12.0f, 4.5f}, "12.00 4.50"},
      {{80.0f, 5.0f}, "50.00 5.00"},
      {{20.0f, 40.0f}, saturated.c_str()},
  };
  for (const Case& c : cases) {
    TestChart chart;
    chart.settings.CursorState().SetFromHumidity(25.0, 10.0);
    chart.settings.Arrow = c.arrow;
    EXPECT_EQ(SetupText(chart.settings), "25.00 10.00 " + std::string(c.stored)) << c.stored;
  }
}

TEST(PersistedValuesTest, RestoredPositionsStayOnTheChart) {
  TestChart chart;
  ApplySetup(chart.settings, {{60.0f, 50.0f}, {20.0f, 40.0f}});
  EXPECT_FLOAT_EQ(chart.settings.Cursor.X, 50.0f);
  EXPECT_FLOAT_EQ(chart.settings.Cursor.Y, 35.0f);
  AirState state;
  state.ResetState();
  EXPECT_FLOAT_EQ(chart.settings.Arrow.X, 20.0f);
  EXPECT_NEAR(chart.settings.Arrow.Y, state.SaturationHumidity(20.0), 1e-4)
      << "above saturation the arrow lands on the curve";
}

}  // namespace
}  // namespace hygrovia
