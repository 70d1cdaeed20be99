#include "families/ashrae_lines.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawing/chart_cursor.h"
#include "drawing/chart_drawing.h"
#include "families/humidity_scale_lines.h"
#include "model/status_line.h"
#include "psychro/ashrae_model.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

using testing::RecordedPrimitive;

// A chart in the ASHRAE model on a large window, so that a pixel is a few hundredths of a
// unit, with snapping off so that pixels read back as they are.
struct AshraeChart : testing::TestChart {
  AshraeChart(float tMin, float tMax, float hMin, float hMax, float pressure)
      : TestChart(12000, 9000) {
    settings.SetPropertyModel(PropertyModel::Ashrae2017);
    settings.SetPressure(pressure);
    settings.TempSnap = 0.0f;
    settings.HumiditySnap = 0.0f;
    settings.SetRanges(tMin, hMin, tMax, hMax);
  }

  PointF World(int x, int y) const { return surface.DeviceToWorld(x, y); }
};

// The drawn lines joined into polylines: a segment continues the one before when it starts
// where that one ended.
std::vector<std::vector<PointF>> Polylines(const AshraeChart& chart) {
  std::vector<std::vector<PointF>> lines;
  const RecordedPrimitive* previous = nullptr;
  for (const RecordedPrimitive& line : chart.canvas.Lines()) {
    if (previous == nullptr || previous->x2 != line.x1 || previous->y2 != line.y1) {
      lines.push_back({chart.World(line.x1, line.y1)});
    }
    lines.back().push_back(chart.World(line.x2, line.y2));
    previous = &line;
  }
  return lines;
}

struct Family {
  const char* name;
  void (*draw)(ChartSettings&);
  double (*property)(const AirState&);  // read from a state on the line
  double step;                          // the lines' values are multiples of it
  double tolerance;                     // what a pixel moves the read-back by
  // A line of this value is left out: at a wet bulb of 0 °C equation 33 gives way to 35,
  // which for the same air may have a root up to a degree below, so a pixel beside that line
  // can read either.
  double ambiguous;
};

const Family kFamilies[] = {
    {"wet bulb", [](ChartSettings& c) { DrawAshraeWetBulbLines(c, false); },
     [](const AirState& a) { return a.WetBulb; }, 1.0, 0.02, 0.0},
    {"enthalpy", [](ChartSettings& c) { DrawAshraeEnthalpyLines(c, false, false); },
     [](const AirState& a) { return a.Enthalpy; }, 2.0, 0.05, NAN},
    {"volume", [](ChartSettings& c) { DrawAshraeVolumeLines(c, false); },
     [](const AirState& a) { return a.Volume; }, 0.025, 1e-4, NAN},
};

struct Frame {
  float tMin, tMax, hMin, hMax, pressure;
};

const Frame kFrames[] = {
    {0, 50, 0, 35, 84.556f},    // 1,500 m
    {0, 50, 10, 35, 101.325f},  // moisture range not from 0
    {-20, 30, 0, 60, 54.02f},   // taller than saturation, 5,000 m, ice below 0 °C
    {10, 45, 5, 30, 131.365f},
};

TEST(AshraeLinesTest, EveryDrawnPointReadsBackItsLinesValue) {
  for (const Frame& f : kFrames) {
    for (const Family& family : kFamilies) {
      AshraeChart chart(f.tMin, f.tMax, f.hMin, f.hMax, f.pressure);
      chart.canvas.ClearRecord();
      family.draw(chart.settings);
      const auto lines = Polylines(chart);
      const std::string what = std::string(family.name) + " at " + std::to_string(f.pressure) +
                               " kPa, from " + std::to_string(f.hMin) + " g/kg";
      EXPECT_GE(lines.size(), 3u) << what;
      AirState air = chart.cursor;
      for (const auto& line : lines) {
        air.SetFromHumidity(line.front().x, line.front().y);
        const double value = family.step * std::round(family.property(air) / family.step);
        if (value == family.ambiguous) continue;
        for (std::size_t k = 0; k < line.size(); ++k) {
          // The vertices, and between them where a chord strays furthest from the curve.
          const PointF p = k == 0 ? line[0]
                                  : PointF{0.5f * (line[k - 1].x + line[k].x),
                                           0.5f * (line[k - 1].y + line[k].y)};
          for (const PointF q : {p, line[k]}) {
            EXPECT_GE(q.x, f.tMin - 0.05f) << what;
            EXPECT_LE(q.x, f.tMax + 0.05f) << what;
            EXPECT_GE(q.y, f.hMin - 0.05f) << what;
            EXPECT_LE(q.y, f.hMax + 0.05f) << what;
            EXPECT_LE(q.y, air.SaturationHumidity(q.x) + 0.05) << what;
            air.SetFromHumidity(q.x, q.y);
            EXPECT_NEAR(family.property(air), value, family.tolerance)
                << what << " at (" << q.x << " °C, " << q.y << " g/kg)";
          }
        }
      }
    }
  }
}

