#ifndef HYGROVIA_CLIMATE_WEATHER_HOURS_H
#define HYGROVIA_CLIMATE_WEATHER_HOURS_H

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/chart_point.h"

namespace hygrovia {

struct AirState;

// Where a year of weather was measured.
struct WeatherLocation {
  std::string name;        // city, region and country as the file gives them
  double latitude = 0.0;   // degrees, north positive
  double longitude = 0.0;  // degrees, east positive
  double timeZone = 0.0;   // hours from UTC
  double elevation = 0.0;  // m above sea level
};

// One hour of weather. The hour of the day is the one the measurement starts in: 0 for the
// hour from 0:00 to 1:00, 23 for the last one.
struct WeatherHour {
  std::uint8_t month = 1;    // 1 to 12
  std::uint8_t day = 1;      // 1 to 31
  std::uint8_t hour = 0;     // 0 to 23
  float dryBulb = 0.0f;      // °C
  float dewPoint = 0.0f;     // °C
  float relHumidity = 0.0f;  // %
  float pressure = 0.0f;     // Pa, the station's
};

// A year of hourly weather, or the rows of a logger's measurements: the hours that could be
// used, and how many rows the file held and how many of them were left out for a missing
// value. The rows left out keep their time (nothing else) in missing, so that counts can
// follow a filter; a measured row without a time is counted in skipped alone.
struct WeatherYear {
  WeatherLocation location;
  std::vector<WeatherHour> hours;
  int rows = 0;
  int skipped = 0;
  std::vector<WeatherHour> missing;
  // Rows of a logger's file ("Open measured data..."): no place, and any number of rows.
  bool measured = false;
};

// Which hours of the year count: the months firstMonth to lastMonth (1 to 12, both included,
// across the new year when lastMonth comes before firstMonth) and the time of day from
// firstHour:00 to lastHour:00 (0 to 24, across midnight when lastHour comes first; no hour
// when both are the same).
struct HourFilter {
  int firstMonth = 1;
  int lastMonth = 12;
  int firstHour = 0;
  int lastHour = 24;

  bool Passes(const WeatherHour& hour) const;
  // True when every hour of the year passes.
  bool IsWholeYear() const;
  // "Jun-Aug 8:00-18:00", "Jun-Aug" or "8:00-18:00"; the empty text for the whole year.
  std::string Text() const;
  bool operator==(const HourFilter&) const = default;
};

// The rows of year whose time passes filter (the hours used and those left out), and of them
// those left out for a missing value.
struct RowsInFilter {
  int rows = 0;
  int missing = 0;
};
RowsInFilter CountRows(const WeatherYear& year, const HourFilter& filter);

// The chart point of each hour that passes the filter: its dry bulb across and, up, the
// saturation moisture at its dew point (never above saturation at the dry bulb), both at the
// pressure of air, so that the points sit on the chart they are drawn on.
std::vector<ChartPoint> HourPoints(std::span<const WeatherHour> hours, const HourFilter& filter,
                                   const AirState& air);

}  // namespace hygrovia

#endif  // HYGROVIA_CLIMATE_WEATHER_HOURS_H
