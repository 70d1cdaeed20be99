#include "model/chart_settings.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "psychro/air_state.h"
#include "support/test_chart.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

using testing::TestChart;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Saturation moisture at the default pressure, g/kg.
double Saturation(double t) {
  AirState state;
  state.ResetState();
  return state.SaturationHumidity(t);
}

TEST(ChartSettingsTest, StartsWithTheDefaultChart) {
  TestChart chart;
  const ChartSettings& s = chart.settings;
  struct Case {
    const char* name;
    double actual;
    double expected;
  };
  const std::vector<Case> values = {
      {"TempMin", s.TempMin, 0.0},
      {"TempMax", s.TempMax, 50.0},
      {"HumidityMin", s.HumidityMin, 0.0},
      {"HumidityMax", s.HumidityMax, 35.0},
      {"TempSnap", s.TempSnap, 0.1f},
      {"HumiditySnap", s.HumiditySnap, 0.1f},
      {"LabelSlope", s.LabelSlope, 0.64f},
      {"cursor pressure", s.GetPressure(), 101.365},
      {"arrow pressure", chart.arrow.Pressure, 101.365},
      {"cursor dry bulb", chart.cursor.DryBulb, 25.0},
      {"arrow relative humidity", chart.arrow.RelHumidity, 60.0},
      {"Cursor.X", s.Cursor.X, 25.0},
      {"Cursor.Y", s.Cursor.Y, 10.031f},
      {"Arrow.X", s.Arrow.X, 20.0},
      {"Arrow.Y", s.Arrow.Y, 7.34f},
  };
  for (const Case& c : values) EXPECT_DOUBLE_EQ(c.actual, c.expected) << c.name;
  struct Flag {
    const char* name;
    std::int32_t actual;
    std::int32_t expected;
  };
  const std::vector<Flag> flags = {
      {"Highlight", s.GetHighlight(), 0},
      {"RequestedHighlight", s.RequestedHighlight, 0},
      {"RelativeCursor", s.IsRelativeCursor() ? 1 : 0, 0},
      {"VerticalAxisUnits", s.GetVerticalAxisUnits(), VerticalAxisUnits::RelativeHumidity},
      {"ShowEnthalpyLines", s.ShowEnthalpyLines, 0},
      {"ShowVapourPressureScale", s.ShowVapourPressureScale, 0},
      {"DragTarget", s.DragTarget, DragTarget::None},
      {"TableLineCount", s.TableLineCount, 0},
      {"Nodes.Count", s.Nodes.Count, 0},
      {"Nodes.Selected", s.Nodes.Selected, -1},
  };
  for (const Flag& f : flags) EXPECT_EQ(f.actual, f.expected) << f.name;
}

TEST(ChartSettingsTest, SetRangesClampsOnlyTheTopTemperatureAndTheBottomMoisture) {
  struct Case {
    float in[4];  // tMin, hMin, tMax, hMax
    float stored[4];
    float surface[4];  // MinX, MaxX, MinY, MaxY
  };
  const std::vector<Case> cases = {
      {{0, -5, 150, 40}, {0, 0, 100, 40}, {0, 100, 0, 40}},
      {{10, 5, 40, 25}, {10, 5, 40, 25}, {10, 40, 5, 25}},
      // An inverted range is stored as it is; the surface turns it round.
      {{30, 20, 10, 5}, {30, 20, 10, 5}, {10, 30, 5, 20}},
      // Equal ends leave the surface's previous range on that axis.
      {{20, 10, 20, 10}, {20, 10, 20, 10}, {0, 50, 0, 35}},
      // Regression: ends were held within ±100 °C and ±1000 g/kg.
      {{-150, 0, 50, 2000}, {-150, 0, 50, 2000}, {-150, 50, 0, 2000}},
      // Infinities the two clamps do not catch keep the previous ends.
      {{-kInf, -kInf, kInf, kInf}, {0, 0, 100, 35}, {0, 100, 0, 35}},
  };
  for (const Case& c : cases) {
    TestChart chart;
    chart.settings.SetRanges(c.in[0], c.in[1], c.in[2], c.in[3]);
    float stored[4];
    chart.settings.GetRanges(stored[0], stored[1], stored[2], stored[3]);
    const DrawingSurface& surface = chart.surface;
    const float applied[4] = {surface.MinX, surface.MaxX, surface.MinY, surface.MaxY};
    for (int i = 0; i < 4; ++i) {
      EXPECT_FLOAT_EQ(stored[i], c.stored[i]) << "end " << i << " of case " << c.in[0];
      EXPECT_FLOAT_EQ(applied[i], c.surface[i]) << "surface end " << i << " of case " << c.in[0];
    }
  }
}

