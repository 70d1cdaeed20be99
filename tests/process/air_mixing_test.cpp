#include "process/air_mixing.h"

#include <cmath>

#include <gtest/gtest.h>

#include "psychro/air_state.h"

namespace hygrovia {
namespace {

// With the chart's air state the enthalpy is linear in dry bulb and moisture, so the mixed
// state lies on the straight line between the two streams, dividing it in the inverse ratio
// of their dry-air mass flows (the lever rule).
TEST(AirMixingTest, MixtureFollowsTheLeverRuleOnTheChart) {
  AirState air;
  air.ResetState();
  const ChartPoint outdoor{32.0f, 16.0f};
  const ChartPoint room{24.0f, 9.0f};
  AirState a = air;
  AirState b = air;
  a.SetFromHumidity(outdoor.X, outdoor.Y);
  b.SetFromHumidity(room.X, room.Y);
  struct Case {
    Airflow first, second;
    double m1, m2;  // kg/s
  };
  const Case cases[] = {
      {{1.0, FlowUnit::KilogramsPerSecond}, {3.0, FlowUnit::KilogramsPerSecond}, 1.0, 3.0},
      {{2.0, FlowUnit::KilogramsPerSecond}, {2.0, FlowUnit::KilogramsPerSecond}, 2.0, 2.0},
      {{0.0, FlowUnit::KilogramsPerSecond}, {1.0, FlowUnit::KilogramsPerSecond}, 0.0, 1.0},
      // Volume flows are taken at each stream's own state.
      {{1.0, FlowUnit::CubicMetresPerSecond},
       {1.0, FlowUnit::CubicMetresPerSecond},
       1.0 / a.Volume,
       1.0 / b.Volume},
      {{500.0, FlowUnit::LitresPerSecond},
       {5400.0, FlowUnit::CubicMetresPerHour},
       0.5 / a.Volume,
       1.5 / b.Volume},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.m1);
    const auto mixed = MixStreams(air, {outdoor, c.first}, {room, c.second});
    ASSERT_TRUE(mixed.has_value());
    const double share = c.m2 / (c.m1 + c.m2);  // of the way from the first to the second
    EXPECT_NEAR(mixed->X, outdoor.X + share * (room.X - outdoor.X), 1e-4);
    EXPECT_NEAR(mixed->Y, outdoor.Y + share * (room.Y - outdoor.Y), 1e-4);
  }
}

TEST(AirMixingTest, NoAirNegativeFlowAndMist) {
  AirState air;
  air.ResetState();
  const ChartPoint cold{2.0f, static_cast<float>(air.SaturationHumidity(2.0))};
  const ChartPoint warm{40.0f, static_cast<float>(air.SaturationHumidity(40.0))};
  const Airflow none{0.0, FlowUnit::CubicMetresPerSecond};
  const Airflow one{1.0, FlowUnit::KilogramsPerSecond};
  const Airflow negative{-1.0, FlowUnit::KilogramsPerSecond};
  EXPECT_FALSE(MixStreams(air, {cold, none}, {warm, none}).has_value());
  EXPECT_FALSE(MixStreams(air, {cold, negative}, {warm, one}).has_value());
  // Two saturated streams mix beyond saturation: the result is saturated air of the mean
  // enthalpy, and the mist takes the rest of the water.
  const auto mist = MixStreams(air, {cold, one}, {warm, one});
  ASSERT_TRUE(mist.has_value());
  AirState a = air;
  AirState b = air;
  AirState m = air;
  a.SetFromHumidity(cold.X, cold.Y);
  b.SetFromHumidity(warm.X, warm.Y);
  m.SetFromHumidity(mist->X, mist->Y);
  EXPECT_NEAR(m.RelHumidity, 100.0, 1e-3);
  EXPECT_NEAR(m.Enthalpy, 0.5 * (a.Enthalpy + b.Enthalpy), 1e-3);
  EXPECT_LT(m.AbsHumidity, 0.5 * (a.AbsHumidity + b.AbsHumidity));
}

}  // namespace
}  // namespace hygrovia
