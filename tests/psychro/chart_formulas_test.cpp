#include "psychro/chart_formulas.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "psychro/binary_power.h"

namespace hygrovia {
namespace {

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// The formulas as this processor runs them (with fused multiply-adds where it has them) and as
// every processor can: the same bits, for states on and far off the chart.
TEST(ChartFormulas, EveryProcessorGetsTheSameBits) {
  constexpr double kFloor = 1.0e-30;
  constexpr double kCeiling = 1.0e6;
  const double infinity = std::numeric_limits<double>::infinity();
  const double pressures[] = {1.0e-40, 0.5, 51.365, 101.365, 131.365, 1.0e5, 1.0e300, infinity};
  const double extremes[] = {0.0, -0.0, 1.0e-310, 1.0e-160, -1.0e-3, -700.0, 1.0e30, -1.0e30};
  for (const double pressure : pressures) {
    for (int i = 0; i <= 120; ++i) {
      const double dryBulb = -200.0 + 3.3333333333333333 * i;
      for (int j = 0; j <= 130; ++j) {
        const double moisture = j < 8 ? extremes[j] : 0.123456789 * (j - 8) * (j - 8);
        const auto fast = chart_formulas::StateOf(dryBulb, moisture, pressure, kFloor, kCeiling);
        const auto plain =
            chart_formulas::portable::StateOf(dryBulb, moisture, pressure, kFloor, kCeiling);
        ASSERT_EQ(Bits(fast.absHumidity), Bits(plain.absHumidity)) << dryBulb << " " << moisture;
        ASSERT_EQ(Bits(fast.relHumidity), Bits(plain.relHumidity)) << dryBulb << " " << moisture;
        ASSERT_EQ(Bits(fast.dewPoint), Bits(plain.dewPoint)) << moisture << " " << pressure;
        ASSERT_EQ(Bits(fast.enthalpy), Bits(plain.enthalpy)) << dryBulb << " " << moisture;
        ASSERT_EQ(Bits(chart_formulas::SaturationMoisture(dryBulb, pressure, kFloor, kCeiling)),
                  Bits(chart_formulas::portable::SaturationMoisture(dryBulb, pressure, kFloor,
                                                                    kCeiling)));
        const DoubleDouble line = chart_formulas::WetBulbLine(dryBulb, moisture);
        const DoubleDouble plainLine = chart_formulas::portable::WetBulbLine(dryBulb, moisture);
        ASSERT_EQ(Bits(line.hi), Bits(plainLine.hi));
        ASSERT_EQ(Bits(line.lo), Bits(plainLine.lo));
      }
    }
  }
}

// The program's own 2^x and log2 against the C library's: within an ulp over the ranges the
// formulas use, and log2 exact at the powers of two.
TEST(BinaryPower, AgreesWithTheCLibrary) {
  for (int i = -40000; i <= 40000; ++i) {
    const double x = i * 0.00297;
    const double expected = std::exp2(x);
    EXPECT_LE(std::fabs(PowerOfTwoSteps({x * 128.0, 0.0}) - expected),
              std::nextafter(expected, INFINITY) - expected)
        << x;
  }
  for (int i = 1; i <= 80000; ++i) {
    const double x = std::ldexp(1.0 + i * 1.2345e-5, i % 200 - 100);
    const DoubleDouble logarithm = BinaryLogarithm({x, 0.0});
    const double expected = std::log2(x);
    const double unit = std::nextafter(std::fabs(expected), INFINITY) - std::fabs(expected);
    EXPECT_LE(std::fabs(logarithm.hi + logarithm.lo - expected), std::max(unit, 0x1p-58)) << x;
  }
  EXPECT_EQ(BinaryLogarithm({0x1p-900, 0.0}).hi, -900.0);
  EXPECT_EQ(BinaryLogarithm({0x1p900, 0.0}).hi, 900.0);
}

}  // namespace
}  // namespace hygrovia
