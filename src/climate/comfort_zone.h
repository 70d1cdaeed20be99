#ifndef HYGROVIA_CLIMATE_COMFORT_ZONE_H
#define HYGROVIA_CLIMATE_COMFORT_ZONE_H

#include <optional>
#include <span>
#include <vector>

#include "base/chart_point.h"
#include "psychro/geometry.h"

namespace hygrovia {

struct AirState;

// Moisture (g/kg) above which ASHRAE Standard 55 finds no air comfortable: a humidity ratio
// of 0.012 kg/kg (84 gr/lb).
inline constexpr double kComfortHumidityLimit = 12.0;
// The limits a user may choose instead, g/kg.
inline constexpr double kLowestHumidityLimit = 1.0;
inline constexpr double kHighestHumidityLimit = 30.0;

// What the people in the comfort zone do and wear. Mean radiant temperature is taken equal
// to the air temperature, so the chart's dry bulb is the operative temperature.
struct ComfortSettings {
  double metabolicRate = 1.1;                    // met
  double summerClothing = 0.5;                   // clo
  double winterClothing = 1.0;                   // clo
  double airSpeed = 0.1;                         // m/s
  bool humidityLimit = true;                     // no air above moistureLimit is comfortable
  double moistureLimit = kComfortHumidityLimit;  // g/kg

  // These settings held to the ranges where the comfort model means something: 0.8 to 4 met,
  // 0 to 2 clo, 0 to 1 m/s, a limit of kLowestHumidityLimit to kHighestHumidityLimit; a value
  // that is not a number takes the default.
  ComfortSettings Held() const;
  bool operator==(const ComfortSettings&) const = default;
};

// One row of a comfort zone: at a moisture (g/kg), the comfortable dry bulbs from left to
// right (°C).
struct ZoneRow {
  float moisture = 0.0f;
  float left = 0.0f;
  float right = 0.0f;
};

// The air in which the predicted mean vote lies between −0.5 and +0.5 for one clothing level:
// rows from no moisture up to the humidity limit or to where the zone meets the saturation
// curve, each between the −0.5 and the +0.5 line and never left of saturation.
struct ComfortZone {
  double clothing = 0.0;  // clo
  std::vector<ZoneRow> rows;

  // The zone as a closed outline in chart units: up its right side, down its left side.
  std::vector<PointF> Outline() const;
  // The comfortable dry bulbs at moisture y, when the zone reaches that moisture.
  std::optional<ZoneRow> RowAt(float y) const;
  bool Contains(ChartPoint p) const;
};

// The zone for one clothing level (clo) at the pressure of air (its Pressure, kPa); nothing
// when the comfort lines lie beyond -30 to 60 °C.
std::optional<ComfortZone> BuildComfortZone(const ComfortSettings& settings, double clothing,
                                            const AirState& air);
// The summer and the winter zone (one when both clothing levels are the same).
std::vector<ComfortZone> BuildComfortZones(const ComfortSettings& settings, const AirState& air);

// Where air lies from the zones: inside one, or what it needs to get there. Air at a moisture
// the zones reach needs heating or cooling toward the nearest zone's edge; above all of them
// dehumidification, below all of them humidification. zones must not be empty.
enum class ZoneRelation { Inside, Heating, Cooling, Humidification, Dehumidification };
ZoneRelation RelationTo(std::span<const ComfortZone> zones, ChartPoint p);

}  // namespace hygrovia

#endif  // HYGROVIA_CLIMATE_COMFORT_ZONE_H
