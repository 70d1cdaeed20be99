#include "process/process_table.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "process/process_cells.h"
#include "support/test_chart.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

using testing::TestChart;

// The chart's point at dry bulb t (°C) and relative humidity rh (%).
ChartPoint AtRelHumidity(const ChartSettings& chart, float t, float rh) {
  return {t, static_cast<float>(chart.CursorState().HumidityFromRelHumidity(t, rh))};
}

std::vector<std::string> Names(const ProcessTable& table) {
  std::vector<std::string> names;
  for (const ProcessRow& row : table.Rows) names.push_back(row.Name);
  return names;
}

// Cooling and dehumidifying 1 m³/s from 30 °C, 50 % to 14 °C, 90 % at 101.325 kPa, with the
// chart's air state (Antoine saturation, h = t + 2.525252525 W, v = (t + 0.4854368 W + 270.5)
// / 350), worked by hand:
//   30 °C: Ps = 10^(8.10765 - 1750.286 / 265) = 31.8271 mmHg,
//          Ws = 622 × 31.8271 / (7.5 × 101.325 - 31.8271) = 27.1888 g/kg, W1 = 13.5944 g/kg,
//          h1 = 30 + 2.525252525 × 13.5944 = 64.3293 kJ/kg, v1 = 0.877426 m³/kg
//   14 °C: Ps = 11.9781 mmHg, Ws = 9.96096 g/kg, W2 = 8.96487 g/kg, h2 = 36.6386 kJ/kg
//   m = 1 / 0.877426 = 1.13970 kg/s
//   total = 1.13970 × (36.6386 - 64.3293) = -31.559 kW
//   sensible = 1.13970 × (h(14, W1) - h(30, W1)) = 1.13970 × -16 = -18.235 kW
//   latent = -31.559 + 18.235 = -13.324 kW, SHR = 18.235 / 31.559 = 0.5778
//   moisture = 1.13970 × (8.96487 - 13.5944) / 1000 × 3600 = -18.995 kg/h
TEST(ProcessTableTest, CoolingCoilLoadsMatchTheHandCalculationInEveryFlowUnit) {
  TestChart t;
  ChartSettings& chart = t.settings;
  chart.SetPressure(101.325f);
  const ChartPoint on = AtRelHumidity(chart, 30.0f, 50.0f);
  const ChartPoint off = AtRelHumidity(chart, 14.0f, 90.0f);
  chart.Nodes.AppendPoint(on.X, on.Y);
  chart.Nodes.AppendPoint(off.X, off.Y);
  struct Case {
    Airflow flow;
    double massFlow;
  };
  const Case cases[] = {
      {{1.0, FlowUnit::CubicMetresPerSecond}, 1.13970},
      {{3600.0, FlowUnit::CubicMetresPerHour}, 1.13970},
      {{1000.0, FlowUnit::LitresPerSecond}, 1.13970},
      {{1.13970, FlowUnit::KilogramsPerSecond}, 1.13970},
      {{2.0, FlowUnit::CubicMetresPerSecond}, 2.27939},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flow.value);
    ProcessTable table;
    BuildProcessTable(chart, c.flow, table);
    ASSERT_GE(table.Rows.size(), 3u);
    const ProcessRow& step = table.Rows[1];
    ASSERT_TRUE(step.IsStep);
    const double scale = c.massFlow / 1.13970;
    EXPECT_NEAR(step.Loads.MassFlow, c.massFlow, 1e-4);
    EXPECT_NEAR(step.Loads.DeltaDryBulb, -16.0, 1e-4);
    EXPECT_NEAR(step.Loads.DeltaMoisture, 8.96487 - 13.5944, 1e-4);
    EXPECT_NEAR(step.Loads.DeltaEnthalpy, 36.6386 - 64.3293, 1e-3);
    EXPECT_NEAR(step.Loads.Total, -31.559 * scale, 2e-3 * scale);
    EXPECT_NEAR(step.Loads.Sensible, -18.235 * scale, 2e-3 * scale);
    EXPECT_NEAR(step.Loads.Latent, -13.324 * scale, 2e-3 * scale);
    EXPECT_NEAR(step.Loads.MoistureRate, -18.995 * scale, 2e-3 * scale);
    ASSERT_TRUE(step.Loads.SensibleHeatRatio.has_value());
    EXPECT_NEAR(*step.Loads.SensibleHeatRatio, 0.5778, 1e-4);
  }
}

