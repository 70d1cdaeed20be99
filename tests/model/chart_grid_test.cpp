#include "model/chart_grid.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "families/ashrae_lines.h"
#include "families/dry_bulb_lines.h"
#include "families/enthalpy_lines.h"
#include "families/humidity_scale_lines.h"
#include "families/volume_lines.h"
#include "families/wet_bulb_lines.h"
#include "model/chart_settings.h"
#include "support/test_chart.h"
#include "surface/colour.h"

namespace hygrovia {
namespace {

using testing::TestChart;

// A new chart in inch-pound units, as "-units ip" makes it: 30 to 120 °F, 0 to 200 gr/lb.
struct IpChart : TestChart {
  explicit IpChart(PropertyModel model = PropertyModel::ChartFormulas) {
    settings.SetPropertyModel(model);
    settings.SetUnitSystem(UnitSystem::Ip);
    UseDefaultRanges(settings);
  }
};

std::vector<std::string> Numbers(int first, int step, int last, const std::string& prefix) {
  std::vector<std::string> texts;
  for (int v = first; v <= last; v += step) texts.push_back(prefix + std::to_string(v));
  return texts;
}

std::vector<std::string> Titled(std::string title, std::vector<std::string> numbers) {
  numbers.insert(numbers.begin(), std::move(title));
  return numbers;
}

TEST(ChartGridUnitsTest, DefaultInchPoundChartShowsItsOwnLinesAndLabels) {
  struct Case {
    const char* family;
    PropertyModel model;
    std::function<void(ChartSettings&)> draw;
    int lines;  // polylines of the ASHRAE model count their segments
    int solid;
    std::vector<std::string> texts;
  };
  std::vector<std::string> vapourPressure = {"VP"};
  for (int tenths = 1; tenths <= 13; ++tenths) {
    vapourPressure.push_back(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
  }
  // 7 to 58 Btu/lb, the last numbered line (55) carrying the title.
  std::vector<std::string> enthalpy = Numbers(10, 5, 50, "");
  enthalpy.push_back("Enthalpy (Btu/lb)");
  const auto formulas = PropertyModel::ChartFormulas;
  const std::vector<Case> cases = {
      // Every °F from 30 to 120, solid every 5, numbered every 10 on this wide range.
      {"dry bulb", formulas, [](ChartSettings& c) { DrawDryBulbLines(c, true, false); }, 91, 19,
       Titled("       DBT(\xC2\xB0"
              "F)",
              Numbers(40, 10, 120, ""))},
      // Every 10 gr/lb below the top edge, numbered every 20.
      {"humidity", formulas, [](ChartSettings& c) { DrawAbsHumidityLines(c, true, false); }, 20, 20,
       Titled(" gr/lb", Numbers(20, 20, 180, " "))},
      // Every 0.1 inHg up to 1.35 inHg at the top.
      {"vapour pressure", formulas,
       [](ChartSettings& c) { DrawVapourPressureLines(c, true, false); }, 14, 14, vapourPressure},
      // Every °F from 30 until a line meets the top edge right of the frame, solid every 5.
      {"wet bulb", formulas, [](ChartSettings& c) { DrawWetBulbLines(c, false); }, 64, 13, {}},
      {"enthalpy", formulas, [](ChartSettings& c) { DrawEnthalpyLines(c, true, false); }, 52, 10,
       enthalpy},
      // 12.5 to 15.0 ft³/lb.
      {"volume", formulas, [](ChartSettings& c) { DrawVolumeLines(c, false); }, 6, 0, {}},
      // The Handbook's inch-pound enthalpy, 7 to 59 Btu/lb: numbered lines are single solid
      // polylines of several segments.
      {"ASHRAE enthalpy", PropertyModel::Ashrae2017,
       [](ChartSettings& c) { DrawAshraeEnthalpyLines(c, true, false); }, -1, -1,
       Numbers(10, 5, 55, "")},
  };
  for (const Case& c : cases) {
    IpChart chart(c.model);
    c.draw(chart.settings);
    if (c.lines >= 0) {
      EXPECT_EQ(chart.canvas.CountLines(kBlue), c.lines) << c.family;
      EXPECT_EQ(chart.canvas.CountLines(kBlue, kPenSolid), c.solid) << c.family;
    }
    EXPECT_EQ(chart.canvas.TextStrings(), c.texts) << c.family;
  }
}

}  // namespace
}  // namespace hygrovia