TEST(AshraeLinesTest, VapourPressureScaleReadsBackItsLabels) {
  AshraeChart chart(0, 50, 0, 35, 84.556f);
  chart.canvas.ClearRecord();
  DrawVapourPressureLines(chart.settings, true, false);
  const auto texts = chart.canvas.Texts();
  const auto lines = chart.canvas.Lines();
  ASSERT_EQ(texts.size(), lines.size());  // "VP", then one label per line but the first
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const double labelled = std::stod(texts[k].text);
    const PointF start = chart.World(lines[k].x1, lines[k].y1);
    EXPECT_NEAR(chart.cursor.VapourPressureFromHumidity(start.y), labelled, 1.5e-3)
        << texts[k].text;
  }
  // At 84.556 kPa 35 g/kg is 4.49 kPa: lines 0 to 4.4 kPa.
  EXPECT_EQ(texts.back().text, "4.4");
}

TEST(AshraeLinesTest, TheChartNamesItsModelAndOnlyThatModel) {
  AshraeChart ashrae(0, 50, 0, 35, 84.556f);
  DrawChart(ashrae.settings, ashrae.status);
  const auto names = ashrae.canvas.TextStrings();
  EXPECT_EQ(std::count(names.begin(), names.end(), "ASHRAE 2017, 84.556 kPa"), 1);
  const PointF air = ashrae.surface.WorldToDevice(25.0f, 10.0f);
  ShowStateAt(ashrae.settings, ashrae.status, static_cast<int>(air.x), static_cast<int>(air.y));
  EXPECT_TRUE(ashrae.status.Text().ends_with("g/kg  (ASHRAE 2017)")) << ashrae.status.Text();

  testing::TestChart chartFormulas;
  DrawChart(chartFormulas.settings, chartFormulas.status);
  for (const std::string& text : chartFormulas.canvas.TextStrings()) {
    EXPECT_EQ(text.find("ASHRAE"), std::string::npos) << text;
  }
}

TEST(AshraeLinesTest, OddChartsDrawSaneAndBoundedWithEveryHighlight) {
  struct Ranges {
    float tMin, hMin, tMax, hMax;
  };
  const Ranges ranges[] = {
      {0, 0, 50, 35},
      {50, 35, 0, 0},
      {20, 10, 20, 10},
      {-100, 0, 100, 1000},
      {-1e30f, 0, 1e30f, 1e30f},
      {-240, 0, -200, 1},
      {20, 5, 20.001f, 5.001f},
      {0, 0, 100, 35},
  };
  for (const Ranges& r : ranges) {
    for (const float pressure : {51.365f, 131.365f}) {
      // No highlight, wet bulb, vapour pressure, volume, enthalpy and an overlay.
      for (const int mode : {0, 2, 5, 6, 7, 9}) {
        testing::TestChart chart;
        chart.settings.SetPropertyModel(PropertyModel::Ashrae2017);
        chart.settings.SetPressure(pressure);
        chart.settings.TempMin = r.tMin;
        chart.settings.HumidityMin = r.hMin;
        chart.settings.TempMax = r.tMax;
        chart.settings.HumidityMax = r.hMax;
        chart.settings.ApplyToSurface();
        chart.settings.ShowEnthalpyLines = mode % 2;
        chart.settings.ShowVapourPressureScale = mode % 3 == 0;
        chart.settings.RequestedHighlight = mode;
        DrawChart(chart.settings, chart.status);
        const std::string what = std::to_string(r.tMin) + " to " + std::to_string(r.tMax) +
                                 " °C at " + std::to_string(pressure) + " kPa, mode " +
                                 std::to_string(mode);
        EXPECT_FALSE(chart.canvas.Lines().empty()) << what;
        EXPECT_LT(chart.canvas.Primitives().size(), 200000u) << what;
        EXPECT_TRUE(std::isfinite(chart.cursor.WetBulb) && std::isfinite(chart.cursor.DewPoint))
            << what;
      }
    }
  }
}

}  // namespace
}  // namespace hygrovia