TEST(ChartSettingsTest, ApplyToSurfaceFitsTheChartAndDropsZoomAndPan) {
  TestChart chart;
  // A surface as it comes, which no chart was applied to yet, zoomed and panned.
  DrawingSurface& surface = chart.surface;
  surface = DrawingSurface{};
  surface.Attach(&chart.canvas, &chart.control);
  surface.ZoomAboutCentre(3.0f);
  surface.DragPan(0, 0, false);
  surface.DragPan(70, -40, true);
  chart.settings.TempSnap = 0.5f;
  chart.settings.ApplyToSurface();
  EXPECT_FLOAT_EQ(surface.GridStepX, 5.0f);
  EXPECT_FLOAT_EQ(surface.GridStepY, 5.0f);
  EXPECT_FLOAT_EQ(surface.SnapX, 0.5f);
  EXPECT_FLOAT_EQ(surface.SnapY, 0.1f);
  EXPECT_FLOAT_EQ(surface.MarginLeft, 0.5f);
  EXPECT_FLOAT_EQ(surface.MarginRight, 1.1f);
  EXPECT_FLOAT_EQ(surface.MarginTop, 0.5f);
  EXPECT_FLOAT_EQ(surface.MarginBottom, 1.1f);
  // The whole chart lies inside the window, filling most of it.
  const PointF lowLeft = surface.WorldToDevice(0.0f, 0.0f);
  const PointF topRight = surface.WorldToDevice(50.0f, 35.0f);
  constexpr auto kWidth = static_cast<float>(TestChart::kWidth);
  constexpr auto kHeight = static_cast<float>(TestChart::kHeight);
  EXPECT_GE(lowLeft.x, 0.0f);
  EXPECT_LE(topRight.x, kWidth);
  EXPECT_GE(topRight.y, 0.0f);
  EXPECT_LE(lowLeft.y, kHeight);
  EXPECT_GT(topRight.x - lowLeft.x, 0.85f * kWidth);
  EXPECT_GT(lowLeft.y - topRight.y, 0.85f * kHeight);
}

TEST(ChartSettingsTest, SetPressureHoldsTheBandWithItsThresholds) {
  struct Case {
    float in;
    float stored;
    bool ok;
  };
  const std::vector<Case> cases = {
      {200.0f, 131.365f, false},    {51.3645f, 51.3645f, true}, {10.0f, 51.365f, false},
      {131.3655f, 131.3655f, true}, {101.325f, 101.325f, true}, {51.365f, 51.365f, true},
      {131.367f, 131.365f, false},  {-kInf, 51.365f, false},    {kInf, 131.365f, false},
  };
  for (const Case& c : cases) {
    TestChart chart;
    EXPECT_EQ(chart.settings.SetPressure(c.in), c.ok) << c.in;
    EXPECT_EQ(chart.settings.GetPressure(), static_cast<double>(c.stored)) << c.in;
    EXPECT_EQ(chart.arrow.Pressure, chart.cursor.Pressure) << c.in;
  }
}

TEST(ChartSettingsTest, PointInUnitsAndBackGiveThePointAgain) {
  struct Case {
    std::int32_t units;
    ChartPoint point;
    float inUnits;  // vertical value expected in the unit
    float tolerance;
  };
  const std::vector<Case> cases = {
      {VerticalAxisUnits::VapourPressure, {25.0f, 10.0f}, 1.6f, 1e-6f},
      {VerticalAxisUnits::AbsoluteHumidity, {25.0f, 10.0f}, 10.0f, 0.0f},
      {VerticalAxisUnits::RelativeHumidity, {25.0f, 10.0f}, 49.84f, 0.01f},
      // Any other unit reads as relative humidity both ways, so a round trip is harmless.
      {7, {25.0f, 10.0f}, 49.84f, 0.01f},
  };
  for (const Case& c : cases) {
    for (std::int32_t which : {0, 1}) {
      TestChart chart;
      chart.settings.SetVerticalAxisUnits(c.units);
      (which != 0 ? chart.settings.Arrow : chart.settings.Cursor) = c.point;
      const ChartPoint shown = chart.settings.PointInUnits(which);
      EXPECT_EQ(shown.X, c.point.X);
      EXPECT_NEAR(shown.Y, c.inUnits, c.tolerance) << "units " << c.units;
      chart.settings.SetPointFromUnits(shown.X, shown.Y, which);
      const ChartPoint back = which != 0 ? chart.settings.Arrow : chart.settings.Cursor;
      EXPECT_EQ(back.X, c.point.X);
      EXPECT_NEAR(back.Y, c.point.Y, 1e-4f) << "units " << c.units << " which " << which;
    }
  }
}

