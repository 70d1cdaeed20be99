#include "psychro/air_state.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <limits>

#include "psychro/ashrae_model.h"
#include "psychro/chart_formulas.h"
#include "psychro/double_double.h"

namespace hygrovia {
namespace {

// Spacing of the wet-bulb search's nodes (°C) and the slope of the wet-bulb lines (°C per g/kg).
constexpr int kWetBulbStep = 5;
constexpr double kWetBulbSlope = 2.4528;

}  // namespace

double AirState::SaturationHumidity(double dryBulb) const {
  if (Model == PropertyModel::Ashrae2017) return AshraeModel(Pressure).SaturationHumidity(dryBulb);
  return chart_formulas::SaturationMoisture(dryBulb, Pressure, kSaturationHumidityFloor,
                                            kSaturationHumidityCeiling);
}

double AirState::DewPointFromHumidity(double absHumidity) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).DewPointFromHumidity(absHumidity);
  }
  return chart_formulas::DewPoint(absHumidity, Pressure);
}

// Out of line: it runs once per pressure, and inlined it would crowd the search's registers.
[[gnu::noinline]] void AirState::ComputeWetBulbNodes() const {
  float previousNarrow = 0.0f;
  for (int i = 0; i < kWetBulbNodes; ++i) {
    const double node = kWetBulbStep * i;
    const DoubleDouble line = chart_formulas::WetBulbLine(node, SaturationHumidity(node));
    wetBulbLineDouble_[i] = line.hi;
    wetBulbLineLow_[i] = line.lo;
    const float narrow = ToFloat(line);
    if (i > 0) {
      wetBulbBase_[i] = previousNarrow;
      wetBulbSpan_[i] = static_cast<double>(narrow) - previousNarrow;
    }
    previousNarrow = narrow;
    // The saturation moisture never falls with temperature (it is held at its ceiling beyond
    // the formula's limit), so the nodes rise, as the binary search needs.
    assert(i == 0 || line.hi > wetBulbLineDouble_[i - 1] ||
           (line.hi == wetBulbLineDouble_[i - 1] && line.lo > wetBulbLineLow_[i - 1]));
  }
  for (int i = kWetBulbNodes; i < kWetBulbSearchSize; ++i) {
    wetBulbLineDouble_[i] = std::numeric_limits<double>::infinity();
  }
  for (int k = 0; k < kWetBulbBuckets; ++k) {
    const double start = kWetBulbBucketWidth * k;
    int passed = 0;
    while (passed + 1 < kWetBulbSearchSize && !(start < wetBulbLineDouble_[passed + 1])) ++passed;
    wetBulbBucketPassed_[k] = static_cast<std::uint8_t>(passed);
  }
  wetBulbPressure_ = Pressure;
}

double AirState::WetBulbFromHumidity(double dryBulb, double absHumidity) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).WetBulbFromHumidity(dryBulb, absHumidity);
  }
  if (!(wetBulbPressure_ == Pressure)) ComputeWetBulbNodes();
  // The line in double first. It lies within ulp(2.4528 × w) + ulp(line) of its extended
  // value, so where no node and no boundary between two floats lies that close, the extended
  // value passes the same nodes and narrows to the same float: the double decides, and the
  // extended value is needed only in the rare cases left.
  const double product = kWetBulbSlope * absHumidity;
  const double line = dryBulb + product;
  const double margin = (std::fabs(product) + std::fabs(line)) * 0x1p-52;
  const int passed = PlacesPassed(line);
  const double below = line - margin;
  const double above = line + margin;
  const auto narrow = static_cast<float>(line);
  if ((passed == 0 || wetBulbLineDouble_[passed] < below) &&
      above < wetBulbLineDouble_[passed + 1] && static_cast<float>(below) == narrow &&
      static_cast<float>(above) == narrow) [[likely]] {
    return WetBulbAtNode(narrow, std::min(passed + 1, kWetBulbNodes));
  }
  DoubleDouble target = chart_formulas::WetBulbLine(dryBulb, absHumidity);
  // An infinite line, or one that overflows, is taken as in double.
  if (!std::isfinite(target.hi)) target = {line, 0.0};
  // The target ties in double with the node before only where that node's low part decides.
  int i = std::min(PlacesPassed(target.hi) + 1, kWetBulbNodes);
  if (i > 1 && wetBulbLineDouble_[i - 1] == target.hi && wetBulbLineLow_[i - 1] > target.lo) {
    --i;
  }
  return WetBulbAtNode(ToFloat(target), i);
}

