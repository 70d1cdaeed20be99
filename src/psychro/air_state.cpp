#include "psychro/air_state.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <limits>

#include "psychro/ashrae_model.h"
#include "psychro/geometry.h"

namespace hygrovia {
namespace {

// Constants the model holds at extended precision; every other constant is a double or exact.
constexpr long double kOneOver622 = 1.0L / 622.0L;
constexpr long double kOneOver350 = 1.0L / 350.0L;
constexpr long double kOneHundredth = 0.01L;
constexpr long double kKiloPascalPerGramPerKilogram = 0.16L;

// Antoine equation for water, pressure in mmHg, temperature in °C.
constexpr long double kAntoineA = 8.10765;
constexpr long double kAntoineB = 1750.286;
constexpr long double kAntoineC = 235.0L;
constexpr long double kFloorShiftedDryBulb = 40.0L;  // dry bulb + 235 at -195 °C

constexpr long double kMmHgPerKiloPascal = 7.5L;  // 7.5 rather than 7.50062, as the chart does
constexpr long double kMolarMassRatio = 622.0L;   // water to dry air, in g/kg

// Slope of the wet-bulb lines (°C per g/kg) and the spacing of the wet-bulb search's nodes.
constexpr long double kWetBulbSlope = 2.4528;
constexpr int kWetBulbStep = 5;

constexpr long double kEnthalpyPerMoisture = 2.525252525;  // kJ/kg per g/kg
constexpr long double kVolumeMoisture = 0.4854368;         // °C per g/kg
constexpr long double kVolumeOffset = 270.5L;              // °C

constexpr long double kLog2Of10 = 3.321928094887362347870319429489390175864831393L;
constexpr long double kLog10Of2 = 0.301029995663981195213738894724493026768189881L;
constexpr double kLn2 = 0.6931471805599453;

// 10^x as 2^n × 2^f, with n the integer nearest to x·log2(10) and f the rest, both found in
// extended precision so that only f is rounded to double. Closer to an extended-precision
// power than the C library's double pow of x rounded to double, and less than half its cost.
// For x between -300 and 300, where 2^n is a normal double.
long double PowerOfTen(long double x) {
  assert(x > -300.0L && x < 300.0L);
  const long double power = x * kLog2Of10;
  // Adding and taking away 1.5 × 2^63 rounds to the nearest integer in the 64-bit mantissa,
  // without the cost of nearbyint's saving and restoring the floating-point environment.
  constexpr long double kRounder = 0x1.8p63L;
  const long double whole = (power + kRounder) - kRounder;
  const auto exponent = static_cast<std::int64_t>(static_cast<double>(whole));
  const auto scale = std::bit_cast<double>(static_cast<std::uint64_t>(exponent + 1023) << 52);
  return std::exp2(static_cast<double>(power - whole)) * static_cast<long double>(scale);
}

// log2(x) as e + log2(m), with x = 2^e × m split exactly in extended precision and the
// rounding of m to double put back by the first term of its series, so that only log2 of a
// number between 1 and 2 is taken in double. Far closer to an extended-precision log2 than the
// C library's double log2 of x rounded to double, at a third of the cost of its log2l.
// For positive x.
long double Log2(long double x) {
  const auto near = static_cast<double>(x);
  const auto exponent =
      static_cast<std::int64_t>((std::bit_cast<std::uint64_t>(near) >> 52) & 0x7ff);
  // Where 2^-e is no normal double (x near the ends of the double range, far from any vapour
  // pressure of the chart) the C library's log2l takes over.
  if (exponent == 0 || exponent >= 2046) return std::log2(x);
  const auto scale = std::bit_cast<double>(static_cast<std::uint64_t>(2046 - exponent) << 52);
  const long double mantissa = x * scale;  // exact: scale is a power of two
  const auto rounded = static_cast<double>(mantissa);
  // The rest is below 2^-52 of the mantissa, so double holds its share well enough.
  const double rest = static_cast<double>(mantissa - rounded) / (rounded * kLn2);
  return static_cast<long double>(exponent - 1023) + std::log2(rounded) + rest;
}

}  // namespace

double AirState::SaturationHumidity(double dryBulb) const {
  if (Model == PropertyModel::Ashrae2017) return AshraeModel(Pressure).SaturationHumidity(dryBulb);
  const long double shifted = dryBulb + kAntoineC;
  // At and below -195 °C the formula gives less than 1e-35 g/kg at the chart's pressures, so
  // the floor stands in for it there, and for the meaningless region at and below -235 °C.
  if (!(shifted > kFloorShiftedDryBulb)) return kSaturationHumidityFloor;
  const long double saturation = PowerOfTen(kAntoineA - kAntoineB / shifted);
  const long double rest = kMmHgPerKiloPascal * Pressure - saturation;
  if (!(rest > 0.0L)) return kSaturationHumidityCeiling;
  const long double moisture = kMolarMassRatio * saturation / rest;
  if (moisture > kSaturationHumidityCeiling) return kSaturationHumidityCeiling;
  if (moisture < kSaturationHumidityFloor) return kSaturationHumidityFloor;
  return static_cast<double>(moisture);
}

double AirState::DewPointFromHumidity(double absHumidity) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).DewPointFromHumidity(absHumidity);
  }
  const long double ratio = absHumidity * kOneOver622;
  const long double divisor = ratio + 1.0L;
  // Only a moisture of exactly -622 g/kg makes the divisor 0; its vapour pressure reads as 0.
  const long double vapour =
      divisor != 0.0L ? ratio * kMmHgPerKiloPascal * Pressure / divisor : 0.0L;
  // log10 as log2 × log10(2), both in extended precision: in double the dew point of a
  // saturated state could come out a hundredth of a degree below its dry bulb.
  const long double logarithm = vapour > 0.0L ? Log2(vapour) * kLog10Of2 : 0.0L;
  return static_cast<double>(kAntoineB / (kAntoineA - logarithm) - kAntoineC);
}

