#include "climate/design_conditions.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "psychro/air_state.h"

namespace hygrovia {
namespace {

// The value that no more than `percent` % of the values lie above: the one at rank
// floor(percent % of n) counted from the highest. Reorders values.
float Exceeded(std::vector<float>& values, double percent) {
  const auto n = values.size();
  const auto rank = std::min(
      static_cast<std::size_t>(std::floor(percent / 100.0 * static_cast<double>(n))), n - 1);
  const auto at = values.begin() + static_cast<std::ptrdiff_t>(rank);
  std::nth_element(values.begin(), at, values.end(), std::greater<>());
  return *at;
}

// The value that no more than 100 − percent % of the values lie below.
float AtCumulative(std::vector<float>& values, double percent) {
  const auto n = values.size();
  const auto rank = std::min(
      static_cast<std::size_t>(std::floor((100.0 - percent) / 100.0 * static_cast<double>(n))),
      n - 1);
  const auto at = values.begin() + static_cast<std::ptrdiff_t>(rank);
  std::nth_element(values.begin(), at, values.end());
  return *at;
}

bool Coincides(float value, float design) { return std::abs(value - design) <= kCoincidentBand; }

// The moisture of an hour (g/kg): saturation at its dew point, never above saturation at its
// dry bulb, as the chart places it.
double MoistureOf(const WeatherHour& h, const AirState& air) {
  return std::min(air.SaturationHumidity(h.dewPoint), air.SaturationHumidity(h.dryBulb));
}

// The moisture (g/kg) of air at dryBulb whose wet bulb is wetBulb, by bisection: the wet bulb
// rises with the moisture.
double MoistureAtWetBulb(double dryBulb, double wetBulb, AirState& state) {
  constexpr int kHalvings = 40;
  double low = 0.0;
  double high = state.SaturationHumidity(dryBulb);
  for (int i = 0; i < kHalvings; ++i) {
    const double mid = 0.5 * (low + high);
    state.SetFromHumidity(dryBulb, mid);
    (state.WetBulb < wetBulb ? low : high) = mid;
  }
  return 0.5 * (low + high);
}

CoolingCondition Cooling(std::span<const WeatherHour> hours, std::vector<float>& dryBulbs,
                         double percent, AirState& state) {
  const float design = Exceeded(dryBulbs, percent);
  double sum = 0.0;
  int count = 0;
  for (const WeatherHour& h : hours) {
    if (!Coincides(h.dryBulb, design)) continue;
    state.SetFromHumidity(h.dryBulb, MoistureOf(h, state));
    sum += state.WetBulb;
    ++count;
  }
  // The design value is an hour's own, so at least that hour coincides.
  const double wetBulb = sum / std::max(count, 1);
  return {percent, design, wetBulb, MoistureAtWetBulb(design, wetBulb, state)};
}

DehumidificationCondition Dehumidification(std::span<const WeatherHour> hours,
                                           std::vector<float>& dewPoints, double percent,
                                           const AirState& air) {
  const float design = Exceeded(dewPoints, percent);
  double sum = 0.0;
  int count = 0;
  for (const WeatherHour& h : hours) {
    if (!Coincides(h.dewPoint, design)) continue;
    sum += h.dryBulb;
    ++count;
  }
  return {percent, design, sum / std::max(count, 1), air.SaturationHumidity(design)};
}

}  // namespace

std::optional<DesignConditions> FindDesignConditions(std::span<const WeatherHour> hours,
                                                     const AirState& air) {
  if (hours.empty()) return std::nullopt;
  std::vector<float> dryBulbs(hours.size());
  std::vector<float> dewPoints(hours.size());
  std::transform(hours.begin(), hours.end(), dryBulbs.begin(),
                 [](const WeatherHour& h) { return h.dryBulb; });
  std::transform(hours.begin(), hours.end(), dewPoints.begin(),
                 [](const WeatherHour& h) { return h.dewPoint; });
  DesignConditions design;
  design.hours = static_cast<int>(hours.size());
  AirState state = air;
  for (std::size_t i = 0; i < kCoolingPercents.size(); ++i) {
    design.cooling[i] = Cooling(hours, dryBulbs, kCoolingPercents[i], state);
    design.dehumidification[i] = Dehumidification(hours, dewPoints, kCoolingPercents[i], air);
  }
  for (std::size_t i = 0; i < kHeatingPercents.size(); ++i) {
    design.heating[i] = {kHeatingPercents[i], AtCumulative(dryBulbs, kHeatingPercents[i])};
  }
  return design;
}

}  // namespace hygrovia
