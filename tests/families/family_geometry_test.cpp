#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawing/chart_drawing.h"
#include "families/enthalpy_lines.h"
#include "families/humidity_curves.h"
#include "families/volume_lines.h"
#include "families/wet_bulb_lines.h"
#include "drawing/data_table.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

using testing::RecordedPrimitive;
using testing::TestChart;

// The world point of a device pixel, without snapping.
PointF WorldOf(const DrawingSurface& s, int x, int y) {
  return {(static_cast<float>(x) - s.OffsetX) / s.ScaleX + s.MinX,
          (static_cast<float>(s.DeviceHeight - y) - s.OffsetY) / s.ScaleY + s.MinY};
}

// A family of lines and the property the data table reads for it.
struct Family {
  const char* name;
  std::function<void(ChartSettings&)> draw;
  std::function<double(const AirState&)> read;
  double step;       // the lines' values are whole multiples of it
  double tolerance;  // as closely as the default chart's lines read back
};

const Family kFamilies[] = {
    {"wet bulb", [](ChartSettings& c) { DrawWetBulbLines(c, false); },
     // The straight lines miss the wet bulb interpolated between 5 °C nodes by up to some
     // 0.136 °C on the default chart.
     [](const AirState& a) { return a.WetBulb; }, 1.0, 0.14},
    {"enthalpy", [](ChartSettings& c) { DrawEnthalpyLines(c, false, false); },
     [](const AirState& a) { return a.Enthalpy; }, 2.0, 0.6},
    {"specific volume", [](ChartSettings& c) { DrawVolumeLines(c, false); },
     [](const AirState& a) { return a.Volume; }, 0.025, 0.0015},
};

// Regression: on charts whose moisture starts above 0 these lines were placed as if their
// zero-moisture end sat on the bottom edge, so they were tilted and read wrong values (the
// 20 °C wet-bulb line ended where the table read 25.50 °C).
TEST(FamilyGeometryTest, EveryDrawnLineReadsBackItsValueInTheDataTable) {
  struct Chart {
    float hMin;
    std::int32_t vapourScale;
  };
  const Chart charts[] = {{0.0f, 0}, {5.0f, 0}, {10.0f, 0}, {20.0f, 0}, {10.0f, 1}};
  for (const Family& family : kFamilies) {
    for (const Chart& c : charts) {
      // A large device, so a pixel is a few thousandths of a degree.
      TestChart chart(8000, 6000);
      ChartSettings& settings = chart.settings;
      settings.SetRanges(0.0f, c.hMin, 50.0f, 35.0f);
      settings.ShowVapourPressureScale = c.vapourScale;
      DrawRelHumidityCurves(settings, false);  // the enthalpy scale's slope
      chart.canvas.ClearRecord();
      family.draw(settings);
      int readings = 0;
      for (const RecordedPrimitive& line : chart.canvas.Lines()) {
        double value = std::numeric_limits<double>::quiet_NaN();
        for (int i = 0; i <= 8; ++i) {
          const PointF p = WorldOf(chart.surface, line.x1 + (line.x2 - line.x1) * i / 8,
                                   line.y1 + (line.y2 - line.y1) * i / 8);
          // Outside the chart, or above saturation, the table reads another state instead.
          const DrawingSurface& f = chart.surface;
          constexpr float kPixelSlack = 0.01f;
          if (p.x < f.MinX - kPixelSlack || p.x > f.MaxX + kPixelSlack ||
              p.y < f.MinY - kPixelSlack || p.y > f.MaxY + kPixelSlack ||
              p.y > chart.cursor.SaturationHumidity(p.x)) {
            continue;
          }
          settings.Cursor = {p.x, p.y};
          BuildPointTable(settings);
          const double read = family.read(chart.cursor);
          if (std::isnan(value)) value = family.step * std::round(read / family.step);
          EXPECT_NEAR(read, value, family.tolerance)
              << family.name << " from " << c.hMin << " g/kg at (" << p.x << ", " << p.y << ")";
          ++readings;
        }
      }
      EXPECT_GT(readings, 20) << family.name << " from " << c.hMin << " g/kg";
    }
  }
}

