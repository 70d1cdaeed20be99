#include "psychro/air_state.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/number_text.h"
#include "psychro/geometry.h"

namespace hygrovia {
namespace {

constexpr double kStandardPressure = 101.365;  // kPa, the start-up default
constexpr double kLowestPressure = 51.365;     // kPa, the chart's limits
constexpr double kHighestPressure = 131.365;
constexpr double kChartPressures[] = {kLowestPressure, kStandardPressure, kHighestPressure};

AirState StateAt(double pressure) {
  AirState state;
  state.Pressure = pressure;
  return state;
}

// Half a unit in the last decimal shown, so that a value "shown as 3.759" must round to it.
double ShownTo(int decimals) { return 0.5 * std::pow(10.0, -decimals); }

// The wet-bulb search as written out: for each 5 °C node from 0 to 145 °C, the line value
// T + 2.4528 × saturation moisture in extended precision; at the first node after node 0 above
// the target, interpolate from the node before in single precision; 0 when there is none.
// State is anything with SaturationHumidity(dryBulb).
template <class State>
double PlainScanWetBulb(const State& state, double dryBulb, double absHumidity) {
  const long double slope = 2.4528;
  const long double target = dryBulb + slope * absHumidity;
  long double previous = 0.0L;
  for (int i = 0; i < 30; ++i) {
    const double node = 5.0 * i;
    const long double line = node + slope * state.SaturationHumidity(node);
    if (i > 0 && line > target) {
      return LinearInterpolate(static_cast<float>(target), static_cast<float>(previous),
                               static_cast<float>(line), static_cast<float>(node - 5.0),
                               static_cast<float>(node));
    }
    previous = line;
  }
  return 0.0;
}

TEST(AirState, SaturationHumidityAtStandardPressure) {
  struct Case {
    double dryBulb;
    double expected;
  };
  const Case cases[] = {{0, 3.759},   {10, 7.616},  {20, 14.681}, {25, 20.064},
                        {30, 27.178}, {40, 48.824}, {50, 86.199}};
  const AirState state = StateAt(kStandardPressure);
  for (const Case& t : cases) {
    EXPECT_NEAR(state.SaturationHumidity(t.dryBulb), t.expected, ShownTo(3)) << t.dryBulb << " °C";
  }
}

TEST(AirState, SetFromHumidityAtStandardPressure) {
  // NaN marks a field the case does not look at; precision is the shown decimals.
  constexpr double kAny = NAN;
  struct Case {
    double dryBulb, absHumidity;
    double wetBulb, relHumidity, dewPoint, enthalpy, volume, vapPressure, storedHumidity;
  };
  const Case cases[] = {
      {25, 10, 17.83, 49.84, 14.07, 50.2525, 0.85816, 1.6, 10},
      {20, 0, 5.85, 0, -19.12, 20, 0.83, 0, 0},
      {30, 100, 30, 100, 30, kAny, kAny, kAny, 27.178},      // cut to saturation
      {-5, 1, -6.54, kAny, -16.79, -2.4747, kAny, 0.16, 1},  // wet bulb extrapolated below 0 °C
      {20, -3, 5.85, 0, -19.12, 20, 0.83, 0, 0},             // negative moisture stored as 0
  };
  AirState state = StateAt(kStandardPressure);
  const auto check = [](double actual, double expected, int decimals, const char* field,
                        const Case& t) {
    if (std::isnan(expected)) return;
    EXPECT_NEAR(actual, expected, ShownTo(decimals))
        << field << " of (" << t.dryBulb << " °C, " << t.absHumidity << " g/kg)";
  };
  for (const Case& t : cases) {
    state.SetFromHumidity(t.dryBulb, t.absHumidity);
    EXPECT_EQ(state.DryBulb, t.dryBulb);
    EXPECT_EQ(state.Pressure, kStandardPressure);
    check(state.WetBulb, t.wetBulb, 2, "WetBulb", t);
    check(state.RelHumidity, t.relHumidity, 2, "RelHumidity", t);
    check(state.DewPoint, t.dewPoint, 2, "DewPoint", t);
    check(state.Enthalpy, t.enthalpy, 4, "Enthalpy", t);
    check(state.Volume, t.volume, 5, "Volume", t);
    check(state.VapPressure, t.vapPressure, 3, "VapPressure", t);
    check(state.AbsHumidity, t.storedHumidity, 3, "AbsHumidity", t);
  }
}

TEST(AirState, SaturatedAirAtANodeHasItsDryBulbAsWetBulbAndDewPoint) {
  // On the saturation curve at a multiple of 5 °C the search's target equals the node's line
  // value, so the interpolation starts and ends at that node: exactly the dry bulb.
  for (const double pressure : kChartPressures) {
    AirState state = StateAt(pressure);
    for (const double dryBulb : {5.0, 20.0, 30.0, 45.0, 70.0}) {
      state.SetFromHumidity(dryBulb, 1000);
      EXPECT_EQ(state.AbsHumidity, state.SaturationHumidity(dryBulb));
      EXPECT_EQ(state.RelHumidity, 100.0);
      EXPECT_EQ(state.WetBulb, dryBulb) << pressure << " kPa";
      EXPECT_NEAR(state.DewPoint, dryBulb, 1e-9) << pressure << " kPa";
    }
  }
}

// Regression: the dew point of saturated air at 21.875 °C read 21.87 in the data table.
TEST(AirState, SaturatedAirAnywhereHasItsDryBulbAsDewPoint) {
  for (const double pressure : kChartPressures) {
    AirState state = StateAt(pressure);
    for (double dryBulb = -20.125; dryBulb < 80.0; dryBulb += 0.375) {
      // Cut to saturation, and given exactly at saturation.
      state.SetFromHumidity(dryBulb, 2.0 * state.SaturationHumidity(dryBulb));
      EXPECT_EQ(state.DewPoint, dryBulb) << dryBulb << " at " << pressure << " kPa";
      state.SetFromHumidity(dryBulb, state.SaturationHumidity(dryBulb));
      EXPECT_EQ(state.DewPoint, dryBulb) << dryBulb << " at " << pressure << " kPa";
    }
  }
}

TEST(AirState, DryBulbIsCappedAt100) {
  for (const double pressure : {kStandardPressure, kHighestPressure}) {
    AirState state = StateAt(pressure);
    state.SetFromHumidity(120, 5);
    EXPECT_EQ(state.DryBulb, 100.0) << pressure << " kPa";
    EXPECT_EQ(state.AbsHumidity, 5.0) << pressure << " kPa";
    EXPECT_NEAR(state.Enthalpy, 112.6263, ShownTo(4)) << pressure << " kPa";
  }
  // 100 °C lies beyond the saturation formula's limit at the standard pressure, not at the
  // highest, so only at the highest is its saturation moisture a real one.
  const AirState standard = StateAt(kStandardPressure);
  const AirState highest = StateAt(kHighestPressure);
  EXPECT_EQ(standard.SaturationHumidity(100), AirState::kSaturationHumidityCeiling);
  EXPECT_LT(highest.SaturationHumidity(100), 3000);
  EXPECT_GT(highest.SaturationHumidity(100), 1000);
}

TEST(AirState, RelativeHumidityConversions) {
  const AirState state = StateAt(kStandardPressure);
  const double saturation = state.SaturationHumidity(25);

  // Capped at saturation above, not clamped below.
  EXPECT_EQ(state.HumidityFromRelHumidity(25, 150), saturation);
  EXPECT_NEAR(state.HumidityFromRelHumidity(25, 150), 20.064, ShownTo(3));
  EXPECT_EQ(state.RelHumidityFromHumidity(25, 30), 100.0);
  EXPECT_LT(state.RelHumidityFromHumidity(25, -2), 0.0);
  EXPECT_LT(state.HumidityFromRelHumidity(25, -10), 0.0);
  EXPECT_EQ(state.HumidityFromRelHumidity(25, 0), 0.0);

  // Each converts the other's result back.
  for (const double pressure : kChartPressures) {
    const AirState at = StateAt(pressure);
    for (double dryBulb = -20; dryBulb <= 60; dryBulb += 2.5) {
      for (const double relHumidity : {1.0, 10.0, 37.5, 60.0, 99.0, 100.0}) {
        const double moisture = at.HumidityFromRelHumidity(dryBulb, relHumidity);
        EXPECT_NEAR(at.RelHumidityFromHumidity(dryBulb, moisture), relHumidity, 1e-9)
            << dryBulb << " °C, " << pressure << " kPa";
      }
    }
  }
}

TEST(AirState, DewPointInvertsSaturation) {
  for (const double pressure : kChartPressures) {
    const AirState state = StateAt(pressure);
    for (double dryBulb = -40; dryBulb <= 75; dryBulb += 0.5) {
      EXPECT_NEAR(state.DewPointFromHumidity(state.SaturationHumidity(dryBulb)), dryBulb, 1e-9)
          << pressure << " kPa";
    }
  }
  // No moisture, or less, reads as the dew point of 1 mmHg, not minus infinity.
  const AirState state = StateAt(kStandardPressure);
  EXPECT_NEAR(state.DewPointFromHumidity(0), 1750.286 / 8.10765 - 235, 1e-12);
  EXPECT_EQ(state.DewPointFromHumidity(-5), state.DewPointFromHumidity(0));
}

TEST(AirState, ResetStateWritesOnlyTheStartUpDefaults) {
  AirState fresh;
  fresh.ResetState();
  EXPECT_EQ(fresh.DryBulb, 25.0);
  EXPECT_EQ(fresh.Pressure, 101.365);
  EXPECT_EQ(fresh.RelHumidity, 60.0);
  EXPECT_EQ(fresh.AbsHumidity, 0.0);  // until the first SetFromHumidity
  EXPECT_EQ(fresh.WetBulb, 0.0);

  AirState used = StateAt(kLowestPressure);
  used.SetFromHumidity(12, 4);
  const AirState before = used;
  used.ResetState();
  EXPECT_EQ(used.AbsHumidity, before.AbsHumidity);
  EXPECT_EQ(used.DewPoint, before.DewPoint);
  EXPECT_EQ(used.Enthalpy, before.Enthalpy);
}

TEST(AirState, SaturationHumidityNeverFallsAndIsHeldBeyondTheFormulasLimit) {
  struct Case {
    double pressure;
    double limit;  // °C where the saturation vapour pressure reaches the barometric pressure
  };
  const Case cases[] = {
      {kLowestPressure, 81.97}, {kStandardPressure, 99.87}, {kHighestPressure, 107.25}};
  for (const Case& t : cases) {
    const AirState state = StateAt(t.pressure);
    double previous = 0;
    for (double dryBulb = -250; dryBulb <= 250; dryBulb += 0.01) {
      const double saturation = state.SaturationHumidity(dryBulb);
      ASSERT_GE(saturation, previous) << dryBulb << " °C, " << t.pressure << " kPa";
      ASSERT_GE(saturation, AirState::kSaturationHumidityFloor);
      ASSERT_LE(saturation, AirState::kSaturationHumidityCeiling);
      previous = saturation;
    }
    EXPECT_LT(state.SaturationHumidity(t.limit - 0.05), AirState::kSaturationHumidityCeiling);
    EXPECT_EQ(state.SaturationHumidity(t.limit + 0.05), AirState::kSaturationHumidityCeiling);
    EXPECT_EQ(state.SaturationHumidity(145), AirState::kSaturationHumidityCeiling);
    EXPECT_EQ(state.SaturationHumidity(-235), AirState::kSaturationHumidityFloor);
    EXPECT_EQ(state.SaturationHumidity(-1000), AirState::kSaturationHumidityFloor);
  }
}

// Every field of every state over the chart's pressures, dry bulbs from -100 to 200 °C and
// moistures from -10 to 1000 g/kg is a finite number, and the record's promises hold.
TEST(AirState, SweepGivesOnlyFiniteValues) {
  std::vector<double> moistures;
  for (double w = -10; w < 30; w += 0.25) moistures.push_back(w);
  for (double w = 30; w <= 1000; w *= 1.05) moistures.push_back(w);
  moistures.push_back(1000);

  for (const double pressure : kChartPressures) {
    AirState state = StateAt(pressure);
    for (double dryBulb = -100; dryBulb <= 200; dryBulb += 0.5) {
      for (const double moisture : moistures) {
        state.SetFromHumidity(dryBulb, moisture);
        const double fields[] = {state.DryBulb,     state.WetBulb,     state.AbsHumidity,
                                 state.RelHumidity, state.VapPressure, state.Pressure,
                                 state.Volume,      state.DewPoint,    state.Enthalpy};
        for (const double field : fields) {
          ASSERT_TRUE(std::isfinite(field))
              << "(" << dryBulb << " °C, " << moisture << " g/kg) at " << pressure << " kPa";
        }
        ASSERT_LE(state.DryBulb, 100.0);
        ASSERT_GE(state.AbsHumidity, 0.0);
        ASSERT_LE(state.AbsHumidity, state.SaturationHumidity(state.DryBulb));
        ASSERT_GE(state.RelHumidity, 0.0);
        ASSERT_LE(state.RelHumidity, 100.0);

        const double results[] = {state.SaturationHumidity(dryBulb),
                                  state.DewPointFromHumidity(moisture),
                                  state.WetBulbFromHumidity(dryBulb, moisture),
                                  state.RelHumidityFromHumidity(dryBulb, moisture),
                                  state.HumidityFromRelHumidity(dryBulb, moisture)};
        for (const double result : results) {
          ASSERT_TRUE(std::isfinite(result))
              << "(" << dryBulb << " °C, " << moisture << ") at " << pressure << " kPa";
        }
      }
    }
  }
}

// The chart formulas as they were computed with x87 long double (64 significant bits) before
// the model moved to double-double arithmetic: the reference every state is compared with.
struct LongDoubleState {
  double Pressure = 0.0;

