#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "process/coil.h"
#include "process/process_table.h"
#include "psychro/air_state.h"
#include "support/test_chart.h"

namespace hygrovia {
namespace {

using testing::TestChart;

// Outdoor air, off the mixing box, off the coil, after the reheat: 35 °C 18 g/kg, 27 °C 11.5,
// 12 °C 8.3 and 18 °C 8.3 in the ASHRAE model at 101.325 kPa, 2 m³/s. By hand:
//   v(OA) = 0.287042 × 308.15 × (1 + 1.607858 × 0.018) / 101.325 = 0.89822 m³/kg
//   h(27, 11.5) = 1.006 × 27 + 0.0115 × (2501 + 1.86 × 27) = 56.5013 kJ/kg
//   h(12, 8.3) = 1.006 × 12 + 0.0083 × (2501 + 1.86 × 12) = 33.0155 kJ/kg, Δh = -23.4858
//   volume at OA: m = 2 / 0.89822 = 2.22663 kg/s, coil total = -52.294 kW
//   standard air: m = 2 × 1.204 = 2.408 kg/s, coil total = -56.554 kW
TEST(ProcessChainTest, OneStreamCarriesOneMassFlowWithEveryReference) {
  TestChart t;
  ChartSettings& chart = t.settings;
  chart.SetPressure(101.325f);
  chart.SetPropertyModel(PropertyModel::Ashrae2017);
  for (const ChartPoint p :
       {ChartPoint{35, 18}, ChartPoint{27, 11.5f}, ChartPoint{12, 8.3f}, ChartPoint{18, 8.3f}}) {
    chart.Nodes.AppendPoint(p.X, p.Y);
  }
  struct Case {
    Airflow flow;
    FlowReference reference;
    double massFlow;
    double coil;
  };
  const Case cases[] = {
      {{2.0, FlowUnit::CubicMetresPerSecond}, FlowReference::FirstPoint, 2.22663, -52.294},
      {{2.0, FlowUnit::CubicMetresPerSecond}, FlowReference::StandardAir, 2.408, -56.554},
      {{2.22663, FlowUnit::KilogramsPerSecond}, FlowReference::FirstPoint, 2.22663, -52.294},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.reference));
    ProcessTable table;
    BuildProcessTable(chart, c.flow, c.reference, table);
    for (const std::size_t step : {1u, 3u, 5u}) {
      EXPECT_NEAR(table.Rows[step].Loads.MassFlow, c.massFlow, 2e-4) << step;
    }
    EXPECT_NEAR(table.Rows[3].Loads.Total, c.coil, 0.01);
  }
}

// Heating at one moisture has no latent part and cooling at one dry bulb no sensible part, in
// either model, to the last bit.
TEST(ProcessChainTest, LatentAndSensibleVanishExactlyWhereNothingChanges) {
  for (const PropertyModel model : {PropertyModel::ChartFormulas, PropertyModel::Ashrae2017}) {
    TestChart t;
    t.settings.SetPropertyModel(model);
    t.settings.Nodes.AppendPoint(19.5f, 9.6f);
    t.settings.Nodes.AppendPoint(22.5f, 9.6f);
    t.settings.Nodes.AppendPoint(22.5f, 12.0f);
    ProcessTable table;
    BuildProcessTable(t.settings, {1.0, FlowUnit::CubicMetresPerSecond}, table);
    const StepLoads& heating = table.Rows[1].Loads;
    EXPECT_EQ(heating.Latent, 0.0);
    EXPECT_EQ(heating.SensibleHeatRatio, 1.0);
    const StepLoads& wetting = table.Rows[3].Loads;
    EXPECT_EQ(wetting.Sensible, 0.0);
    EXPECT_EQ(wetting.SensibleHeatRatio, 0.0);
  }
}

// 26 °C 12 g/kg to 16 °C 9 g/kg in the ASHRAE model at 101.325 kPa: the line W = 9 + 0.3 (t -
// 16) meets saturation where 0.621945 pws / (p - pws) = W; at 7.64 °C (280.79 K) equation 6
// gives pws = 1.0462 kPa and 6.489 g/kg, the line 6.492. Bypass factor (16 - 7.64) / (26 -
// 7.64) = 0.4553. A line too
// flat to reach saturation (30/15 to 20/10) has none, nor has a step that heats.
TEST(ProcessChainTest, CoilApparatusDewPointAndBypassFactor) {
  AirState air;
  air.Model = PropertyModel::Ashrae2017;
  air.Pressure = 101.325;
  const std::optional<CoilFigures> coil = CoilOf(air, 26.0, 12.0, 16.0, 9.0);
  ASSERT_TRUE(coil.has_value());
  EXPECT_NEAR(coil->ApparatusDewPoint, 7.64, 0.03);
  EXPECT_NEAR(coil->BypassFactor, 0.4553, 0.003);
  EXPECT_NEAR(coil->ContactFactor, 1.0 - 0.4553, 0.003);
  EXPECT_FALSE(CoilOf(air, 30.0, 15.0, 20.0, 10.0).has_value());
  EXPECT_FALSE(CoilOf(air, 16.0, 9.0, 26.0, 8.0).has_value());
}

}  // namespace
}  // namespace hygrovia