TEST(ProcessTableTest, RowsRunThroughTheNodesThenTheCursorAndArrow) {
  struct Case {
    int nodes;
    bool relative;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {0, false, {"Cursor"}},
      {0, true, {"Cursor", "Cursor to Arrow", "Arrow"}},
      {1, false, {"1", "Cursor"}},
      {3, true, {"1", "1 to 2", "2", "2 to 3", "3", "Cursor", "Cursor to Arrow", "Arrow"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nodes);
    TestChart t;
    for (int i = 0; i < c.nodes; ++i)
      t.settings.Nodes.AppendPoint(20.0f + static_cast<float>(i), 8.0f);
    t.settings.SetRelativeCursor(c.relative);
    ProcessTable table;
    // A second build into the same table must not keep rows of the first.
    BuildProcessTable(t.settings, {}, table);
    t.settings.Nodes.AppendPoint(40.0f, 8.0f);
    t.settings.Nodes.DeleteSelected();
    BuildProcessTable(t.settings, {}, table);
    EXPECT_EQ(Names(table), c.names);
    for (const ProcessRow& row : table.Rows) {
      const bool arrowSide = row.Kind == ProcessPointKind::Arrow;
      EXPECT_EQ(row.Node >= 0, row.Kind == ProcessPointKind::Node) << row.Name;
      EXPECT_FALSE(row.IsStep && arrowSide) << "a step belongs to its first point";
    }
  }
}

// Each point shows what the chart's air state says of it, capped as the state caps it.
TEST(ProcessTableTest, PointPropertiesComeFromTheChartsAirState) {
  TestChart t;
  t.settings.SetPressure(90.0f);
  const ChartPoint points[] = {{25.0f, 10.0f}, {-5.0f, 1.0f}, {30.0f, 100.0f}, {120.0f, 5.0f}};
  for (const ChartPoint p : points) t.settings.Nodes.AppendPoint(p.X, p.Y);
  ProcessTable table;
  BuildProcessTable(t.settings, {}, table);
  for (std::size_t i = 0; i < std::size(points); ++i) {
    SCOPED_TRACE(i);
    AirState air;
    air.Pressure = 90.0;
    air.SetFromHumidity(points[i].X, points[i].Y);
    const AirProperties& shown = table.Rows[2 * i].Air;
    EXPECT_EQ(shown.DryBulb, air.DryBulb);
    EXPECT_EQ(shown.AbsHumidity, air.AbsHumidity);
    EXPECT_EQ(shown.RelHumidity, air.RelHumidity);
    EXPECT_EQ(shown.WetBulb, air.WetBulb);
    EXPECT_EQ(shown.DewPoint, air.DewPoint);
    EXPECT_EQ(shown.Enthalpy, air.Enthalpy);
    EXPECT_EQ(shown.Volume, air.Volume);
    EXPECT_EQ(shown.VapPressure, air.VapPressure);
  }
}

TEST(ProcessTableTest, CellsShowPointsStepsAndNoRatioWithoutLoad) {
  TestChart t;
  t.settings.Nodes.AppendPoint(25.0f, 10.0f);
  t.settings.Nodes.AppendPoint(25.0f, 10.0f);
  t.settings.Nodes.AppendPoint(35.0f, 10.0f);
  ProcessTable table;
  BuildProcessTable(t.settings, {0.5, FlowUnit::KilogramsPerSecond}, table);
  const TextCells cells = ProcessTableCells(table, QuantityText::Si());
  ASSERT_EQ(cells.size(), 7u);
  // The point rows' text is checked whole by the CSV test.
  EXPECT_EQ(cells[1][0], "1");
  // No change between equal points: no load, so no ratio.
  const std::vector<std::string> still = {"1 to 2", "",  "0.00", "",      "0.00", "",     "",
                                          "0.00",   "",  "",     "0.500", "0.00", "0.00", "0.00",
                                          "0.00",   "-", "",     "",      ""};
  EXPECT_EQ(cells[2], still);
  // Heating at constant moisture: total and sensible 0.5 × 10 = 5.00 kW from the chart's own
  // enthalpy, no latent part, a ratio of 1.
  const std::vector<std::string> heating = {
      "2 to 3", "",     "10.00", "",     "0.00", "",     "", "10.00", "", "",
      "0.500",  "5.00", "0.00",  "5.00", "0.00", "1.00", "", "",      ""};
  EXPECT_EQ(cells[4], heating);
  EXPECT_EQ(cells[6][0], "Cursor");
}

}  // namespace
}  // namespace hygrovia
