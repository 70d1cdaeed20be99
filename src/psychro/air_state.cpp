#include "psychro/air_state.h"

#include <algorithm>
#include <cmath>

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

constexpr long double kMmHgPerKiloPascal = 7.5L;  // 7.5 rather than 7.50062, as the chart does
constexpr long double kMolarMassRatio = 622.0L;   // water to dry air, in g/kg

// Slope of the wet-bulb lines (°C per g/kg) and the spacing of the wet-bulb search's nodes.
constexpr long double kWetBulbSlope = 2.4528;
constexpr int kWetBulbStep = 5;

constexpr long double kEnthalpyPerMoisture = 2.525252525;  // kJ/kg per g/kg
constexpr long double kVolumeMoisture = 0.4854368;         // °C per g/kg
constexpr long double kVolumeOffset = 270.5L;              // °C

}  // namespace

AirState CursorState;
AirState ArrowState;

double AirState::SaturationHumidity(double dryBulb) const {
  const long double shifted = dryBulb + kAntoineC;
  if (!(shifted > 0.0L)) return kSaturationHumidityFloor;
  const long double saturation = std::pow(10.0L, kAntoineA - kAntoineB / shifted);
  const long double rest = kMmHgPerKiloPascal * Pressure - saturation;
  if (!(rest > 0.0L)) return kSaturationHumidityCeiling;
  const long double moisture = kMolarMassRatio * saturation / rest;
  if (moisture > kSaturationHumidityCeiling) return kSaturationHumidityCeiling;
  if (moisture < kSaturationHumidityFloor) return kSaturationHumidityFloor;
  return static_cast<double>(moisture);
}

double AirState::DewPointFromHumidity(double absHumidity) const {
  const long double ratio = absHumidity * kOneOver622;
  const long double divisor = ratio + 1.0L;
  // Only a moisture of exactly -622 g/kg makes the divisor 0; its vapour pressure reads as 0.
  const long double vapour =
      divisor != 0.0L ? ratio * kMmHgPerKiloPascal * Pressure / divisor : 0.0L;
  const long double logarithm = vapour > 0.0L ? std::log10(vapour) : 0.0L;
  return static_cast<double>(kAntoineB / (kAntoineA - logarithm) - kAntoineC);
}

void AirState::UpdateWetBulbNodes() const {
  if (wetBulbPressure_ == Pressure) return;
  wetBulbNodesRising_ = true;
  for (int i = 0; i < kWetBulbNodes; ++i) {
    const double node = kWetBulbStep * i;
    wetBulbLine_[i] = node + kWetBulbSlope * SaturationHumidity(node);
    wetBulbLineNarrow_[i] = static_cast<float>(wetBulbLine_[i]);
    if (i > 1 && wetBulbLine_[i] < wetBulbLine_[i - 1]) wetBulbNodesRising_ = false;
  }
  wetBulbPressure_ = Pressure;
}

double AirState::WetBulbFromHumidity(double dryBulb, double absHumidity) const {
  UpdateWetBulbNodes();
  const long double target = dryBulb + kWetBulbSlope * absHumidity;
  // The first node above the target, never node 0; the nodes rise with temperature wherever
  // the saturation moisture is finite, so a binary search finds the node a scan would.
  const long double* const first = wetBulbLine_ + 1;
  const long double* const last = wetBulbLine_ + kWetBulbNodes;
  const long double* upper;
  if (wetBulbNodesRising_) {
    upper = std::upper_bound(first, last, target);
  } else {
    upper = std::find_if(first, last, [target](long double line) { return line > target; });
  }
  if (upper == last) return 0.0;
  const int i = static_cast<int>(upper - wetBulbLine_);
  return LinearInterpolate(static_cast<float>(target), wetBulbLineNarrow_[i - 1],
                           wetBulbLineNarrow_[i], static_cast<float>(kWetBulbStep * (i - 1)),
                           static_cast<float>(kWetBulbStep * i));
}

double AirState::RelHumidityFromHumidity(double dryBulb, double absHumidity) const {
  const double saturation = SaturationHumidity(dryBulb);
  const double moisture = absHumidity > saturation ? saturation : absHumidity;
  return static_cast<double>(static_cast<long double>(moisture) / saturation * 100.0L);
}

double AirState::HumidityFromRelHumidity(double dryBulb, double relHumidity) const {
  const double saturation = SaturationHumidity(dryBulb);
  const double moisture = static_cast<double>(kOneHundredth * relHumidity * saturation);
  return moisture > saturation ? saturation : moisture;
}

void AirState::SetFromHumidity(double dryBulb, double absHumidity) {
  DryBulb = dryBulb > 100.0 ? 100.0 : dryBulb;
  AbsHumidity = absHumidity >= 0.0 ? absHumidity : 0.0;
  const double saturation = SaturationHumidity(DryBulb);
  if (AbsHumidity > saturation) AbsHumidity = saturation;
  RelHumidity = static_cast<double>(static_cast<long double>(AbsHumidity) / saturation * 100.0L);
  Enthalpy = static_cast<double>(DryBulb + kEnthalpyPerMoisture * AbsHumidity);
  WetBulb = WetBulbFromHumidity(DryBulb, AbsHumidity);
  Volume = static_cast<double>((DryBulb + kVolumeMoisture * AbsHumidity + kVolumeOffset) *
                               kOneOver350);
  DewPoint = DewPointFromHumidity(AbsHumidity);
  VapPressure = static_cast<double>(kKiloPascalPerGramPerKilogram * AbsHumidity);
}

void AirState::ResetState() {
  DryBulb = 25.0;
  Pressure = 101.365;
  RelHumidity = 60.0;
}

}  // namespace hygrovia