  static long double PowerOfTen(long double x) {
    const long double power = x * 3.321928094887362347870319429489390175864831393L;
    const long double whole = (power + 0x1.8p63L) - 0x1.8p63L;
    const auto exponent = static_cast<std::int64_t>(static_cast<double>(whole));
    const auto scale = std::bit_cast<double>(static_cast<std::uint64_t>(exponent + 1023) << 52);
    return std::exp2(static_cast<double>(power - whole)) * static_cast<long double>(scale);
  }

  static long double Log2(long double x) {
    const auto near = static_cast<double>(x);
    const auto exponent =
        static_cast<std::int64_t>((std::bit_cast<std::uint64_t>(near) >> 52) & 0x7ff);
    if (exponent == 0 || exponent >= 2046) return std::log2(x);
    const auto scale = std::bit_cast<double>(static_cast<std::uint64_t>(2046 - exponent) << 52);
    const long double mantissa = x * scale;
    const auto rounded = static_cast<double>(mantissa);
    const double rest = static_cast<double>(mantissa - rounded) / (rounded * 0.6931471805599453);
    return static_cast<long double>(exponent - 1023) + std::log2(rounded) + rest;
  }

  double SaturationHumidity(double dryBulb) const {
    const long double shifted = dryBulb + 235.0L;
    if (!(shifted > 40.0L)) return AirState::kSaturationHumidityFloor;
    const long double saturation = PowerOfTen(static_cast<long double>(8.10765) -
                                              static_cast<long double>(1750.286) / shifted);
    const long double rest = 7.5L * Pressure - saturation;
    if (!(rest > 0.0L)) return AirState::kSaturationHumidityCeiling;
    const long double moisture = 622.0L * saturation / rest;
    if (moisture > AirState::kSaturationHumidityCeiling)
      return AirState::kSaturationHumidityCeiling;
    if (moisture < AirState::kSaturationHumidityFloor) return AirState::kSaturationHumidityFloor;
    return static_cast<double>(moisture);
  }

