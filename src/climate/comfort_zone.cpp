#include "climate/comfort_zone.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "psychro/air_state.h"
#include "psychro/pmv.h"
#include "psychro/root_finding.h"

namespace hygrovia {
namespace {

constexpr double kComfortVote = 0.5;   // the zone holds votes from −0.5 to +0.5
constexpr double kMoistureStep = 0.5;  // g/kg between the zone's rows
constexpr double kColdest = -30.0;     // °C, the search range of the comfort lines
constexpr double kWarmest = 60.0;
constexpr double kTolerance = 1e-6;  // °C, of the comfort lines
constexpr int kApexSteps = 24;
// Moisture (g/kg) at which the search for the top of a zone gives up; no zone reaches it
// at the chart's pressures.
constexpr double kHighestZone = 200.0;

double HeldValue(double value, double low, double high, double fallback) {
  return std::isnan(value) ? fallback : std::clamp(value, low, high);
}

// Partial pressure of water vapour (Pa) of moisture w (g/kg) at barometric pressure p
// (kPa): p w / (622 + w), meaningful for w ≥ 0.
double VapourPressureOf(double w, double p) { return 1000.0 * p * w / (622.0 + w); }

// The dry bulb (°C) at which the mean vote is `vote` for moisture w; nothing outside the
// search range.
std::optional<double> ComfortLine(const ComfortSettings& s, double clothing, double w,
                                  double pressure, double vote) {
  const auto excess = [&](double t) {
    ThermalConditions c{t,        t,  s.airSpeed, VapourPressureOf(w, pressure), s.metabolicRate,
                        clothing, 0.0};
    return PredictedMeanVote(c) - vote;
  };
  const double t = FindRoot(excess, kColdest, kWarmest, kTolerance);
  if (std::isnan(t)) return std::nullopt;
  return t;
}

// The row at moisture w, its left end held right of saturation; nothing when the comfort
// lines cannot be found. A row whose left end passes its right end lies beyond saturation.
std::optional<ZoneRow> RowOf(const ComfortSettings& s, double clothing, double w,
                             const AirState& air) {
  const auto cold = ComfortLine(s, clothing, w, air.Pressure, -kComfortVote);
  const auto warm = ComfortLine(s, clothing, w, air.Pressure, kComfortVote);
  if (!cold || !warm) return std::nullopt;
  const double left = std::max(*cold, air.DewPointFromHumidity(w));
  return ZoneRow{static_cast<float>(w), static_cast<float>(left), static_cast<float>(*warm)};
}

// The moisture between an open row (below) and a closed one (above) where the zone's two
// sides meet on the saturation curve, as a row of a single point.
ZoneRow Apex(const ComfortSettings& s, double clothing, double open, double closed,
             const AirState& air) {
  ZoneRow apex = *RowOf(s, clothing, open, air);
  for (int i = 0; i < kApexSteps; ++i) {
    const double mid = 0.5 * (open + closed);
    const auto row = RowOf(s, clothing, mid, air);
    if (row && row->left < row->right) {
      open = mid;
      apex = *row;
    } else {
      closed = mid;
    }
  }
  apex.left = apex.right;
  return apex;
}

}  // namespace

ComfortSettings ComfortSettings::Held() const {
  const ComfortSettings d;
  ComfortSettings held = *this;
  held.metabolicRate = HeldValue(metabolicRate, 0.8, 4.0, d.metabolicRate);
  held.summerClothing = HeldValue(summerClothing, 0.0, 2.0, d.summerClothing);
  held.winterClothing = HeldValue(winterClothing, 0.0, 2.0, d.winterClothing);
  held.airSpeed = HeldValue(airSpeed, 0.0, 1.0, d.airSpeed);
  held.moistureLimit =
      HeldValue(moistureLimit, kLowestHumidityLimit, kHighestHumidityLimit, d.moistureLimit);
  return held;
}

std::vector<PointF> ComfortZone::Outline() const {
  std::vector<PointF> outline;
  outline.reserve(2 * rows.size());
  for (const ZoneRow& r : rows) outline.push_back({r.right, r.moisture});
  for (auto r = rows.rbegin(); r != rows.rend(); ++r) outline.push_back({r->left, r->moisture});
  return outline;
}

std::optional<ZoneRow> ComfortZone::RowAt(float y) const {
  if (rows.empty() || !(y >= rows.front().moisture) || y > rows.back().moisture)
    return std::nullopt;
  const auto above = std::lower_bound(rows.begin(), rows.end(), y,
                                      [](const ZoneRow& r, float v) { return r.moisture < v; });
  if (above == rows.begin()) return *above;
  const ZoneRow& low = *(above - 1);
  const ZoneRow& high = *above;
  return ZoneRow{y, LinearInterpolate(y, low.moisture, high.moisture, low.left, high.left),
                 LinearInterpolate(y, low.moisture, high.moisture, low.right, high.right)};
}

bool ComfortZone::Contains(ChartPoint p) const {
  const auto row = RowAt(p.Y);
  return row && p.X >= row->left && p.X <= row->right;
}

std::optional<ComfortZone> BuildComfortZone(const ComfortSettings& settings, double clothing,
                                            const AirState& air) {
  const ComfortSettings s = settings.Held();
  const double top = s.humidityLimit ? s.moistureLimit : kHighestZone;
  ComfortZone zone{HeldValue(clothing, 0.0, 2.0, s.summerClothing), {}};
  for (int i = 0;; ++i) {
    const double w = std::min(i * kMoistureStep, top);
    const auto row = RowOf(s, zone.clothing, w, air);
    if (!row) return std::nullopt;
    if (row->left >= row->right) {
      if (zone.rows.empty()) return std::nullopt;
      zone.rows.push_back(Apex(s, zone.clothing, zone.rows.back().moisture, w, air));
      return zone;
    }
    zone.rows.push_back(*row);
    if (w >= top) return zone;
  }
}

std::vector<ComfortZone> BuildComfortZones(const ComfortSettings& settings, const AirState& air) {
  const ComfortSettings s = settings.Held();
  std::vector<ComfortZone> zones;
  for (const double clothing : {s.summerClothing, s.winterClothing}) {
    if (!zones.empty() && zones.front().clothing == clothing) continue;
    if (auto zone = BuildComfortZone(s, clothing, air)) zones.push_back(std::move(*zone));
  }
  return zones;
}

ZoneRelation RelationTo(std::span<const ComfortZone> zones, ChartPoint p) {
  float nearest = std::numeric_limits<float>::infinity();
  ZoneRelation relation = ZoneRelation::Humidification;
  bool reached = false;
  for (const ComfortZone& zone : zones) {
    const auto row = zone.RowAt(p.Y);
    if (!row) {
      if (!reached && !zone.rows.empty() && p.Y > zone.rows.back().moisture) {
        relation = ZoneRelation::Dehumidification;
      }
      continue;
    }
    if (p.X >= row->left && p.X <= row->right) return ZoneRelation::Inside;
    reached = true;
    const float distance = p.X < row->left ? row->left - p.X : p.X - row->right;
    if (distance < nearest) {
      nearest = distance;
      relation = p.X < row->left ? ZoneRelation::Heating : ZoneRelation::Cooling;
    }
  }
  return relation;
}

}  // namespace hygrovia
