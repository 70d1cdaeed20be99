#include "model/measured_state.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "base/chart_limits.h"
#include "psychro/air_state.h"
#include "units/displayed_enthalpy.h"

namespace hygrovia {
namespace {

constexpr int kMostHalvings = 80;
// Readings this close beyond a limit (in their own SI unit) are the limit, not a mistake.
constexpr double kReadingSlack = 1.0e-6;
// The driest air searched, g/kg: a dew point has no value at no moisture at all.
constexpr double kDriest = 1.0e-9;
constexpr double kMostRelHumidity = 100.0;

struct KindWord {
  std::string_view word;
  MeasuredKind kind;
};
constexpr std::array<KindWord, 5> kKindWords{{
    {"rh", MeasuredKind::RelHumidity},
    {"wb", MeasuredKind::WetBulb},
    {"dp", MeasuredKind::DewPoint},
    {"w", MeasuredKind::Moisture},
    {"h", MeasuredKind::Enthalpy},
}};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The reading of the kind for moisture w (g/kg) at dry bulb t.
double Reading(AirState& air, const QuantityText& units, MeasuredKind kind, double t, double w) {
  air.SetFromHumidity(t, w);
  switch (kind) {
    case MeasuredKind::WetBulb:
      return air.WetBulb;
    case MeasuredKind::DewPoint:
      return air.DewPoint;
    case MeasuredKind::Enthalpy:
      return DisplayedEnthalpy(units, air);
    case MeasuredKind::RelHumidity:
      return air.RelHumidity;
    case MeasuredKind::Moisture:
      break;
  }
  return air.AbsHumidity;
}

std::string_view NameOf(MeasuredKind kind) {
  switch (kind) {
    case MeasuredKind::WetBulb:
      return "wet bulb";
    case MeasuredKind::DewPoint:
      return "dew point";
    case MeasuredKind::Enthalpy:
      return "enthalpy";
    case MeasuredKind::RelHumidity:
      return "relative humidity";
    case MeasuredKind::Moisture:
      break;
  }
  return "moisture content";
}

// The moisture whose reading is value, by halving 0 .. saturation; every reading rises with
// the moisture at one dry bulb.
Result<double> MoistureOfReading(AirState& air, const QuantityText& units, MeasuredKind kind,
                                 double t, double value) {
  double lo = kDriest;
  double hi = air.SaturationHumidity(t);
  const double top = Reading(air, units, kind, t, hi);
  const double bottom = Reading(air, units, kind, t, lo);
  const std::string name(NameOf(kind));
  if (value > top + kReadingSlack) {
    return Failed(kind == MeasuredKind::WetBulb || kind == MeasuredKind::DewPoint
                      ? "a " + name + " above the dry bulb is impossible"
                      : "no air at this dry bulb holds so much: the " + name +
                            " is beyond saturation");
  }
  if (value < bottom - kReadingSlack) {
    return Failed("the " + name + " is below that of dry air at this dry bulb");
  }
  if (value >= top) return hi;
  for (int i = 0; i < kMostHalvings; ++i) {
    const double mid = 0.5 * (lo + hi);
    (Reading(air, units, kind, t, mid) < value ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

}  // namespace

std::optional<MeasuredKind> MeasuredKindFromWord(std::string_view word) {
  for (const KindWord& k : kKindWords) {
    if (word.size() == k.word.size() &&
        std::equal(word.begin(), word.end(), k.word.begin(),
                   [](char a, char b) { return LowerAscii(a) == b; })) {
      return k.kind;
    }
  }
  return std::nullopt;
}

Result<ChartPoint> MeasuredState(const AirState& air, const QuantityText& units, double dryBulb,
                                 MeasuredKind kind, double value) {
  if (!std::isfinite(dryBulb) || !std::isfinite(value)) return Failed("not a number");
  if (std::abs(dryBulb) > kHighestTemperature) {
    return Failed("the dry bulb is beyond the chart's temperatures");
  }
  AirState state = air;
  const double saturation = state.SaturationHumidity(dryBulb);
  double w = value;
  switch (kind) {
    case MeasuredKind::RelHumidity:
      if (value < 0.0 || value > kMostRelHumidity + kReadingSlack) {
        return Failed("a relative humidity runs from 0 to 100 %");
      }
      w = state.HumidityFromRelHumidity(dryBulb, std::min(value, kMostRelHumidity));
      break;
    case MeasuredKind::Moisture:
      if (value < 0.0) return Failed("a moisture content cannot be negative");
      if (value > saturation + kReadingSlack) {
        return Failed("the moisture content is above saturation at this dry bulb");
      }
      w = std::min(value, saturation);
      break;
    default: {
      const Result<double> found = MoistureOfReading(state, units, kind, dryBulb, value);
      if (!found) return Failed(found.Message());
      w = *found;
    }
  }
  return ChartPoint{static_cast<float>(dryBulb), static_cast<float>(w)};
}

}  // namespace hygrovia