// Out of line: it runs once per pressure, and inlined it would crowd the search's registers.
[[gnu::noinline]] void AirState::ComputeWetBulbNodes() const {
  for (int i = 0; i < kWetBulbNodes; ++i) {
    const double node = kWetBulbStep * i;
    wetBulbLine_[i] = node + kWetBulbSlope * SaturationHumidity(node);
    wetBulbLineDouble_[i] = static_cast<double>(wetBulbLine_[i]);
    wetBulbLineNarrow_[i] = static_cast<float>(wetBulbLine_[i]);
    // The saturation moisture never falls with temperature (it is held at its ceiling beyond
    // the formula's limit), so the nodes rise, as the binary search needs.
    assert(i == 0 || wetBulbLine_[i] > wetBulbLine_[i - 1]);
  }
  for (int i = kWetBulbNodes; i < kWetBulbSearchSize; ++i) {
    wetBulbLineDouble_[i] = std::numeric_limits<double>::infinity();
  }
  wetBulbPressure_ = Pressure;
}

double AirState::WetBulbFromHumidity(double dryBulb, double absHumidity) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).WetBulbFromHumidity(dryBulb, absHumidity);
  }
  if (!(wetBulbPressure_ == Pressure)) ComputeWetBulbNodes();
  const long double target = dryBulb + kWetBulbSlope * absHumidity;
  // The first node above the target, never node 0. Rounding to double keeps the order of
  // unequal values, so a binary search in double, over the rising nodes and two infinite
  // places after them, finds it in five fixed halvings, unless the target ties in double with
  // the node before; that node is compared again in full. A NaN target passes every place, as
  // it passes every node of a scan.
  const double nearTarget = static_cast<double>(target);
  int passed = 0;  // places from 1 on that are not above the target in double
  for (int step = kWetBulbSearchSize / 2; step > 0; step /= 2) {
    if (!(nearTarget < wetBulbLineDouble_[passed + step])) passed += step;
  }
  int i = std::min(passed + 1, kWetBulbNodes);
  if (i > 1 && wetBulbLineDouble_[i - 1] == nearTarget && wetBulbLine_[i - 1] > target) --i;
  if (i == kWetBulbNodes) return 0.0;
  // The nodes' temperatures as the interpolation takes them; a table, as converting the
  // indices on every call costs more.
  static constexpr auto kNodeTemperature = [] {
    std::array<float, kWetBulbNodes> temperatures{};
    for (int k = 0; k < kWetBulbNodes; ++k) temperatures[k] = static_cast<float>(kWetBulbStep * k);
    return temperatures;
  }();
  return LinearInterpolate(static_cast<float>(target), wetBulbLineNarrow_[i - 1],
                           wetBulbLineNarrow_[i], kNodeTemperature[i - 1], kNodeTemperature[i]);
}

