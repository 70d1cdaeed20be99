#include "psychro/ashrae_model.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "psychro/air_state.h"

namespace hygrovia {
namespace {

AirState StateIn(PropertyModel model, double pressure) {
  AirState state;
  state.Model = model;
  state.Pressure = pressure;
  return state;
}

// One row of the reference file: a state given by dry bulb, relative humidity and pressure,
// and its properties.
struct ReferenceRow {
  double dryBulb, relHumidity, pressure;
  double humidity, wetBulb, dewPoint, vapPressure, enthalpy, volume;
};

std::vector<ReferenceRow> ReadReference() {
  std::ifstream in(HYGROVIA_TEST_DATA_DIR "/ashrae2017-states.csv");
  std::vector<ReferenceRow> rows;
  std::string line;
  std::getline(in, line);  // the column names
  while (std::getline(in, line)) {
    std::replace(line.begin(), line.end(), ',', ' ');
    std::istringstream fields(line);
    fields.imbue(std::locale::classic());
    ReferenceRow r{};
    fields >> r.dryBulb >> r.relHumidity >> r.pressure >> r.humidity >> r.wetBulb >> r.dewPoint >>
        r.vapPressure >> r.enthalpy >> r.volume;
    if (fields) rows.push_back(r);
  }
  return rows;
}

// Half a unit in the last printed decimal, and a little for the printing's own rounding.
double Printed(int decimals) { return 0.5 * std::pow(10.0, -decimals) * (1.0 + 1e-6); }

TEST(AshraeModel, ReproducesEveryReferenceState) {
  const std::vector<ReferenceRow> rows = ReadReference();
  ASSERT_EQ(rows.size(), 280u);
  for (const ReferenceRow& r : rows) {
    AirState air = StateIn(PropertyModel::Ashrae2017, r.pressure);
    const double humidity = air.HumidityFromRelHumidity(r.dryBulb, r.relHumidity);
    air.SetFromHumidity(r.dryBulb, humidity);
    const std::string row = std::to_string(r.dryBulb) + " °C, " + std::to_string(r.relHumidity) +
                            " %, " + std::to_string(r.pressure) + " kPa";
    const double saturation = ashrae::SaturationPressure(r.dryBulb);
    if (0.01 * r.relHumidity * saturation >= r.pressure) {
      // The reference's library holds a humidity ratio it cannot compute (the saturation
      // pressure above the barometric) at 1e-7 kg/kg, so these saturated rows read as dry air.
      // Here saturated air beyond the boiling point holds the air state's ceiling instead.
      EXPECT_EQ(air.AbsHumidity, AirState::kSaturationHumidityCeiling) << row;
      EXPECT_DOUBLE_EQ(r.humidity, 0.0001) << row;
      continue;
    }
    EXPECT_NEAR(air.AbsHumidity, r.humidity, 1e-6) << row;
    EXPECT_NEAR(air.DewPoint, r.dewPoint, 0.002) << row;
    EXPECT_NEAR(air.VapPressure, r.vapPressure, Printed(6)) << row;
    EXPECT_NEAR(air.Enthalpy, r.enthalpy, Printed(5)) << row;
    EXPECT_NEAR(air.Volume, r.volume, Printed(6)) << row;
    EXPECT_NEAR(air.RelHumidity, r.relHumidity, 1e-9) << row;
    if (r.wetBulb > ashrae::DewPoint(r.pressure)) {
      // The reference's wet-bulb search tried temperatures above the boiling point, where it
      // took the saturation ratio as 1e-7 kg/kg, and ended at the dry bulb. The root of
      // equation 33 lies below the boiling point: its ratio is the state's.
      EXPECT_LT(air.WetBulb, ashrae::DewPoint(r.pressure)) << row;
      EXPECT_NEAR(ashrae::RatioOnWetBulbLine(air.WetBulb, r.dryBulb, r.pressure) * 1000.0,
                  air.AbsHumidity, 1e-6 * air.AbsHumidity)
          << row;
      continue;
    }
    EXPECT_NEAR(air.WetBulb, r.wetBulb, 0.002) << row;
  }
}

TEST(AshraeModel, PressureFollowsTheStandardAtmosphere) {
  struct Case {
    double altitude;  // m
    double pressure;  // kPa, to the printed decimals
  };
  const Case cases[] = {{-400, 106.223}, {0, 101.325}, {201, 98.934},
                        {1000, 89.875},  {1500, 84.556}, {5000, 54.020}};
  for (const Case& c : cases) {
    EXPECT_NEAR(ashrae::PressureAtAltitude(c.altitude), c.pressure, Printed(3)) << c.altitude;
    EXPECT_NEAR(ashrae::AltitudeAtPressure(ashrae::PressureAtAltitude(c.altitude)), c.altitude,
                1e-6)
        << c.altitude;
  }
  // Beyond the top of equation 3 and below sea level the values stay usable.
  EXPECT_EQ(ashrae::PressureAtAltitude(50000.0), 0.0);
  EXPECT_EQ(ashrae::PressureAtAltitude(1.0e6), 0.0);
  EXPECT_GT(ashrae::PressureAtAltitude(-2500.0), 131.0);
  EXPECT_NEAR(ashrae::AltitudeAtPressure(0.0), 44330.8, 0.1);
}

TEST(AshraeModel, IceAndWaterMeetAtTheTriplePoint) {
  // The saturation pressure is continuous where the formula changes from ice to water.
  const double below = ashrae::SaturationPressure(0.01 - 1e-9);
  const double above = ashrae::SaturationPressure(0.01);
  EXPECT_NEAR(below / above, 1.0, 1e-8);
  EXPECT_NEAR(ashrae::SaturationPressure(0.0), 0.611154, Printed(6));
  // Drying air a little above freezing takes its wet bulb from equation 33 down to 0 °C, then
  // from equation 35 below: the line functions switch with it, so every wet bulb reads back
  // its state, and it steps (by a few tenths of a degree) only where it crosses 0 °C.
  for (const double pressure : {54.02, 101.325}) {
    for (const double dryBulb : {1.0, 2.0, 4.0}) {
      const double saturation =
          ashrae::HumidityRatio(ashrae::SaturationPressure(dryBulb), pressure);
      double previous = ashrae::WetBulb(dryBulb, saturation, pressure);
      bool frozen = false;
      for (double ratio = saturation; ratio > 0.0; ratio -= saturation / 1000.0) {
        const double wetBulb = ashrae::WetBulb(dryBulb, ratio, pressure);
        const std::string what = std::to_string(ratio) + " kg/kg at " + std::to_string(dryBulb) +
                                 " °C, " + std::to_string(pressure) + " kPa";
        EXPECT_NEAR(ashrae::RatioOnWetBulbLine(wetBulb, dryBulb, pressure), ratio, 1e-9) << what;
        EXPECT_LE(wetBulb, previous + 1e-9) << what;
        const bool crossed = wetBulb < 0.0 && previous >= 0.0;
        EXPECT_GT(wetBulb, previous - (crossed ? 0.3 : 0.02)) << what;
        frozen = frozen || crossed;
        previous = wetBulb;
      }
      EXPECT_TRUE(frozen) << dryBulb;
    }
  }
}

// Bisection to 1e-10 °C of a rising function, for checking the Newton solutions.
template <typename Function>
double Bisect(const Function& f, double lo, double hi) {
  for (int i = 0; i < 200 && hi - lo > 1e-10; ++i) {
    const double mid = 0.5 * (lo + hi);
    (f(mid) < 0.0 ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

TEST(AshraeModel, DewPointAndWetBulbAreSolvedTo1e6) {
  for (const double pressure : {51.365, 84.556, 101.325, 131.365}) {
    for (double t = -60.0; t <= 80.0; t += 7.0) {
      for (const double rh : {0.5, 5.0, 30.0, 70.0, 99.0}) {
        AirState air = StateIn(PropertyModel::Ashrae2017, pressure);
        air.SetFromHumidity(t, air.HumidityFromRelHumidity(t, rh));
        const double ratio = air.AbsHumidity / 1000.0;
        const double dew = Bisect(
            [&](double u) { return ashrae::SaturationPressure(u) - air.VapPressure; }, -100, t);
        const double wet = Bisect(
            [&](double u) { return ashrae::RatioOnWetBulbLine(u, t, pressure) - ratio; }, dew, t);
        const std::string what = std::to_string(t) + " °C, " + std::to_string(rh) + " % at " +
                                 std::to_string(pressure) + " kPa";
        EXPECT_NEAR(air.DewPoint, dew, 1e-6) << what;
        EXPECT_NEAR(air.WetBulb, wet, 1e-6) << what;
      }
    }
  }
  // Over the whole range, finely, and around the triple point, where the saturation formula
  // changes from ice to water.
  std::vector<double> vapours;
  for (double t = -99.9; t < 200.0; t += 0.0731) vapours.push_back(ashrae::SaturationPressure(t));
  const double triple = ashrae::SaturationPressure(0.01);
  for (int k = -20; k <= 20; ++k) vapours.push_back(triple * (1.0 + 2e-4 * k));
  for (const double vapour : vapours) {
    const double dew =
        Bisect([&](double u) { return ashrae::SaturationPressure(u) - vapour; }, -100.0, 200.0);
    EXPECT_NEAR(ashrae::DewPoint(vapour), dew, 1e-6) << vapour << " kPa";
  }
}

// The same round trips hold in both models.
class BothModels : public ::testing::TestWithParam<PropertyModel> {};

TEST_P(BothModels, RoundTripsHold) {
  for (const double pressure : {51.365, 101.325, 131.365}) {
    const AirState air = StateIn(GetParam(), pressure);
    for (double t = -40.0; t <= 75.0; t += 2.5) {
      for (const double rh : {1.0, 37.0, 100.0}) {
        const std::string what = std::to_string(t) + " °C, " + std::to_string(rh) + " % at " +
                                 std::to_string(pressure) + " kPa";
        const double humidity = air.HumidityFromRelHumidity(t, rh);
        EXPECT_NEAR(air.RelHumidityFromHumidity(t, humidity), rh, 1e-9 * rh) << what;
        AirState state = air;
        state.SetFromHumidity(t, humidity);
        EXPECT_NEAR(state.RelHumidity, rh, 1e-9 * rh) << what;
        // The chart formulas interpolate the wet bulb between 5 °C nodes and extrapolate it
        // below 0 °C, so only ASHRAE's lies between dew point and dry bulb everywhere.
        if (GetParam() == PropertyModel::Ashrae2017) {
          EXPECT_LE(state.WetBulb, t) << what;
          EXPECT_LE(state.DewPoint, state.WetBulb) << what;
        }
        // The dew point's saturation moisture is the state's moisture.
        if (humidity > 0.0) {
          EXPECT_NEAR(air.SaturationHumidity(state.DewPoint), humidity, 1e-6 * humidity + 1e-9)
              << what;
        }
        EXPECT_NEAR(air.HumidityFromVapourPressure(air.VapourPressureFromHumidity(humidity)),
                    humidity, 1e-12 * humidity + 1e-15)
            << what;
      }
      EXPECT_EQ(air.HumidityAtSaturationShare(t, 1.0), air.SaturationHumidity(t));
    }
  }
}

TEST_P(BothModels, SweepGivesOnlyFiniteValues) {
  for (const double pressure : {1.0, 51.365, 101.325, 131.365, 1000.0}) {
    AirState state = StateIn(GetParam(), pressure);
    for (const double t : {-1e30, -500.0, -273.15, -150.0, -100.0, 0.0, 0.01, 60.0, 99.9, 100.0,
                           150.0, 250.0, 1e30}) {
      for (const double w : {-1e30, -1000.0, -1.0, 0.0, 1e-20, 5.0, 100.0, 1e6, 1e30}) {
        state.SetFromHumidity(t, w);
        const double fields[] = {state.DryBulb,     state.WetBulb,     state.AbsHumidity,
                                 state.RelHumidity, state.VapPressure, state.Volume,
                                 state.DewPoint,    state.Enthalpy};
        for (const double field : fields) {
          EXPECT_TRUE(std::isfinite(field)) << t << " °C, " << w << " g/kg, " << pressure;
        }
        EXPECT_TRUE(std::isfinite(state.RelHumidityFromHumidity(t, w)));
        EXPECT_TRUE(std::isfinite(state.HumidityFromRelHumidity(t, w)));
        EXPECT_TRUE(std::isfinite(state.WetBulbFromHumidity(t, w)));
        EXPECT_TRUE(std::isfinite(state.DewPointFromHumidity(w)));
        EXPECT_TRUE(std::isfinite(state.HumidityFromVapourPressure(w)));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AirState, BothModels,
                         ::testing::Values(PropertyModel::ChartFormulas,
                                           PropertyModel::Ashrae2017));

}  // namespace
}  // namespace hygrovia
