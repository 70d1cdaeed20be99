#include "drawing/weather_captions.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "data/epw_reader.h"
#include "drawing/chart_drawing.h"
#include "psychro/air_state.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

using testing::PrimitiveKind;
using testing::RecordedPrimitive;
using testing::TestChart;

TEST(WeatherCaptions, ChicagoHoursOutsideTheRangesAreCountedAndWidenedFor) {
  TestChart chart;
  Result<WeatherYear> read =
      ReadWeatherFile(std::filesystem::path(HYGROVIA_TEST_DATA_DIR) / "chicago-ohare-tmy3.epw");
  ASSERT_TRUE(read.Ok()) << read.Message();
  chart.settings.Climate.SetWeather(std::move(read).Value(), "chicago-ohare-tmy3.epw");
  const HoursOutside outside = CountHoursOutside(chart.settings);
  EXPECT_EQ(outside.total, 8760);
  EXPECT_EQ(outside.Count(), outside.belowTemp);
  EXPECT_EQ(HoursOutsideCaption(chart.settings),
            "1,788 hours below 0 \xC2\xB0"
            "C are not shown");
  ASSERT_TRUE(WorthWidening(outside));
  WidenRanges(chart.settings, outside);
  EXPECT_EQ(CountHoursOutside(chart.settings).Count(), 0);
  EXPECT_EQ(HoursOutsideCaption(chart.settings), "");
}

// Density cells stop at the saturation curve: no filled pixel row stands above it.
TEST(WeatherCaptions, NoWeatherCellReachesAboveSaturation) {
  TestChart chart;
  WeatherYear year;
  year.location = {"Wet, TS", 40.5, -3.25, 1.0, 0.0};
  for (int n = 0; n < 2000; ++n) {
    const float t = 5.0f + static_cast<float>(n % 150) * 0.1f;
    year.hours.push_back({1, 1, static_cast<std::uint8_t>(n % 24), t, t - 0.01f, 99.0f, 101325.0f});
  }
  year.rows = 2000;
  chart.settings.Climate.SetWeather(std::move(year), "wet.epw");
  DrawChart(chart.settings, chart.status);
  const AirState& air = chart.cursor;
  int fills = 0;
  for (const RecordedPrimitive& p : chart.canvas.OfKind(PrimitiveKind::kFillRect)) {
    const PointF left = chart.surface.DeviceToWorld(p.x1, p.y1);
    const PointF right = chart.surface.DeviceToWorld(p.x2, p.y1);
    // The cells lie below 15 g/kg, the title's rows and colour scale far above them.
    if (left.x < 5.0f || right.x > 20.0f || left.y > 20.0f) continue;
    ++fills;
    // A pixel of slack for the truncation to whole pixels.
    const float pixel = 1.0f / chart.surface.ScaleY;
    EXPECT_LE(left.y, air.SaturationHumidity(right.x) + 2.0f * pixel) << p.x1 << ", " << p.y1;
  }
  EXPECT_GT(fills, 20);
}

}  // namespace
}  // namespace hygrovia