double AirState::RelHumidityFromHumidity(double dryBulb, double absHumidity) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).RelHumidityFromHumidity(dryBulb, absHumidity);
  }
  const double saturation = SaturationHumidity(dryBulb);
  const double moisture = absHumidity > saturation ? saturation : absHumidity;
  return static_cast<double>(static_cast<long double>(moisture) / saturation * 100.0L);
}

double AirState::HumidityFromRelHumidity(double dryBulb, double relHumidity) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).HumidityFromRelHumidity(dryBulb, relHumidity);
  }
  const double saturation = SaturationHumidity(dryBulb);
  const double moisture = static_cast<double>(kOneHundredth * relHumidity * saturation);
  return moisture > saturation ? saturation : moisture;
}

void AirState::SetFromHumidity(double dryBulb, double absHumidity) {
  if (Model == PropertyModel::Ashrae2017) return SetFromAshraeModel(dryBulb, absHumidity);
  DryBulb = dryBulb > 100.0 ? 100.0 : dryBulb;
  AbsHumidity = absHumidity >= 0.0 ? absHumidity : 0.0;
  const double saturation = SaturationHumidity(DryBulb);
  if (AbsHumidity > saturation) AbsHumidity = saturation;
  RelHumidity = static_cast<double>(static_cast<long double>(AbsHumidity) / saturation * 100.0L);
  Enthalpy = static_cast<double>(DryBulb + kEnthalpyPerMoisture * AbsHumidity);
  WetBulb = WetBulbFromHumidity(DryBulb, AbsHumidity);
  Volume =
      static_cast<double>((DryBulb + kVolumeMoisture * AbsHumidity + kVolumeOffset) * kOneOver350);
  // Saturated air is at its dew point; the inverse formula may miss it by the last bits.
  DewPoint = AbsHumidity >= saturation ? DryBulb : DewPointFromHumidity(AbsHumidity);
  VapPressure = static_cast<double>(kKiloPascalPerGramPerKilogram * AbsHumidity);
}

double AirState::VapourPressureFromHumidity(double absHumidity) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).VapourPressureFromHumidity(absHumidity);
  }
  return VapourPressurePerHumidity * absHumidity;
}

double AirState::HumidityFromVapourPressure(double vapPressure) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).HumidityFromVapourPressure(vapPressure);
  }
  return HumidityPerVapourPressure * vapPressure;
}

double AirState::HumidityAtSaturationShare(double dryBulb, double fraction) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).HumidityAtSaturationShare(dryBulb, fraction);
  }
  return fraction * SaturationHumidity(dryBulb);
}

void AirState::SetFromAshraeModel(double dryBulb, double absHumidity) {
  DryBulb = dryBulb > 100.0 ? 100.0 : dryBulb;
  const AshraeModel::State state = AshraeModel(Pressure).StateOf(DryBulb, absHumidity);
  AbsHumidity = state.absHumidity;
  RelHumidity = state.relHumidity;
  Enthalpy = state.enthalpy;
  WetBulb = state.wetBulb;
  Volume = state.volume;
  DewPoint = state.dewPoint;
  VapPressure = state.vapPressure;
}

void AirState::ResetState() {
  DryBulb = 25.0;
  Pressure = 101.365;
  RelHumidity = 60.0;
}

}  // namespace hygrovia