int AirState::PlacesPassed(double target) const {
  int passed = 0;
  if (target >= 0.0 && target < kWetBulbBucketWidth * kWetBulbBuckets) [[likely]] {
    // Nodes lie more than a bucket apart, so the target passes at most one node beyond those
    // its bucket's start passes: a lookup and a comparison instead of five guesses.
    passed = wetBulbBucketPassed_[static_cast<int>(target * (1.0 / kWetBulbBucketWidth))];
    return passed + static_cast<int>(!(target < wetBulbLineDouble_[passed + 1]));
  }
  // Rounding to double keeps the order of unequal values, so a binary search in double, over
  // the rising nodes and two infinite places after them, finds the count in five fixed
  // halvings. A NaN target passes every place, as it passes every node of a scan.
  for (int step = kWetBulbSearchSize / 2; step > 0; step /= 2) {
    if (!(target < wetBulbLineDouble_[passed + step])) passed += step;
  }
  return passed;
}

double AirState::WetBulbAtNode(float target, int i) const {
  if (i == kWetBulbNodes) return 0.0;
  // LinearInterpolate's arithmetic between the narrowed nodes i − 1 and i, 5 °C apart, with
  // the node's start and span kept in double: the same roundings, fewer conversions.
  const double slope = (static_cast<double>(target) - wetBulbBase_[i]) / wetBulbSpan_[i];
  return static_cast<float>(kWetBulbStep * (i - 1) + slope * kWetBulbStep);
}

double AirState::RelHumidityFromHumidity(double dryBulb, double absHumidity) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).RelHumidityFromHumidity(dryBulb, absHumidity);
  }
  const double saturation = SaturationHumidity(dryBulb);
  const double moisture = absHumidity > saturation ? saturation : absHumidity;
  return chart_formulas::RelativeHumidity(moisture, saturation);
}

double AirState::HumidityFromRelHumidity(double dryBulb, double relHumidity) const {
  if (Model == PropertyModel::Ashrae2017) {
    return AshraeModel(Pressure).HumidityFromRelHumidity(dryBulb, relHumidity);
  }
  const double saturation = SaturationHumidity(dryBulb);
  const double moisture = chart_formulas::MoistureOfRelativeHumidity(relHumidity, saturation);
  return moisture > saturation ? saturation : moisture;
}

void AirState::SetFromHumidity(double dryBulb, double absHumidity) {
  if (Model == PropertyModel::Ashrae2017) return SetFromAshraeModel(dryBulb, absHumidity);
  DryBulb = dryBulb > 100.0 ? 100.0 : dryBulb;
  const double moisture = absHumidity >= 0.0 ? absHumidity : 0.0;
  // The wet bulb of the moisture as given first: it is the state's unless the moisture exceeds
  // saturation, and the processor works it out while the longer formulas below run.
  const double wetBulb = WetBulbFromHumidity(DryBulb, moisture);
  const chart_formulas::StateFields fields = chart_formulas::StateOf(
      DryBulb, moisture, Pressure, kSaturationHumidityFloor, kSaturationHumidityCeiling);
  AbsHumidity = fields.absHumidity;
  RelHumidity = fields.relHumidity;
  VapPressure = fields.vapPressure;
  Volume = fields.volume;
  DewPoint = fields.dewPoint;
  Enthalpy = fields.enthalpy;
  WetBulb = AbsHumidity == moisture ? wetBulb : WetBulbFromHumidity(DryBulb, AbsHumidity);
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
