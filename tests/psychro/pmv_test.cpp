#include "psychro/pmv.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>


namespace hygrovia {
namespace {

// Water vapour pressure (Pa) at air temperature ta (°C) and relative humidity rh (%), with the
// saturation formula ISO 7730 uses for its examples.
double VapourPressure(double ta, double rh) {
  return rh * 10.0 * std::exp(16.6536 - 4030.183 / (ta + 235.0));
}

// The examples ISO 7730 gives for checking a computer program (Table D.1): the inputs, the
// mean vote and the percentage of dissatisfied as the standard prints them. The standard's
// own program stops its clothing iteration at 0.015 K, which moves its votes by up to about
// 0.01 from the exact root this model finds.
TEST(Pmv, MatchesTheStandardsValidationTable) {
  struct Case {
    double ta, tr, speed, rh, met, clo;
    double pmv;
    double ppd;
  };
  const Case cases[] = {
      {22.0, 22.0, 0.10, 60, 1.2, 0.5, -0.75, 17}, {27.0, 27.0, 0.10, 60, 1.2, 0.5, 0.77, 17},
      {27.0, 27.0, 0.30, 60, 1.2, 0.5, 0.44, 9},   {23.5, 25.5, 0.10, 60, 1.2, 0.5, -0.01, 5},
      {23.5, 25.5, 0.30, 60, 1.2, 0.5, -0.55, 11}, {19.0, 19.0, 0.10, 40, 1.2, 1.0, -0.60, 13},
      {23.5, 23.5, 0.30, 40, 1.2, 1.0, 0.12, 5},   {23.0, 21.0, 0.10, 40, 1.2, 1.0, 0.05, 5},
      {23.0, 21.0, 0.30, 40, 1.2, 1.0, -0.16, 6},  {22.0, 22.0, 0.10, 60, 1.6, 0.5, 0.05, 5},
      {27.0, 27.0, 0.10, 60, 1.6, 0.5, 1.17, 34},  {27.0, 27.0, 0.30, 60, 1.6, 0.5, 0.95, 24},
  };
  for (const Case& c : cases) {
    ThermalConditions conditions;
    conditions.airTemperature = c.ta;
    conditions.radiantTemperature = c.tr;
    conditions.airSpeed = c.speed;
    conditions.vapourPressure = VapourPressure(c.ta, c.rh);
    conditions.metabolicRate = c.met;
    conditions.clothing = c.clo;
    const double pmv = PredictedMeanVote(conditions);
    SCOPED_TRACE(testing::Message() << c.ta << " °C, " << c.tr << " °C, " << c.speed << " m/s, "
                                    << c.met << " met, " << c.clo << " clo");
    EXPECT_NEAR(pmv, c.pmv, 0.01);
    EXPECT_NEAR(PredictedPercentageDissatisfied(pmv), c.ppd, 1.0);
  }
}

// The clothing balance has one root, so sweeping the inputs over and beyond the model's
// range must give finite votes that grow with the temperature, never a hang or NaN.
TEST(Pmv, GrowsWithTemperatureAndStaysFiniteOverAWideSweep) {
  for (const double met : {0.8, 1.1, 2.0, 4.0}) {
    for (const double clo : {0.0, 0.05, 0.5, 1.0, 2.0}) {
      for (const double speed : {0.0, 0.1, 1.0, 3.0}) {
        double previous = -std::numeric_limits<double>::infinity();
        for (double t = -20.0; t <= 50.0; t += 2.5) {
          ThermalConditions c{t, t, speed, 1200.0, met, clo, 0.0};
          const double pmv = PredictedMeanVote(c);
          ASSERT_TRUE(std::isfinite(pmv)) << met << " met " << clo << " clo " << t << " °C";
          EXPECT_GT(pmv, previous) << met << " met " << clo << " clo " << t << " °C";
          previous = pmv;
        }
      }
    }
  }
  ThermalConditions bad;
  bad.airTemperature = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(PredictedMeanVote(bad)));
  EXPECT_DOUBLE_EQ(PredictedPercentageDissatisfied(0.0), 5.0);
}

}  // namespace
}  // namespace hygrovia
