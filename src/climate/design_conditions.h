#ifndef HYGROVIA_CLIMATE_DESIGN_CONDITIONS_H
#define HYGROVIA_CLIMATE_DESIGN_CONDITIONS_H

#include <array>
#include <optional>
#include <span>

#include "climate/weather_hours.h"

namespace hygrovia {

struct AirState;

// The design conditions of a site as the ASHRAE Handbook (Fundamentals, Climatic Design
// Information) defines them, from the cumulative frequency of the hours of one weather file
// rather than of a long record. A value "exceeded by p % of the hours" is the lowest value of
// an hour that no more than p % of the hours lie above; a value at a cumulative frequency of
// q % (the heating values) is the highest that no more than 100 − q % of the hours lie below.
// The mean coincident values are the means over the hours whose design quantity lies within
// kCoincidentBand of the design value.
inline constexpr std::array<double, 3> kCoolingPercents = {0.4, 1.0, 2.0};  // exceeded
inline constexpr std::array<double, 2> kHeatingPercents = {99.6, 99.0};     // cumulative
inline constexpr double kCoincidentBand = 0.5;                              // K, either way

struct CoolingCondition {
  double percent = 0.0;      // of the hours exceeding the dry bulb
  double dryBulb = 0.0;      // °C
  double meanWetBulb = 0.0;  // °C, mean coincident wet bulb
  double moisture = 0.0;     // g/kg of air at the dry bulb and the mean coincident wet bulb
};

struct DehumidificationCondition {
  double percent = 0.0;      // of the hours exceeding the dew point
  double dewPoint = 0.0;     // °C
  double meanDryBulb = 0.0;  // °C, mean coincident dry bulb
  double moisture = 0.0;     // g/kg, humidity ratio at the dew point
};

struct HeatingCondition {
  double percent = 0.0;  // cumulative frequency: the share of the hours warmer
  double dryBulb = 0.0;  // °C
};

struct DesignConditions {
  int hours = 0;  // the hours they were taken from
  std::array<CoolingCondition, kCoolingPercents.size()> cooling;
  std::array<DehumidificationCondition, kCoolingPercents.size()> dehumidification;
  std::array<HeatingCondition, kHeatingPercents.size()> heating;
};

// The design conditions of all the hours, with wet bulbs and humidity ratios at the pressure
// and in the property model of air; nothing without hours.
std::optional<DesignConditions> FindDesignConditions(std::span<const WeatherHour> hours,
                                                     const AirState& air);

}  // namespace hygrovia

#endif  // HYGROVIA_CLIMATE_DESIGN_CONDITIONS_H