TEST(ChartSettingsTest, UnitRoundTripHoldsOverTheChart) {
  for (std::int32_t units : {0, 1, 2}) {
    TestChart chart;
    chart.settings.SetVerticalAxisUnits(units);
    for (float t = 0.0f; t <= 50.0f; t += 5.0f) {
      for (float w = 0.5f; w < Saturation(t); w += 1.0f) {
        chart.settings.Cursor = {t, w};
        const ChartPoint shown = chart.settings.PointInUnits(0);
        chart.settings.SetPointFromUnits(shown.X, shown.Y, 0);
        EXPECT_NEAR(chart.settings.Cursor.Y, w, 1e-4f) << units << " at " << t << ", " << w;
      }
    }
  }
}

TEST(ChartSettingsTest, PointsAboveSaturationReadAsSaturated) {
  TestChart chart;
  chart.settings.Cursor = {20.0f, 30.0f};
  EXPECT_FLOAT_EQ(chart.settings.PointInUnits(0).Y, 100.0f);
  chart.settings.SetPointFromUnits(20.0f, 150.0f, 1);
  EXPECT_NEAR(chart.settings.Arrow.Y, Saturation(20.0), 1e-4);
}

TEST(ChartSettingsTest, ConstrainPointPullsPointsOntoTheChart) {
  struct Case {
    const char* name;
    float ranges[4];  // tMin, hMin, tMax, hMax
    ChartPoint in;
    std::int32_t units;
    ChartPoint out;
  };
  const float sat20 = static_cast<float>(Saturation(20.0));
  const float sat0 = static_cast<float>(Saturation(0.0));
  const std::vector<Case> cases = {
      {"hot and humid", {0, 0, 50, 35}, {60, 50}, 0, {50, 35}},
      {"above saturation", {0, 0, 50, 35}, {20, 120}, 0, {20, sat20}},
      {"left of the chart", {0, 0, 50, 35}, {-10, 5}, 1, {0, sat0}},
      {"vapour pressure", {0, 0, 50, 35}, {30, 2}, 2, {30, 12.5f}},
      {"any other unit is g/kg", {0, 0, 50, 35}, {30, 12.5f}, 9, {30, 12.5f}},
      {"negative moisture", {0, 0, 50, 35}, {25, -3}, 1, {25, 0}},
      {"no lower clamp to HumidityMin", {0, 5, 50, 35}, {25, 2}, 1, {25, 2}},
      {"inverted range gives TempMin", {40, 0, 10, 35}, {25, 5}, 1, {40, 5}},
      {"not a number reads as the low end", {0, 0, 50, 35}, {kNaN, kNaN}, 1, {0, 0}},
      {"infinities", {0, 0, 50, 35}, {kInf, kInf}, 1, {50, 35}},
  };
  for (const Case& c : cases) {
    TestChart chart;
    chart.settings.SetRanges(c.ranges[0], c.ranges[1], c.ranges[2], c.ranges[3]);
    ChartPoint p = c.in;
    chart.settings.ConstrainPoint(p, c.units);
    EXPECT_NEAR(p.X, c.out.X, 1e-4f) << c.name;
    EXPECT_NEAR(p.Y, c.out.Y, 1e-3f) << c.name;
  }
}

TEST(ChartSettingsTest, SetHighlightSwitchesFamiliesAndRedrawsOnlyWhenNeeded) {
  // One menu choice after another on the same chart; "draw" stands for a full drawing, which
  // takes the requested mode over.
  struct Step {
    std::int32_t mode;  // -1: a full drawing
    std::int32_t highlight;
    std::int32_t requested;
    std::int32_t enthalpy;
    std::int32_t vapourScale;
    int redraws;  // total so far
  };
  const std::vector<Step> steps = {
      {4, 0, 4, 0, 0, 0},                       // only requested; the menu redraws
      {-1, 4, 4, 0, 0, 0},                      // the drawing takes it over
      {4, 0, 0, 0, 0, 1},                       // the mode in force again: off, at once
      {7, 7, 7, 1, 0, 2},                       // enthalpy lines switched on
      {1, 7, 1, 1, 0, 2},                       // and they stay on
      {-1, 1, 1, 1, 0, 2}, {2, 2, 2, 0, 0, 3},  // wet bulb switches them off again
      {5, 5, 5, 0, 1, 4},                       // vapour pressure scale
      {5, 0, 0, 0, 1, 5},                       // off again, the scale stays
      {3, 3, 3, 0, 0, 6},                       // absolute humidity scale back
      {9, 3, 9, 0, 0, 6},  {-1, 9, 9, 0, 0, 6},
      {1, 1, 1, 0, 0, 7},  // leaving an overlay redraws at once
  };
  TestChart chart;
  ChartSettings& s = chart.settings;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    if (step.mode < 0) {
      s.Highlight = s.RequestedHighlight;
    } else {
      s.SetHighlight(step.mode);
    }
    EXPECT_EQ(s.GetHighlight(), step.highlight) << "step " << i;
    EXPECT_EQ(s.RequestedHighlight, step.requested) << "step " << i;
    EXPECT_EQ(s.ShowEnthalpyLines, step.enthalpy) << "step " << i;
    EXPECT_EQ(s.ShowVapourPressureScale, step.vapourScale) << "step " << i;
    EXPECT_EQ(chart.redraws, step.redraws) << "step " << i;
  }
}

