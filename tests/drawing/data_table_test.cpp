#include "drawing/data_table.h"

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawing/chart_cursor.h"
#include "units/quantity_text.h"
#include "support/test_chart.h"
#include "surface/pixel.h"

namespace hygrovia {
namespace {

using testing::RecordedPrimitive;
using testing::TestChart;

std::vector<std::string> TableRows(const ChartSettings& settings) {
  std::vector<std::string> rows;
  for (std::int32_t i = 0; i < settings.TableLineCount; ++i) {
    rows.push_back(settings.TableLines[static_cast<std::size_t>(i)]);
  }
  return rows;
}

TEST(DataTableTest, RowsForTheDefaultCursorArrowAndNodes) {
  struct Case {
    const char* name;
    bool relative;
    int nodes;
    std::vector<std::string> rows;
  };
  const std::string nodeTitle = " DATA: DBT  RH  WBT  ENTHALPY";
  const std::string node1 =
      "  1:  20.0\xC2\xB0"
      "C  54.49%  14.4\xC2\xB0"
      "C  40.202kJ/kg    ";
  const std::string node2 =
      "  2:  -5.0\xC2\xB0"
      "C  38.69%  -6.5\xC2\xB0"
      "C  -2.475kJ/kg    ";
  const std::vector<Case> cases = {
      {"cursor",
       false,
       0,
       {" Dry Bulb: 25.00\xC2\xB0"
        "C    ",
        " Rel.Humidity: 50.00%    ", " Abs.Humidity: 10.03g/kg    ", " Vap.Pressure: 1.60kPa    ",
        " Volume: 0.8582m3/kg    ", " Enthalpy: 50.33kJ/kg    ",
        " Dew Point: 14.11\xC2\xB0"
        "C    ",
        " Wet Bulb: 17.85\xC2\xB0"
        "C    "}},
      {"cursor and arrow",
       true,
       0,
       {" FM: 25.00\xC2\xB0"
        "C - 50.00%RH    ",
        " TO: 20.00\xC2\xB0"
        "C - 50.00%RH    ",
        " ",
        " [Dry Bulb]: -5.00\xC2\xB0"
        "C    ",
        " [Rel.Humidity]: 0.00%    ", " [Abs.Humidity]: -2.69g/kg    ",
        " [Vap.Pressure]: -0.43kPa    ", " [Volume]: -0.0180m3/kg    ",
        " [Enthalpy]: -11.80kJ/kg     ",
        " [Temp]: -5.00\xC2\xB0"
        "C    "}},
      {"nodes", false, 2, {nodeTitle, node1, node2}},
      {"nodes with the relative cursor", true, 2, {nodeTitle, node1, node2}},
  };
  for (const Case& c : cases) {
    TestChart chart;
    if (c.nodes > 0) chart.settings.Nodes.AppendPoint(20.0f, 8.0f);
    if (c.nodes > 1) chart.settings.Nodes.AppendPoint(-5.0f, 1.0f);
    if (c.relative) {
      BuildRelativeTable(chart.settings);
    } else {
      BuildPointTable(chart.settings);
    }
    EXPECT_EQ(TableRows(chart.settings), c.rows) << c.name;
    // The node rows borrow the cursor's state; it holds the cursor's air again afterwards.
    EXPECT_FLOAT_EQ(static_cast<float>(chart.cursor.DryBulb), 25.0f) << c.name;
    EXPECT_FLOAT_EQ(static_cast<float>(chart.cursor.AbsHumidity), 10.031f) << c.name;
  }
}

TEST(DataTableTest, BuildingPullsCursorAndArrowOntoTheChart) {
  struct Case {
    const char* name;
    ChartPoint cursor;
    ChartPoint arrow;
    ChartPoint cursorAfter;
    ChartPoint arrowAfter;
  };
  AirState air;
  air.ResetState();
  const auto saturated20 = static_cast<float>(air.SaturationHumidity(20.0));
  const auto saturated50 = static_cast<float>(air.SaturationHumidity(50.0));
  const std::vector<Case> cases = {
      {"above saturation",
       {20.0f, 30.0f},
       {20.0f, 30.0f},
       {20.0f, saturated20},
       {20.0f, saturated20}},
      {"right of the chart", {60.0f, 10.0f}, {60.0f, 10.0f}, {50.0f, 10.0f}, {50.0f, 10.0f}},
      {"left of and under the chart", {-5.0f, -3.0f}, {-5.0f, -3.0f}, {0.0f, 0.0f}, {0.0f, 0.0f}},
      {"above the chart", {50.0f, 90.0f}, {50.0f, 90.0f}, {50.0f, 35.0f}, {50.0f, 35.0f}},
  };
  ASSERT_GT(saturated50, 35.0f);
  for (const Case& c : cases) {
    for (const bool relative : {false, true}) {
      TestChart chart;
      chart.settings.Cursor = c.cursor;
      chart.settings.Arrow = c.arrow;
      if (relative) {
        BuildRelativeTable(chart.settings);
      } else {
        BuildPointTable(chart.settings);
      }
      EXPECT_FLOAT_EQ(chart.settings.Cursor.X, c.cursorAfter.X) << c.name;
      EXPECT_FLOAT_EQ(chart.settings.Cursor.Y, c.cursorAfter.Y) << c.name;
      // Only the relative table looks at the arrow.
      const ChartPoint arrowAfter = relative ? c.arrowAfter : c.arrow;
      EXPECT_FLOAT_EQ(chart.settings.Arrow.X, arrowAfter.X) << c.name << relative;
      EXPECT_FLOAT_EQ(chart.settings.Arrow.Y, arrowAfter.Y) << c.name << relative;
    }
  }
}

TEST(DataTableTest, DrawTableStacksShadowedRowsDownFromTheTopLeft) {
  TestChart chart;
  BuildPointTable(chart.settings);
  DrawTable(chart.settings);
  const std::vector<RecordedPrimitive> texts = chart.canvas.Texts();
  ASSERT_EQ(texts.size(), 16u);
  for (std::size_t row = 0; row < 8; ++row) {
    const RecordedPrimitive& shadow = texts[2 * row];
    const RecordedPrimitive& text = texts[2 * row + 1];
    EXPECT_EQ(text.text, chart.settings.TableLines[row]);
    EXPECT_EQ(shadow.text_colour, kWhite);
    EXPECT_EQ(text.text_colour, kBlack);
    EXPECT_EQ(shadow.x1, text.x1 + 1);
    EXPECT_EQ(text.x1, TruncToPixel(chart.surface.WorldToDevice(0.0f, 0.0f).x));
    if (row > 0) {
      EXPECT_EQ(text.y1 - texts[2 * row - 1].y1, testing::RecordingCanvas::kTextHeight) << row;
    }
  }
}

// Regression: a row count beyond the table's capacity read past its rows.
TEST(DataTableTest, DrawTableReadsNoFurtherThanItsRows) {
  for (const std::int32_t count : {-5, 0, 29, 1000}) {
    TestChart chart;
    chart.settings.TableLineCount = count;
    DrawTable(chart.settings);
    const std::size_t rows = count < 0 ? 0 : (count > 28 ? 28 : static_cast<std::size_t>(count));
    EXPECT_EQ(chart.canvas.Texts().size(), 2 * rows) << count;
  }
}

TEST(DataTableTest, ValueLabelsFormatCutAndPlace) {
  const std::string longTitle(100, 'x');
  const std::string degreeAtTheCut = std::string(78, 'x') + "\xC2\xB0";
  struct Case {
    const char* name;
    float x;
    std::string format;
    double value;
    std::vector<std::string> texts;
  };
  const std::vector<Case> cases = {
      {"number", 10.0f, "%0.0lf", 25.0, {"25"}},
      {"number with text", 10.0f, " %0.1lf kPa", 1.25, {" 1.2 kPa"}},
      {"title ignores the value", 10.0f, " AH", 5.0, {" AH"}},
      {"cut to a table row", 10.0f, longTitle, 0.0, {std::string(79, 'x')}},
      {"a degree sign counts as one character", 10.0f, degreeAtTheCut, 0.0, {degreeAtTheCut}},
      {"never splits a character", 10.0f, "x" + degreeAtTheCut, 0.0, {std::string(79, 'x')}},
      {"a format the formatter refuses stands as written", 10.0f, "%d kJ", 2.5, {"%d kJ"}},
      {"no place, no label", std::numeric_limits<float>::quiet_NaN(), "%0.0lf", 1.0, {}},
      {"no place at infinity", std::numeric_limits<float>::infinity(), "%0.0lf", 1.0, {}},
  };
  for (const Case& c : cases) {
    TestChart chart;
    DrawValueLabel(chart.settings, c.x, 5.0f, DrawingSurface::kAlignStart,
                   DrawingSurface::kAlignBelow, c.format, c.value);
    EXPECT_EQ(chart.canvas.TextStrings(), c.texts) << c.name;
  }
}

TEST(DataTableTest, InchPoundRowsAndReadOutOfAKnownState) {
  struct Case {
    PropertyModel model;
    std::vector<std::string> rows;
    std::string status;
  };
  const std::string degrees =
      "\xC2\xB0"
      "F";
  const std::vector<Case> cases = {
      {PropertyModel::Ashrae2017,
       {" Dry Bulb: 77.00" + degrees + "    ", " Rel.Humidity: 50.00%    ",
        " Abs.Humidity: 69.17gr/lb    ", " Vap.Pressure: 0.468inHg    ",
        " Volume: 13.744ft3/lb    ", " Enthalpy: 29.30Btu/lb    ",
        " Dew Point: 56.96" + degrees + "    ", " Wet Bulb: 64.20" + degrees + "    "},
       " Cursor: DB 77.0" + degrees + ",  WB 64.2" + degrees +
           ",  RH 50.0%  AH 69.2gr/lb  (ASHRAE 2017)"},
      // The chart formulas' enthalpy moved to the inch-pound datum: (50.33 + 17.88) / 2.326.
      {PropertyModel::ChartFormulas,
       {" Dry Bulb: 77.00" + degrees + "    ", " Rel.Humidity: 50.00%    ",
        " Abs.Humidity: 70.25gr/lb    ", " Vap.Pressure: 0.474inHg    ",
        " Volume: 13.747ft3/lb    ", " Enthalpy: 29.33Btu/lb    ",
        " Dew Point: 57.40" + degrees + "    ", " Wet Bulb: 64.14" + degrees + "    "},
       " Cursor: DB 77.0" + degrees + ",  WB 64.1" + degrees + ",  RH 50.0%  AH 70.3gr/lb"},
  };
  for (const Case& c : cases) {
    TestChart chart;
    ChartSettings& settings = chart.settings;
    settings.SetPropertyModel(c.model);
    settings.SetUnitSystem(UnitSystem::Ip);
    settings.SetPressure(
        static_cast<float>(settings.GetUnits().FromShown(Quantity::Pressure, 14.696)));
    settings.SetVerticalAxisUnits(VerticalAxisUnits::RelativeHumidity);
    settings.SetPointFromUnits(25.0f, 50.0f, 0);
    BuildPointTable(settings);
    EXPECT_EQ(TableRows(settings), c.rows);
    EXPECT_EQ(CursorStatusText(settings.CursorState(), settings.GetUnits()), c.status);
  }
}

}  // namespace
}  // namespace hygrovia
