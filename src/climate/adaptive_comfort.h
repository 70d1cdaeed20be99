#ifndef HYGROVIA_CLIMATE_ADAPTIVE_COMFORT_H
#define HYGROVIA_CLIMATE_ADAPTIVE_COMFORT_H

#include <optional>
#include <span>
#include <vector>

#include "climate/weather_hours.h"

namespace hygrovia {

// The adaptive model of ASHRAE Standard 55 for occupant-controlled naturally ventilated
// spaces: the comfortable operative temperature follows the prevailing mean outdoor
// temperature t_pma as 0.31 t_pma + 17.8 °C, with 80 % of the occupants satisfied within
// ±3.5 K of it and 90 % within ±2.5 K, for t_pma from 10 to 33.5 °C only.
inline constexpr double kAdaptiveSlope = 0.31;
inline constexpr double kAdaptiveIntercept = 17.8;  // °C
inline constexpr double kBand80 = 3.5;              // K either way
inline constexpr double kBand90 = 2.5;
inline constexpr double kLowestPrevailingMean = 10.0;  // °C
inline constexpr double kHighestPrevailingMean = 33.5;
// t_pma is the arithmetic mean of the daily mean outdoor dry bulbs of this many days before
// the day (the Standard allows 7 to 30); the days before the file's first are taken from its
// end, as a typical year runs round.
inline constexpr int kPrevailingDays = 7;

double AdaptiveComfortTemperature(double prevailingMean);
bool AdaptiveModelApplies(double prevailingMean);

// The prevailing mean outdoor temperature (°C) of each hour's day, in the hours' order; a day
// is a run of hours of the same month and day.
std::vector<float> PrevailingMeans(std::span<const WeatherHour> hours);

// The hours of a filter whose outdoor dry bulb lies within the adaptive bands of their day:
// the share of the time in which opening the windows would do.
struct AdaptiveCount {
  int hours = 0;     // in the filter
  int applies = 0;   // on days with t_pma from 10 to 33.5 °C
  int within80 = 0;  // within ±3.5 K
  int within90 = 0;  // within ±2.5 K
};
// prevailing holds PrevailingMeans(hours).
AdaptiveCount CountAdaptiveHours(std::span<const WeatherHour> hours,
                                 std::span<const float> prevailing, const HourFilter& filter);

// The band of one month: the comfort temperature at the mean t_pma of its hours.
struct AdaptiveBand {
  int month = 1;
  double prevailingMean = 0.0;  // °C
  double comfort = 0.0;         // °C
  bool applies = false;         // t_pma within the model's range
};
// Nothing when the month has no hours.
std::optional<AdaptiveBand> MonthBand(std::span<const WeatherHour> hours,
                                      std::span<const float> prevailing, int month);

}  // namespace hygrovia

#endif  // HYGROVIA_CLIMATE_ADAPTIVE_COMFORT_H