  double DewPointFromHumidity(double absHumidity) const {
    const long double ratio = absHumidity * (1.0L / 622.0L);
    const long double divisor = ratio + 1.0L;
    const long double vapour = divisor != 0.0L ? ratio * 7.5L * Pressure / divisor : 0.0L;
    const long double logarithm =
        vapour > 0.0L ? Log2(vapour) * 0.301029995663981195213738894724493026768189881L : 0.0L;
    return static_cast<double>(static_cast<long double>(1750.286) /
                                   (static_cast<long double>(8.10765) - logarithm) -
                               235.0L);
  }

  AirState StateOf(double dryBulb, double absHumidity) const {
    AirState state;
    state.Pressure = Pressure;
    state.DryBulb = dryBulb > 100.0 ? 100.0 : dryBulb;
    const long double t = state.DryBulb;
    const double saturation = SaturationHumidity(state.DryBulb);
    state.AbsHumidity = std::min(absHumidity >= 0.0 ? absHumidity : 0.0, saturation);
    const long double w = state.AbsHumidity;
    state.RelHumidity = static_cast<double>(w / saturation * 100.0L);
    state.Enthalpy = static_cast<double>(t + static_cast<long double>(2.525252525) * w);
    state.WetBulb = PlainScanWetBulb(*this, state.DryBulb, state.AbsHumidity);
    state.Volume = static_cast<double>((t + static_cast<long double>(0.4854368) * w + 270.5L) *
                                       (1.0L / 350.0L));
    state.DewPoint =
        state.AbsHumidity >= saturation ? state.DryBulb : DewPointFromHumidity(state.AbsHumidity);
    state.VapPressure = static_cast<double>(0.16L * w);
    return state;
  }
};

// Every field of a million states over the chart's pressures, dry bulbs from -60 to 110 °C and
// moistures from 0 to beyond saturation prints, in the decimals of the data table, what the
// long double model printed. Raw values part by a few units in the last place (of the value,
// or of 1 below it), where 2^x and log2 are now this program's rather than the C library's;
// relative humidity by more near boiling, where the small pressure left beside the vapour
// magnifies the last bit of 2^x in the saturation moisture.
TEST(AirState, SweepPrintsWhatTheLongDoubleModelPrinted) {
  if (std::numeric_limits<long double>::digits < 64) {
    GTEST_SKIP() << "long double has no extended precision here";
  }
  struct Field {
    const char* name;
    double AirState::*value;
    const char* format;  // as the data table prints it
    double units;        // the largest difference, in units in the last place
  };
  const Field fields[] = {
      {"WetBulb", &AirState::WetBulb, "%0.2f", 0.0},
      {"AbsHumidity", &AirState::AbsHumidity, "%0.2f", 4.0},
      {"RelHumidity", &AirState::RelHumidity, "%0.2f", 64.0},
      {"VapPressure", &AirState::VapPressure, "%0.2f", 4.0},
      {"Volume", &AirState::Volume, "%0.4f", 4.0},
      {"DewPoint", &AirState::DewPoint, "%0.2f", 4.0},
      {"Enthalpy", &AirState::Enthalpy, "%0.2f", 4.0},
  };
  const double pressures[] = {kLowestPressure, 80.0, kStandardPressure, kHighestPressure};
  constexpr int kSteps = 500;  // dry bulbs and moistures per pressure
  for (const double pressure : pressures) {
    AirState state = StateAt(pressure);
    const LongDoubleState reference{pressure};
    for (int i = 0; i < kSteps; ++i) {
      const double dryBulb = -60.0 + 170.0 * i / (kSteps - 1);
      const double saturation = reference.SaturationHumidity(std::min(dryBulb, 100.0));
      for (int j = 0; j < kSteps; ++j) {
        const double moisture = std::min(1.02 * saturation, 1000.0) * j / (kSteps - 1);
        state.SetFromHumidity(dryBulb, moisture);
        const AirState expected = reference.StateOf(dryBulb, moisture);
        ASSERT_EQ(state.DryBulb, expected.DryBulb);
        for (const Field& field : fields) {
          const double actual = state.*field.value;
          const double wanted = expected.*field.value;
          if (actual == wanted) continue;
          // Enthalpy sums terms that can cancel: its last place is that of the larger one.
          const double term =
              field.value == &AirState::Enthalpy ? 2.53 * expected.AbsHumidity : 1.0;
          const double scale = std::max({std::fabs(wanted), term, 1.0});
          const double unit = std::nextafter(scale, INFINITY) - scale;
          ASSERT_LE(std::fabs(actual - wanted), field.units * unit)
              << field.name << " of (" << dryBulb << " °C, " << moisture << " g/kg) at " << pressure
              << " kPa";
          ASSERT_EQ(FormatText(field.format, actual), FormatText(field.format, wanted))
              << field.name << " of (" << dryBulb << " °C, " << moisture << " g/kg) at " << pressure
              << " kPa";
        }
      }
    }
  }
}

TEST(AirState, BeyondTheFormulasLimitRelativeHumidityTendsToZero) {
  AirState state = StateAt(kLowestPressure);
  state.SetFromHumidity(90, 20);  // past 81.97 °C
  EXPECT_EQ(state.AbsHumidity, 20.0);
  EXPECT_GT(state.RelHumidity, 0.0);
  EXPECT_LT(state.RelHumidity, 0.01);
  EXPECT_GT(state.WetBulb, 0.0);
  EXPECT_LT(state.WetBulb, 90.0);
}

TEST(AirState, WetBulbLiesBelowTheDryBulbWhereTheFormulaHolds) {
  // The search interpolates along chords of a curve that bends upwards, so above 0 °C it can
  // only come out low; near the formula's limit the next node is held at the ceiling instead.
  for (const double pressure : kChartPressures) {
    AirState state = StateAt(pressure);
    for (double dryBulb = 0; dryBulb <= 75; dryBulb += 0.5) {
      for (double fraction = 0; fraction <= 1.0; fraction += 0.05) {
        state.SetFromHumidity(dryBulb, fraction * state.SaturationHumidity(dryBulb));
        ASSERT_LE(state.WetBulb, state.DryBulb)
            << dryBulb << " °C at " << fraction * 100 << " % and " << pressure << " kPa";
      }
    }
  }
}

// The search over nodes kept per pressure gives, bit for bit, what the plain scan gives.
TEST(AirState, WetBulbSearchMatchesThePlainScan) {
  const double pressures[] = {
      kLowestPressure, 80, kStandardPressure, 101.82, kHighestPressure, 1, 0, -20, 5000, 1e300};
  for (const double pressure : pressures) {
    const AirState state = StateAt(pressure);
    for (double dryBulb = -60; dryBulb <= 200; dryBulb += 0.73) {
      for (double moisture = -10; moisture <= 1000; moisture += 0.11 + std::fabs(moisture) * 0.07) {
        ASSERT_EQ(state.WetBulbFromHumidity(dryBulb, moisture),
                  PlainScanWetBulb(state, dryBulb, moisture))
            << "(" << dryBulb << " °C, " << moisture << " g/kg) at " << pressure << " kPa";
      }
    }
  }
}

TEST(AirState, WetBulbSearchMatchesThePlainScanAtAndNextToEveryNode) {
  // Targets at a node's line value, at that value rounded to double and at the doubles next to
  // it: a search that stopped at an equal node, instead of passing it, or that trusted a tie in
  // double, would part from the scan. From about 423 kPa on, the last node lies below the
  // saturation formula's limit too, where a wrong answer there is 0 instead of 145 °C.
  const double pressures[] = {
      kLowestPressure, kStandardPressure, kHighestPressure, 5000, 7000, 10000, 20000, 50000};
  for (const double pressure : pressures) {
    const AirState state = StateAt(pressure);
    for (int i = 0; i < 30; ++i) {
      const double node = 5.0 * i;
      const long double line =
          node + static_cast<long double>(2.4528) * state.SaturationHumidity(node);
      const double rounded = static_cast<double>(line);
      for (const double target :
           {std::nextafter(rounded, -INFINITY), rounded, std::nextafter(rounded, INFINITY)}) {
        ASSERT_EQ(state.WetBulbFromHumidity(target, 0), PlainScanWetBulb(state, target, 0))
            << "node " << node << " °C, " << pressure << " kPa";
      }
      // Saturated air at the node: a target equal to the line value in full.
      const double saturation = state.SaturationHumidity(node);
      ASSERT_EQ(state.WetBulbFromHumidity(node, saturation),
                PlainScanWetBulb(state, node, saturation));
    }
  }
  // Targets beyond every node, and no target at all.
  const AirState state = StateAt(kHighestPressure);
  EXPECT_EQ(state.WetBulbFromHumidity(0, 2e6), 0.0);
  EXPECT_EQ(state.WetBulbFromHumidity(INFINITY, 0), 0.0);
  EXPECT_EQ(state.WetBulbFromHumidity(NAN, 0), 0.0);
  EXPECT_EQ(PlainScanWetBulb(state, NAN, 0), 0.0);
}

// Regression: the nodes kept for one pressure must not answer for another. Pressure is a
// public field, so it can change between any two calls, on the same record or on a copy.
TEST(AirState, WetBulbSearchFollowsPressureChanges) {
  AirState state;
  for (int round = 0; round < 3; ++round) {
    for (const double pressure : kChartPressures) {
      state.Pressure = pressure;
      const AirState reference = StateAt(pressure);
      for (double dryBulb = 0; dryBulb <= 60; dryBulb += 7.3) {
        ASSERT_EQ(state.WetBulbFromHumidity(dryBulb, 12), PlainScanWetBulb(reference, dryBulb, 12))
            << pressure << " kPa, round " << round;
        AirState copy = state;
        copy.Pressure = pressure + 10;
        ASSERT_EQ(copy.WetBulbFromHumidity(dryBulb, 12), PlainScanWetBulb(copy, dryBulb, 12));
      }
    }
  }
}

TEST(AirState, DefaultRecordIsAllZero) {
  const AirState state;
  const double fields[] = {state.DryBulb,     state.WetBulb,     state.AbsHumidity,
                           state.RelHumidity, state.VapPressure, state.Pressure,
                           state.Volume,      state.DewPoint,    state.Enthalpy};
  for (const double field : fields) EXPECT_EQ(field, 0.0);
}

}  // namespace
}  // namespace hygrovia
