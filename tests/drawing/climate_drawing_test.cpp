#include "drawing/climate_drawing.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "climate/climate_layer.h"
#include "drawing/chart_drawing.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

using testing::PrimitiveKind;
using testing::RecordedPrimitive;
using testing::TestChart;

constexpr Colour kZoneLine = Rgb(0, 128, 0);

// A year of 8760 hours spread from -10 to 35 °C with the dew point 2 to 12 °C below.
WeatherYear SpreadYear() {
  WeatherYear year;
  year.location = {"Testville, TS", 40.5, -3.25, 1.0, 650.0};
  for (int n = 0; n < 8760; ++n) {
    const float t = -10.0f + static_cast<float>(n % 451) * 0.1f;
    year.hours.push_back({static_cast<std::uint8_t>(1 + n / 730), 1,
                          static_cast<std::uint8_t>(n % 24), t,
                          t - 2.0f - static_cast<float>(n % 11), 50.0f, 100000.0f});
  }
  year.rows = 8760;
  return year;
}

std::vector<RecordedPrimitive> Fills(const TestChart& chart) {
  return chart.canvas.OfKind(PrimitiveKind::kFillRect);
}

// Everything the layer draws lies within the chart's frame and comes before the chart's own
// lines, in the copy mix mode, so the XOR marks drawn later still erase themselves.
void ExpectUnderTheLinesAndInTheFrame(const TestChart& chart) {
  const auto& all = chart.canvas.Primitives();
  const auto firstBlue = std::find_if(all.begin(), all.end(), [](const RecordedPrimitive& p) {
    return p.kind == PrimitiveKind::kLine && p.pen_colour == kBlue;
  });
  const PointF topLeft = chart.surface.WorldToDevice(chart.surface.MinX, chart.surface.MaxY);
  const PointF bottomRight = chart.surface.WorldToDevice(chart.surface.MaxX, chart.surface.MinY);
  for (auto p = all.begin(); p != all.end(); ++p) {
    if (p->kind != PrimitiveKind::kFillRect && p->pen_colour != kZoneLine) continue;
    EXPECT_LT(p - all.begin(), firstBlue - all.begin());
    EXPECT_EQ(p->mix_mode, kMixCopy);
    if (p->kind != PrimitiveKind::kFillRect) continue;
    EXPECT_GE(p->x1, static_cast<int>(topLeft.x) - 1);
    EXPECT_LE(p->x2, static_cast<int>(bottomRight.x) + 1);
    EXPECT_GE(p->y1, static_cast<int>(topLeft.y) - 1);
    EXPECT_LE(p->y2, static_cast<int>(bottomRight.y) + 1);
  }
}

TEST(ClimateDrawing, EmptyLayerDrawsNothingOfItsOwn) {
  TestChart chart;
  DrawChart(chart.settings, chart.status);
  EXPECT_TRUE(Fills(chart).empty());
  EXPECT_EQ(chart.canvas.CountLines(kZoneLine), 0);
}

