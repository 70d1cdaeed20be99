#ifndef HYGROVIA_DATA_EPW_READER_H
#define HYGROVIA_DATA_EPW_READER_H

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "climate/weather_hours.h"
#include "base/result.h"

namespace hygrovia {

// Hourly rows of a year, and of a leap year.
inline constexpr int kHoursInYear = 8760;
inline constexpr int kHoursInLeapYear = 8784;
// A weather file is a few megabytes; a longer one is no year of hours.
inline constexpr std::size_t kLargestWeatherFile = std::size_t{64} << 20;

// Reads the text of a weather file: the location line (name, latitude, longitude, time zone,
// elevation), seven more header lines ending in "DATA PERIODS", then 8760 or 8784 rows, each
// giving at least year, month, day, hour, minute, source flags, dry bulb (°C), dew point (°C),
// relative humidity (%) and station pressure (Pa), separated by commas; a field in double
// quotes may hold commas. Lines end in LF or CR LF, the last one may have none, and blank
// lines may follow the last row. Hours run from 1 to 24 (the hour ending then, in local
// standard time) or, in files that have an hour 0, from 0 to 23; the year and the minute are
// not looked at. An hour whose dry bulb or dew point is marked missing (99.9) is left out and
// counted. The humidity and the pressure are not drawn: where either is missing (999,
// 999999) or unreadable, the humidity is taken from the dry bulb and dew point and the
// pressure from the elevation. Each (month, day, hour) stands once, and a year of 8760 rows
// has no February 29. The location's name is shown as PrintableText makes it. Anything else
// that is not a year of hours is refused with a message naming the line.
Result<WeatherYear> ReadWeatherText(std::string_view text);

// ReadWeatherText of the file at path, read through ReadUserFile (nothing waits on a pipe or
// device, and nothing larger than kLargestWeatherFile is read); the message names the file.
Result<WeatherYear> ReadWeatherFile(const std::filesystem::path& path);

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_EPW_READER_H