TEST(ChartSettingsTest, DataTableHoldsTwentyEightLinesOfSeventyNineCharacters) {
  TestChart chart;
  ChartSettings& s = chart.settings;
  for (int i = 0; i < ChartSettings::kTableLineCapacity; ++i) {
    EXPECT_TRUE(s.AddTableLine(std::string(100, 'x')));
  }
  EXPECT_FALSE(s.AddTableLine("one too many"));
  EXPECT_EQ(s.TableLineCount, 28);
  for (const std::string& line : s.TableLines) EXPECT_EQ(line.size(), 79u);
  s.ClearTable();
  EXPECT_EQ(s.TableLineCount, 0);
  EXPECT_TRUE(s.TableLines[0].empty());
  // Regression: lines were cut at 79 bytes, which split a degree sign (two bytes in UTF-8).
  std::string degrees;
  for (int i = 0; i < 80; ++i) degrees += "\xC2\xB0";
  EXPECT_TRUE(s.AddTableLine(degrees));
  EXPECT_EQ(s.TableLines[0], degrees.substr(0, 2 * 79));
}

bool Finite(const ChartSettings& s) {
  for (float v : {s.TempMin, s.TempMax, s.HumidityMin, s.HumidityMax, s.Cursor.X, s.Cursor.Y,
                  s.Arrow.X, s.Arrow.Y}) {
    if (!std::isfinite(v)) return false;
  }
  return std::isfinite(s.GetPressure());
}

// Regression: ranges, pressure and points from dialogs, files and the command line stored
// NaN or infinities, and a range of 1e30 made every line-family loop run without end (the
// families' caps now bound those loops; see the drawing sweep).
TEST(ChartSettingsTest, BadInputNeverStoresNonFiniteOrUnboundedValues) {
  const std::vector<float> bad = {kNaN,    kInf,     -kInf,  1e30f, -1e30f,
                                  3.4e38f, -3.4e38f, 1e-30f, 0.0f,  -0.0f};
  TestChart chart;
  ChartSettings& s = chart.settings;
  for (int position = 0; position < 4; ++position) {
    for (float v : bad) {
      float ends[4] = {10.0f, 5.0f, 40.0f, 25.0f};
      ends[position] = v;
      s.SetRanges(ends[0], ends[1], ends[2], ends[3]);
      ASSERT_TRUE(Finite(s)) << "range end " << position << " = " << v;
      EXPECT_TRUE(std::isfinite(chart.surface.ScaleX) && std::isfinite(chart.surface.ScaleY));
      EXPECT_TRUE(std::isfinite(chart.surface.OffsetX) && std::isfinite(chart.surface.OffsetY));
    }
  }
  for (float v : bad) {
    const double before = s.GetPressure();
    const bool ok = s.SetPressure(v);
    ASSERT_TRUE(Finite(s)) << "pressure " << v;
    if (std::isnan(v)) {
      EXPECT_FALSE(ok);
      EXPECT_EQ(s.GetPressure(), before);
    }
  }
  for (std::int32_t units : {0, 1, 2, 5}) {
    s.SetVerticalAxisUnits(units);
    for (float x : bad) {
      for (float v : bad) {
        s.SetPointFromUnits(x, v, 0);
        s.SetPointFromUnits(v, x, 1);
        ASSERT_TRUE(Finite(s)) << "units " << units << " x " << x << " v " << v;
        EXPECT_TRUE(std::isfinite(s.PointInUnits(0).Y) && std::isfinite(s.PointInUnits(1).Y));
        ChartPoint p{x, v};
        s.ConstrainPoint(p, units);
        EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y)) << x << ", " << v;
      }
    }
  }
}

}  // namespace
}  // namespace hygrovia