// Regression: on a chart taller than the saturation curve humidity lines started right of the
// frame and volume lines ran past it, through the scale numbers; on charts starting above
// 0 g/kg lines were drawn below the frame.
TEST(FamilyGeometryTest, NoFamilyLineLeavesTheFrameBeyondItsScale) {
  struct Chart {
    float ranges[4];  // tMin, hMin, tMax, hMax
    std::int32_t enthalpyLines;
    std::int32_t vapourScale;
  };
  const Chart charts[] = {
      {{0, 0, 30, 60}, 0, 0},  {{0, 0, 30, 60}, 1, 1},  {{0, 10, 50, 35}, 0, 0},
      {{0, 10, 50, 35}, 1, 1}, {{10, 0, 60, 40}, 0, 0}, {{0, 20, 40, 120}, 1, 0},
  };
  for (const Chart& c : charts) {
    TestChart chart;
    ChartSettings& settings = chart.settings;
    settings.SetRanges(c.ranges[0], c.ranges[1], c.ranges[2], c.ranges[3]);
    settings.ShowEnthalpyLines = c.enthalpyLines;
    settings.ShowVapourPressureScale = c.vapourScale;
    StatusLine status;
    DrawChart(settings, status);
    const DrawingSurface& s = chart.surface;
    // The frame widened by the reach of the scales: ticks under the bottom edge, the
    // humidity scale right of the frame, the enthalpy scale left of and above it.
    const float reachLeft = c.enthalpyLines != 0 ? 1.0f : 0.0f;
    const float reachTop = c.enthalpyLines != 0 ? 0.25f : 0.0f;
    const PointF topLeft = s.WorldToDevice(s.MinX - reachLeft, s.MaxY + reachTop);
    const PointF bottomRight = s.WorldToDevice(s.MaxX + 0.4f, s.MinY - 0.25f);
    const float rightEdge = s.WorldToDevice(s.MaxX, 0.0f).x;
    const auto where = ::testing::Message() << c.ranges[0] << ".." << c.ranges[2] << " x "
                                            << c.ranges[1] << ".." << c.ranges[3];
    for (const RecordedPrimitive& line : chart.canvas.Lines()) {
      if (line.pen_colour != kBlue) continue;
      for (const int x : {line.x1, line.x2}) {
        EXPECT_GE(x, static_cast<int>(topLeft.x) - 1) << where;
        EXPECT_LE(x, static_cast<int>(bottomRight.x) + 1) << where;
      }
      for (const int y : {line.y1, line.y2}) {
        EXPECT_GE(y, static_cast<int>(topLeft.y) - 1) << where;
        EXPECT_LE(y, static_cast<int>(bottomRight.y) + 1) << where;
      }
      // Right of the frame only the humidity scale's level stubs, which end at their numbers.
      if (std::max(line.x1, line.x2) > static_cast<int>(rightEdge) + 1) {
        EXPECT_EQ(line.y1, line.y2) << where;
      }
    }
  }
}

// Regression: at the default window size the enthalpy scale's "10" was cut by the image's left
// edge.
TEST(FamilyGeometryTest, NoTextIsCutByTheImagesLeftEdge) {
  for (const int width : {300, 450, 800}) {
    TestChart chart(width, width);
    chart.settings.ShowEnthalpyLines = 1;
    StatusLine status;
    DrawChart(chart.settings, status);
    const std::vector<RecordedPrimitive> texts = chart.canvas.Texts();
    ASSERT_FALSE(texts.empty());
    for (const RecordedPrimitive& t : texts) {
      // Leading blanks may run off the edge.
      const auto blanks = static_cast<int>(t.text.find_first_not_of(' '));
      EXPECT_GE(t.x1 + blanks * testing::RecordingCanvas::kCharWidth, 0) << width << ": " << t.text;
    }
  }
}

}  // namespace
}  // namespace hygrovia
