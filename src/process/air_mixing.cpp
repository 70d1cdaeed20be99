#include "process/air_mixing.h"

#include <algorithm>
#include <cmath>

#include "model/chart_settings.h"
#include "psychro/air_state.h"

namespace hygrovia {
namespace {

// The dry bulb is searched this far beyond the two streams' dry bulbs (°C), to this width.
constexpr double kSearchMargin = 20.0;
constexpr double kSearchWidth = 1.0e-7;
constexpr int kMostHalvings = 100;

// The dry bulb (°C) at which air of moisture w (g/kg) has enthalpy h (kJ/kg), by halving the
// interval lo .. hi; the enthalpy of the air state rises with the dry bulb at any moisture,
// including where it is held to saturation.
double DryBulbOfEnthalpy(AirState& air, double w, double h, double lo, double hi) {
  for (int i = 0; i < kMostHalvings && hi - lo > kSearchWidth; ++i) {
    const double mid = 0.5 * (lo + hi);
    air.SetFromHumidity(mid, w);
    (air.Enthalpy < h ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

}  // namespace

std::optional<ChartPoint> MixStreams(const AirState& air, const AirStream& first,
                                     const AirStream& second) {
  AirState one = air;
  AirState two = air;
  one.SetFromHumidity(first.point.X, first.point.Y);
  two.SetFromHumidity(second.point.X, second.point.Y);
  const double m1 = DryAirMassFlow(first.flow, one.Volume);
  const double m2 = DryAirMassFlow(second.flow, two.Volume);
  if (m1 < 0.0 || m2 < 0.0 || !(m1 + m2 > 0.0) || !std::isfinite(m1 + m2)) return std::nullopt;
  const double w = (m1 * one.AbsHumidity + m2 * two.AbsHumidity) / (m1 + m2);
  const double h = (m1 * one.Enthalpy + m2 * two.Enthalpy) / (m1 + m2);
  const double lo =
      std::max(std::min(one.DryBulb, two.DryBulb) - kSearchMargin, -double{kHighestTemperature});
  const double hi =
      std::min(std::max(one.DryBulb, two.DryBulb) + kSearchMargin, double{kHighestTemperature});
  AirState mixed = air;
  const double t = DryBulbOfEnthalpy(mixed, w, h, lo, hi);
  mixed.SetFromHumidity(t, w);
  return ChartPoint{static_cast<float>(mixed.DryBulb), static_cast<float>(mixed.AbsHumidity)};
}

}  // namespace hygrovia
