#include "drawing/chart_drawing.h"
#include "families/dry_bulb_lines.h"
#include "families/enthalpy_lines.h"
#include "families/humidity_curves.h"
#include "families/humidity_scale_lines.h"
#include "families/volume_lines.h"
#include "families/wet_bulb_lines.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_chart.h"
#include "surface/pixel.h"

namespace hygrovia {
namespace {

using testing::PrimitiveKind;
using testing::RecordedPrimitive;
using testing::TestChart;

// Polylines among the lines: a line that does not start where the previous one ended starts
// a new one.
int CountPolylines(const std::vector<RecordedPrimitive>& lines) {
  int count = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 0 || lines[i].x1 != lines[i - 1].x2 || lines[i].y1 != lines[i - 1].y2) ++count;
  }
  return count;
}

std::vector<std::string> Numbers(int first, int step, int last, const std::string& prefix) {
  std::vector<std::string> texts;
  for (int v = first; v <= last; v += step) texts.push_back(prefix + std::to_string(v));
  return texts;
}

TEST(ChartDrawingTest, DefaultFamiliesShowTheirLinesAndScales) {
  struct Case {
    const char* family;
    std::function<void(ChartSettings&)> draw;
    int lines;
    int solid;
    std::vector<std::string> texts;
  };
  std::vector<std::string> dryBulb = {
      "       DBT(\xC2\xB0"
      "C)"};
  for (const std::string& t : Numbers(5, 5, 50, "")) dryBulb.push_back(t);
  std::vector<std::string> absHumidity = {" AH"};
  for (const std::string& t : Numbers(5, 5, 30, " ")) absHumidity.push_back(t);
  const std::vector<std::string> vapourPressure = {"VP",  "0.4", "0.8", "1.2", "1.6", "2.0", "2.4",
                                                   "2.8", "3.2", "3.6", "4.0", "4.4", "4.8", "5.2"};
  std::vector<std::string> enthalpy = Numbers(0, 10, 120, "");
  enthalpy.push_back("Enthalpy (kJ/kg)");
  const std::vector<Case> cases = {
      {"dry bulb", [](ChartSettings& c) { DrawDryBulbLines(c, true, false); }, 51, 11, dryBulb},
      {"absolute humidity", [](ChartSettings& c) { DrawAbsHumidityLines(c, true, false); }, 7, 7,
       absHumidity},
      {"vapour pressure", [](ChartSettings& c) { DrawVapourPressureLines(c, true, false); }, 14, 14,
       vapourPressure},
      {"wet bulb (0 to 36 °C)", [](ChartSettings& c) { DrawWetBulbLines(c, false); }, 37, 8, {}},
      {"enthalpy (0 to 136 kJ/kg)", [](ChartSettings& c) { DrawEnthalpyLines(c, true, false); }, 69,
       14, enthalpy},
      {"specific volume", [](ChartSettings& c) { DrawVolumeLines(c, false); }, 7, 0, {}},
  };
  for (const Case& c : cases) {
    TestChart chart;
    c.draw(chart.settings);
    EXPECT_EQ(chart.canvas.CountLines(kBlue), c.lines) << c.family;
    EXPECT_EQ(chart.canvas.CountLines(kBlue, kPenSolid), c.solid) << c.family;
    EXPECT_EQ(chart.canvas.Lines().size(), static_cast<std::size_t>(c.lines)) << c.family;
    EXPECT_EQ(chart.canvas.TextStrings(), c.texts) << c.family;
  }
}

TEST(ChartDrawingTest, TenRelativeHumidityCurvesOnlySaturationSolid) {
  TestChart chart;
  DrawRelHumidityCurves(chart.settings, false);
  std::vector<RecordedPrimitive> dotted;
  std::vector<RecordedPrimitive> solid;
  for (const RecordedPrimitive& line : chart.canvas.Lines()) {
    EXPECT_EQ(line.pen_colour, kBlue);
    (line.pen_style == kPenSolid ? solid : dotted).push_back(line);
  }
  EXPECT_EQ(CountPolylines(dotted), 9);
  // The saturation curve runs on into the top edge as one polyline, ending at the corner.
  EXPECT_EQ(CountPolylines(solid), 1);
  const PointF corner = chart.surface.WorldToDevice(50.0f, 35.0f);
  EXPECT_EQ(solid.back().x2, TruncToPixel(corner.x));
  EXPECT_EQ(solid.back().y2, TruncToPixel(corner.y));
  // The saturation curve leaves the top at about 34.26 °C.
  EXPECT_NEAR(chart.settings.LabelSlope, 0.548, 0.001);
}

