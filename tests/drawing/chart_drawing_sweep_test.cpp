#include <cmath>
#include <cstddef>
#include <iterator>

#include <gtest/gtest.h>

#include "drawing/chart_drawing.h"
#include "families/line_family.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

using testing::RecordedPrimitive;
using testing::TestChart;

struct Ranges {
  float tMin, hMin, tMax, hMax;
  // The frame lies within some thousand of its own sizes of the volume lines, which stand at
  // 6.85 to 62 °C whatever the ranges. Clipped to a frame much further away, their ends
  // rightly lie beyond the int range of pixels, where the surface saturates them.
  bool nearVolumeLines;
};

// Ranges a dialog, a file or the command line might leave in the fields, set directly so
// that no setter tidies them first.
const Ranges kOddRanges[] = {
    {0.0f, 0.0f, 50.0f, 35.0f, true},                         // the default chart
    {50.0f, 35.0f, 0.0f, 0.0f, true},                         // inverted
    {20.0f, 10.0f, 20.0f, 10.0f, true},                       // equal ends
    {-1.0e30f, -1.0e30f, 1.0e30f, 1.0e30f, true},             // as wide as a float allows
    {0.0f, 0.0f, 1.0e30f, 1.0e30f, true},                     // a maximum of 1e30
    {-1.0e30f, 0.0f, -1.0e29f, 35.0f, false},                 // far below any sensible chart
    {20.0f, 5.0f, 20.001f, 5.001f, true},                     // tiny
    {-100.0f, 0.0f, 100.0f, 1000.0f, true},                   // huge
    {-240.0f, 0.0f, -200.0f, 1.0f, true},                     // where saturation means nothing
    {0.0f, 0.0f, 100.0f, 35.0f, true},                        // beyond it at the lowest pressure
    {1.0e6f, 1.0e6f, 1.0e6f + 64.0f, 1.0e6f + 64.0f, false},  // whole steps barely register
};

const float kPressures[] = {51.365f, 101.365f, 131.365f};

// The ways the families can be switched, with a highlight and the relative cursor.
struct Switches {
  std::int32_t enthalpyLines, vapourScale, relativeCursor, highlight;
};
const Switches kSwitches[] = {{0, 0, 0, 0}, {1, 1, 1, 4}, {1, 0, 0, 7}, {0, 1, 1, 9}};

// Every pixel the drawing handed to the canvas lies well inside the int range: nothing was
// saturated from an infinity or a huge coordinate.
bool AllPixelsSane(const std::vector<RecordedPrimitive>& primitives) {
  constexpr int kReach = 1 << 30;
  for (const RecordedPrimitive& p : primitives) {
    for (const int v : {p.x1, p.y1, p.x2, p.y2}) {
      if (v <= -kReach || v >= kReach) return false;
    }
  }
  return true;
}

void DrawOddChart(ChartSettings& settings, StatusLine& status, const Ranges& r, float pressure,
                  const Switches& s) {
  settings.SetPressure(pressure);
  settings.TempMin = r.tMin;
  settings.HumidityMin = r.hMin;
  settings.TempMax = r.tMax;
  settings.HumidityMax = r.hMax;
  settings.ApplyToSurface();
  settings.ShowEnthalpyLines = s.enthalpyLines;
  settings.ShowVapourPressureScale = s.vapourScale;
  settings.RelativeCursor = s.relativeCursor;
  settings.RequestedHighlight = s.highlight;
  settings.Nodes.AppendPoint(r.tMin, r.hMax);
  settings.Nodes.AppendPoint(r.tMax, r.hMin);
  DrawChart(settings, status);
  DrawChartOutline(settings);
}

TEST(ChartDrawingSweepTest, OddRangesAndPressuresDrawBoundedSaneCharts) {
  constexpr std::size_t kSwitchCount = std::size(kSwitches);
  for (std::size_t ri = 0; ri < std::size(kOddRanges); ++ri) {
    const Ranges& r = kOddRanges[ri];
    for (std::size_t pi = 0; pi < std::size(kPressures); ++pi) {
      // Each range meets the switches in turn across the pressures.
      const Switches& s = kSwitches[(ri + pi) % kSwitchCount];
      TestChart chart;
      DrawOddChart(chart.settings, chart.status, r, kPressures[pi], s);
      const auto& drawn = chart.canvas.Primitives();
      const auto where = ::testing::Message()
                         << r.tMin << ".." << r.tMax << " x " << r.hMin << ".." << r.hMax << " at "
                         << kPressures[pi] << " kPa, highlight " << s.highlight;
      EXPECT_LT(drawn.size(), static_cast<std::size_t>(50 * kMaxFamilyLines)) << where;
      if (r.nearVolumeLines) {
        EXPECT_TRUE(AllPixelsSane(drawn)) << where;
      }
      const ChartPoint cursor = chart.settings.Cursor;
      EXPECT_TRUE(std::isfinite(chart.settings.LabelSlope)) << where;
      EXPECT_TRUE(std::isfinite(cursor.X) && std::isfinite(cursor.Y)) << where;
    }
  }
}

TEST(ChartDrawingSweepTest, OddRangesDrawBoundedInInchPoundUnitsInBothModels) {
  for (const PropertyModel model : {PropertyModel::ChartFormulas, PropertyModel::Ashrae2017}) {
    for (std::size_t ri = 0; ri < std::size(kOddRanges); ++ri) {
      const Ranges& r = kOddRanges[ri];
      TestChart chart;
      chart.settings.SetPropertyModel(model);
      chart.settings.SetUnitSystem(UnitSystem::Ip);
      DrawOddChart(chart.settings, chart.status, r, kPressures[ri % std::size(kPressures)],
                   kSwitches[ri % std::size(kSwitches)]);
      const auto where = ::testing::Message() << r.tMin << ".." << r.tMax << " x " << r.hMin << ".."
                                              << r.hMax << " model " << static_cast<int>(model);
      // Lines every °F and every Btu/lb are closer than every °C and every 2 kJ/kg, and the
      // ASHRAE model's run as polylines, so up to twice the SI count.
      EXPECT_LT(chart.canvas.Primitives().size(), static_cast<std::size_t>(100 * kMaxFamilyLines))
          << where;
      if (r.nearVolumeLines) {
        EXPECT_TRUE(AllPixelsSane(chart.canvas.Primitives())) << where;
      }
      EXPECT_TRUE(std::isfinite(chart.settings.Cursor.X) && std::isfinite(chart.settings.Cursor.Y))
          << where;
    }
  }
}

}  // namespace
}  // namespace hygrovia