TEST(ClimateDrawing, DrawsTheHoursTheZonesAndTheTitleUnderTheLines) {
  struct Case {
    const char* what;
    HoursDisplay display;
    bool weather;
    bool comfort;
    HourFilter filter;
  };
  const Case cases[] = {
      {"density", HoursDisplay::Density, true, false, {}},
      {"dots", HoursDisplay::Dots, true, false, {}},
      {"zones only", HoursDisplay::Density, false, true, {}},
      {"summer afternoons with zones", HoursDisplay::Density, true, true, {6, 8, 12, 18}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestChart chart;
    ClimateLayer& layer = chart.settings.Climate;
    if (c.weather) layer.SetWeather(SpreadYear(), "test.epw");
    layer.SetDisplay(c.display);
    layer.SetFilter(c.filter);
    layer.SetShowComfort(c.comfort);
    DrawChart(chart.settings, chart.status);
    ExpectUnderTheLinesAndInTheFrame(chart);
    const AirState& air = chart.cursor;
    const auto& points = layer.Points(air);
    // The hours and cells within the default frame, 0 to 50 °C and 0 to 35 g/kg.
    const auto inFrame = std::count_if(points.begin(), points.end(), [](ChartPoint p) {
      return p.X >= 0.0f && p.X <= 50.0f && p.Y >= 0.0f && p.Y <= 35.0f;
    });
    int cellsInFrame = 0;
    layer.Bins(air).ForEachCell([&](float left, float bottom, int) {
      if (left + 1.0f > 0.0f && left < 50.0f && bottom < 35.0f) ++cellsInFrame;
    });
    const auto fills = Fills(chart);
    const auto fillsOf = [&](Colour colour) {
      return std::count_if(fills.begin(), fills.end(),
                           [&](const RecordedPrimitive& p) { return p.brush_colour == colour; });
    };
    const int zoneSpans = static_cast<int>(fillsOf(Rgb(214, 240, 214)));
    if (c.display == HoursDisplay::Dots && c.weather) {
      EXPECT_EQ(fillsOf(Rgb(150, 50, 20)), inFrame);
    } else if (c.weather) {
      // The cells, and the colour scale's boxes; a cell the saturation curve cuts is filled a
      // pixel row at a time.
      EXPECT_GE(static_cast<int>(fills.size()) - zoneSpans, cellsInFrame + kHourShades);
    }
    EXPECT_EQ(zoneSpans > 100, c.comfort);
    EXPECT_EQ(chart.canvas.CountLines(kZoneLine) > 20, c.comfort);
    const std::vector<std::string> texts = chart.canvas.TextStrings();
    const bool titled =
        std::find(texts.begin(), texts.end(),
                  "Weather: Testville, TS, 40.50\xC2\xB0N 3.25\xC2\xB0W, 650 m") != texts.end();
    EXPECT_EQ(titled, c.weather);
  }
}

TEST(ClimateDrawing, MarksTheDesignConditionsAndDrawsTheMonthsAdaptiveBand) {
  for (const bool shown : {false, true}) {
    TestChart chart;
    ClimateLayer& layer = chart.settings.Climate;
    layer.SetWeather(SpreadYear(), "test.epw");
    layer.SetShowDesign(shown);
    layer.SetAdaptiveMonth(shown ? 7 : 0);
    DrawChart(chart.settings, chart.status);
    ExpectUnderTheLinesAndInTheFrame(chart);
    const auto fills = Fills(chart);
    const bool banded = std::any_of(fills.begin(), fills.end(), [](const RecordedPrimitive& p) {
      return p.brush_colour == Rgb(196, 214, 246);
    });
    EXPECT_EQ(banded, shown);
    const std::vector<std::string> texts = chart.canvas.TextStrings();
    // The warmest marks lie inside the default frame, the coldest (-10 °C) outside it.
    for (const char* mark : {" C0.4", " D2"}) {
      EXPECT_EQ(std::find(texts.begin(), texts.end(), mark) != texts.end(), shown) << mark;
    }
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "H99.6"), texts.end());
  }
}

// The derived hours are kept between drawings; a regression test that they follow the
// chart's pressure and filter rather than stay as first worked out.
TEST(ClimateLayer, FollowsThePressureAndTheFilterOfTheChart) {
  TestChart chart;
  ClimateLayer& layer = chart.settings.Climate;
  layer.SetWeather(SpreadYear(), "test.epw");
  const float atSeaLevel = layer.Points(chart.cursor)[100].Y;
  const int cell = layer.Bins(chart.cursor).CountAt(20.5f, 8.5f);
  EXPECT_GT(cell, 0);
  EXPECT_EQ(layer.CellText(chart.cursor, 20.5f, 8.5f), " | " + std::to_string(cell) + " h in cell");
  chart.settings.SetPressure(80.0f);
  EXPECT_GT(layer.Points(chart.cursor)[100].Y, atSeaLevel * 1.2f);
  layer.SetFilter({13, 0, -5, 30});
  EXPECT_EQ(layer.Filter().firstMonth, 12);
  EXPECT_EQ(layer.Filter().lastMonth, 1);
  EXPECT_EQ(layer.Filter().firstHour, 0);
  EXPECT_EQ(layer.Filter().lastHour, 24);
  EXPECT_EQ(layer.Points(chart.cursor).size(), 1460u);
  EXPECT_EQ(layer.TitleLines(chart.cursor, "0 m")[1], "test.epw, Dec-Jan: 1460 of 1460 hours");
  layer.ClearWeather();
  EXPECT_TRUE(layer.IsEmpty());
  EXPECT_EQ(layer.CellText(chart.cursor, 20.5f, 8.5f), "");
}

TEST(ClimateDrawing, ShadesGrowDarkerWithTheHours) {
  EXPECT_EQ(HourShade(1, 100), Rgb(250, 232, 190));
  EXPECT_EQ(HourShade(100, 100), Rgb(150, 70, 20));
  EXPECT_EQ(HourShade(0, 0), Rgb(250, 232, 190));
  for (int c = 1; c < 100; ++c) EXPECT_GE(RedOf(HourShade(c, 100)), RedOf(HourShade(c + 1, 100)));
}

}  // namespace
}  // namespace hygrovia