TEST(ChartDrawingTest, VolumeLinesReachTheBottomAtTheirDryTemperatures) {
  TestChart chart;
  DrawVolumeLines(chart.settings, false);
  const std::vector<RecordedPrimitive> lines = chart.canvas.Lines();
  ASSERT_EQ(lines.size(), 7u);
  // The last two reach zero moisture right of the frame and are cut at its right edge.
  const float bottoms[] = {9.5f, 18.25f, 27.0f, 35.75f, 44.5f, 50.0f, 50.0f};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const PointF at = chart.surface.WorldToDevice(bottoms[i], 0.0f);
    EXPECT_EQ(lines[i].x1, TruncToPixel(at.x)) << i;
    EXPECT_EQ(lines[i].pen_style, kPenDotted) << i;
    if (i < 5) {
      EXPECT_EQ(lines[i].y1, TruncToPixel(at.y)) << i;
    }
  }
}

TEST(ChartDrawingTest, FirstDryAndWetBulbLinesFollowTempMin) {
  struct Case {
    float tempMin;
    float firstDryBulb;
    float firstWetBulb;
  };
  const Case cases[] = {{0.0f, 0.0f, 0.0f}, {-12.0f, -12.0f, -10.0f}, {12.5f, 12.0f, 10.0f}};
  for (const Case& c : cases) {
    TestChart chart;
    chart.settings.SetRanges(c.tempMin, 0.0f, 50.0f, 35.0f);
    DrawDryBulbLines(chart.settings, false, false);
    ASSERT_FALSE(chart.canvas.Lines().empty());
    EXPECT_EQ(chart.canvas.Lines().front().x1,
              TruncToPixel(chart.surface.WorldToDevice(c.firstDryBulb, 0.0f).x))
        << c.tempMin;
    chart.canvas.ClearRecord();
    DrawWetBulbLines(chart.settings, false);
    ASSERT_FALSE(chart.canvas.Lines().empty());
    EXPECT_EQ(chart.canvas.Lines().front().x1,
              TruncToPixel(chart.surface.WorldToDevice(c.firstWetBulb, 0.0f).x))
        << c.tempMin;
  }
}

TEST(ChartDrawingTest, OutlineIsTheDottedSaturationCurveAndFrame) {
  TestChart chart;
  DrawChartOutline(chart.settings);
  int outline = 0;
  for (const RecordedPrimitive& line : chart.canvas.Lines()) {
    if (line.pen_colour != kBlue) continue;
    EXPECT_EQ(line.pen_style, kPenDotted);
    ++outline;
  }
  // 35 whole-degree steps of the saturation curve up to the top edge, then the frame.
  EXPECT_EQ(outline, 35 + 4);
}

// Regression: a label slope that is not a finite number carried the upper ends of the
// enthalpy lines to infinity, and the surface drew them to the edge of the pixel range.
TEST(ChartDrawingTest, EnthalpyScaleLeavesOutLinesItCannotPlace) {
  for (const float slope :
       {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
    TestChart chart;
    chart.settings.LabelSlope = slope;
    DrawEnthalpyLines(chart.settings, true, false);
    // The lines below the start of the climbing scale still stand.
    EXPECT_GT(chart.canvas.Lines().size(), 0u) << slope;
    EXPECT_LT(chart.canvas.Lines().size(), 69u) << slope;
    for (const RecordedPrimitive& p : chart.canvas.Primitives()) {
      for (const int v : {p.x1, p.y1, p.x2, p.y2}) {
        EXPECT_GT(v, -(1 << 30)) << slope;
        EXPECT_LT(v, 1 << 30) << slope;
      }
    }
  }
}

// Regression: when the last curve to cross the top edge met it at the height of the
// saturation point at TempMin, the label slope became a division by zero.
TEST(ChartDrawingTest, LabelSlopeKeepsItsValueWhenTheChordIsLevel) {
  TestChart chart;
  const auto top = static_cast<float>(chart.cursor.SaturationHumidity(30.0));
  chart.settings.SetRanges(30.0f, 0.0f, 50.0f, top);
  DrawRelHumidityCurves(chart.settings, false);
  EXPECT_FLOAT_EQ(chart.settings.LabelSlope, 0.64f);
}

}  // namespace
}  // namespace hygrovia
