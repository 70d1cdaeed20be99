#ifndef HYGROVIA_DATA_MEASURED_READER_H
#define HYGROVIA_DATA_MEASURED_READER_H

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string_view>

#include "base/result.h"
#include "climate/weather_hours.h"

namespace hygrovia {

// The scale of a logger's temperatures.
enum class TemperatureScale { Unknown, Celsius, Fahrenheit };

// A logger's file of a few years at a minute's interval is some tens of megabytes.
inline constexpr std::size_t kLargestMeasuredFile = std::size_t{64} << 20;

// The standard atmosphere's pressure at sea level, kPa.
inline constexpr double kSeaLevelPressure = 101.325;

// Asked for the temperatures' scale when the header does not name it; Unknown refuses the file.
using AskScale = std::function<TemperatureScale()>;

// Reads a logger's measurements saved as comma-separated values: a header line naming the
// columns, then a row for each reading. The columns used are found by their names in any
// letter case: the time ("time", "date": 2024-07-15 08:30 or 2024-07-15T08:30:00, dates with
// / alike), the dry bulb ("temp", "dry bulb", but not "dew") and the first column of relative
// humidity ("rh", "relative", "humidity %"), dew point ("dew") or moisture content
// ("moisture", "humidity ratio", "mixing ratio", "g/kg", "gr/lb", "kg/kg"). A temperature
// column's name may give its scale ("°C", "°F", "degF", "(F)", "Fahrenheit"...); the dew point
// takes the dry bulb's when its own name says none, and when neither says, askScale chooses.
// Moisture is in g/kg unless its name says gr/lb or kg/kg, taken at the barometric pressure
// (kPa) given, the chart's, which the hours keep as theirs. Each row becomes an hour of the
// time of day it was read in (8:30 is in the hour from 8:00). A row with a blank cell among
// those used is left out and counted; anything unreadable refuses the file with its line
// named. The result is a WeatherYear marked measured, without a place.
Result<WeatherYear> ReadMeasuredText(std::string_view text, const AskScale& askScale,
                                     double pressure = kSeaLevelPressure);

// ReadMeasuredText of the file at path, read through ReadUserFile; the message names the file.
Result<WeatherYear> ReadMeasuredFile(const std::filesystem::path& path, const AskScale& askScale,
                                     double pressure = kSeaLevelPressure);

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_MEASURED_READER_H
