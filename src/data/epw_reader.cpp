#include "data/epw_reader.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include <fmt/format.h>

#include "base/number_text.h"
#include "base/row_text.h"
#include "data/csv_fields.h"
#include "data/path_text.h"
#include "data/regular_file.h"
#include "psychro/ashrae_model.h"

namespace hygrovia {
namespace fs = std::filesystem;
namespace {

constexpr int kHeaderLines = 8;
constexpr std::size_t kLocationFields = 10;
constexpr std::size_t kRowFields = 10;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A value of a row: its field, its name in messages, the marker of a missing value and the
// range (ends excluded) a value must lie in.
struct Quantity {
  std::size_t field;
  const char* name;
  double missing;
  double low;
  double high;
};

constexpr Quantity kDryBulb{6, "dry bulb temperature", 99.9, -70.0, 70.0};
constexpr Quantity kDewPoint{7, "dew point", 99.9, -70.0, 70.0};
constexpr Quantity kHumidity{8, "relative humidity", 999.0, -0.001, 110.001};
constexpr Quantity kPressure{9, "station pressure", 999999.0, 31000.0, 120000.0};

constexpr std::array<int, 12> kDaysInMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Hours of a day as files number them: 0 to 24, one slot more than a day has.
constexpr int kHourSlots = 25;
constexpr int kDaysInLeapYear = 366;

// Splits text at the lines' ends, LF or CR LF; the last line needs no end.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return position_ >= text_.size(); }
  int Number() const { return number_; }
  std::string_view Next() {
    const std::size_t end = std::min(text_.find('\n', position_), text_.size());
    std::string_view line = text_.substr(position_, end - position_);
    position_ = end + 1;
    ++number_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  int number_ = 0;
};

// The whole field as a finite number.
std::optional<double> FieldNumber(std::string_view field) {
  const auto parsed = ParseNumber(field);
  if (!parsed || parsed->length != field.size() || !std::isfinite(parsed->value))
    return std::nullopt;
  return parsed->value;
}

// The whole field as a whole number from low to high ("7", "07" and "7.0" alike).
std::optional<int> FieldWhole(std::string_view field, int low, int high) {
  const auto value = FieldNumber(field);
  if (!value || *value != std::floor(*value) || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

// The value of the field when it is a number within q's range, not marked missing.
std::optional<double> PresentValue(std::string_view field, const Quantity& q) {
  const auto number = FieldNumber(field);
  if (!number || *number >= q.missing || *number <= q.low || *number >= q.high) return std::nullopt;
  return *number;
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text);
  quoted.push_back('"');
  return quoted;
}

std::string LineMessage(int line, const std::string& what) {
  return fmt::format("Line {}: ", line) + what;
}

// Days from January 1 in a leap year's calendar, so that February 29 has a day of its own.
int DayOfYear(int month, int day) {
  int days = day - 1;
  for (int m = 1; m < month; ++m) days += kDaysInMonth[static_cast<std::size_t>(m - 1)];
  return days;
}

class WeatherParser {
 public:
  Result<WeatherYear> Read(std::string_view text);

 private:
  std::optional<std::string> ReadLocation(std::string_view line);
  std::optional<std::string> ReadRow(std::string_view line);
  std::optional<std::string> ReadUsed(const Quantity& q, float& value, bool& missing) const;
  std::optional<std::string> TakeSlot(int month, int day, int rawHour);
  void FillUnused(WeatherHour& hour) const;
  std::optional<std::string> NumberHours();
  Result<WeatherYear> Fail(const std::string& message) const {
    return Failed(message);
  }

  WeatherYear year_;
  int line_ = 0;
  int firstHourZeroLine_ = 0;
  int firstHour24Line_ = 0;
  int firstLeapDayLine_ = 0;
  std::vector<std::string> fields_;
  // The line each (day of the year, hour) was first given on; 0 while it was not.
  std::vector<int> slotLines_ = std::vector<int>(kDaysInLeapYear * kHourSlots, 0);
  std::vector<std::uint8_t> rawHours_;
  std::vector<std::uint8_t> rawMissingHours_;
};

std::optional<std::string> WeatherParser::ReadLocation(std::string_view line) {
  SplitCsvLine(line, fields_, kLocationFields);
  const std::vector<std::string>& f = fields_;
  if (f.size() < kLocationFields || f[0] != "LOCATION") {
    return std::string("the file does not start with the LOCATION line of a weather file.");
  }
  WeatherLocation& at = year_.location;
  for (const std::string& part : {f[1], f[2], f[3]}) {
    const std::string shown = PrintableText(part);
    if (shown.empty() || shown == "-") continue;
    if (!at.name.empty()) at.name += ", ";
    at.name += shown;
  }
  struct Field {
    const std::string& text;
    const char* name;
    double low, high;
    double& value;
  };
  const Field numbers[] = {{f[6], "latitude", -90.0, 90.0, at.latitude},
                           {f[7], "longitude", -180.0, 180.0, at.longitude},
                           {f[8], "time zone", -12.0, 14.0, at.timeZone},
                           {f[9], "elevation", -1000.0, 9999.9, at.elevation}};
  for (const Field& n : numbers) {
    const auto value = FieldNumber(n.text);
    if (!value || *value < n.low || *value > n.high) {
      return "the " + std::string(n.name) + " " + Quoted(PrintableText(n.text)) +
             fmt::format(" is not a number from {:.6g} to {:.6g}.", n.low, n.high);
    }
    n.value = *value;
  }
  return std::nullopt;
}

// A value the chart is drawn from: refused when it is no number or out of range.
std::optional<std::string> WeatherParser::ReadUsed(const Quantity& q, float& value,
                                                   bool& missing) const {
  const std::string& text = fields_[q.field];
  const auto number = FieldNumber(text);
  const std::string name = "the " + std::string(q.name) + " " + Quoted(PrintableText(text));
  if (!number) return name + " is not a number.";
  if (*number >= q.missing) {
    missing = true;
    return std::nullopt;
  }
  if (*number <= q.low || *number >= q.high) return name + " is out of range.";
  value = static_cast<float>(*number);
  return std::nullopt;
}

// The humidity and pressure are kept as the file gives them; where it does not, the humidity
// of the hour's dry bulb and dew point and the standard pressure of the station's elevation.
void WeatherParser::FillUnused(WeatherHour& hour) const {
  if (const auto rh = PresentValue(fields_[kHumidity.field], kHumidity)) {
    hour.relHumidity = static_cast<float>(*rh);
  } else {
    const double ratio =
        ashrae::SaturationPressure(hour.dewPoint) / ashrae::SaturationPressure(hour.dryBulb);
    hour.relHumidity = static_cast<float>(std::min(100.0, 100.0 * ratio));
  }
  if (const auto pressure = PresentValue(fields_[kPressure.field], kPressure)) {
    hour.pressure = static_cast<float>(*pressure);
  } else {
    hour.pressure =
        static_cast<float>(1000.0 * ashrae::PressureAtAltitude(year_.location.elevation));
  }
}

// Each (month, day, hour) stands once.
std::optional<std::string> WeatherParser::TakeSlot(int month, int day, int rawHour) {
  int& first = slotLines_[static_cast<std::size_t>(DayOfYear(month, day) * kHourSlots + rawHour)];
  if (first != 0) {
    return fmt::format("month {}, day {}, hour {} was given before, on line {}.", month, day,
                      rawHour, first);
  }
  first = line_;
  if (month == 2 && day == 29 && firstLeapDayLine_ == 0) firstLeapDayLine_ = line_;
  return std::nullopt;
}

std::optional<std::string> WeatherParser::ReadRow(std::string_view line) {
  SplitCsvLine(line, fields_, kRowFields);
  const std::vector<std::string>& f = fields_;
  if (f.size() < kRowFields) {
    return std::string("a row of hourly weather needs at least 10 values separated by commas.");
  }
  WeatherHour hour;
  const auto month = FieldWhole(f[1], 1, 12);
  if (!month)
    return "the month " + Quoted(PrintableText(f[1])) + " is not a whole number from 1 to 12.";
  const auto day = FieldWhole(f[2], 1, kDaysInMonth[static_cast<std::size_t>(*month - 1)]);
  if (!day) return "the day " + Quoted(PrintableText(f[2])) + " is not a day of the month.";
  const auto rawHour = FieldWhole(f[3], 0, 24);
  if (!rawHour)
    return "the hour " + Quoted(PrintableText(f[3])) + " is not a whole number from 0 to 24.";
  if (auto error = TakeSlot(*month, *day, *rawHour)) return error;
  if (*rawHour == 0 && firstHourZeroLine_ == 0) firstHourZeroLine_ = line_;
  if (*rawHour == 24 && firstHour24Line_ == 0) firstHour24Line_ = line_;
  hour.month = static_cast<std::uint8_t>(*month);
  hour.day = static_cast<std::uint8_t>(*day);
  bool missing = false;
  if (auto error = ReadUsed(kDryBulb, hour.dryBulb, missing)) return error;
  if (auto error = ReadUsed(kDewPoint, hour.dewPoint, missing)) return error;
  ++year_.rows;
  if (missing) {
    ++year_.skipped;
    year_.missing.push_back(hour);
    rawMissingHours_.push_back(static_cast<std::uint8_t>(*rawHour));
    return std::nullopt;
  }
  FillUnused(hour);
  year_.hours.push_back(hour);
  rawHours_.push_back(static_cast<std::uint8_t>(*rawHour));
  return std::nullopt;
}

// Hours 1 to 24 end at the hour given; a file with an hour 0 gives the hour each starts in.
std::optional<std::string> WeatherParser::NumberHours() {
  const bool fromZero = firstHourZeroLine_ != 0;
  if (fromZero && firstHour24Line_ != 0) {
    return LineMessage(std::max(firstHourZeroLine_, firstHour24Line_),
                       "the hours run from 0 to 23 in one place and from 1 to 24 in another.");
  }
  const auto number = [fromZero](std::vector<WeatherHour>& hours,
                                 const std::vector<std::uint8_t>& raw) {
    for (std::size_t i = 0; i < hours.size(); ++i) {
      hours[i].hour = static_cast<std::uint8_t>(fromZero ? raw[i] : raw[i] - 1);
    }
  };
  number(year_.hours, rawHours_);
  number(year_.missing, rawMissingHours_);
  return std::nullopt;
}

Result<WeatherYear> WeatherParser::Read(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  LineCursor lines(text);
  for (line_ = 1; line_ <= kHeaderLines; ++line_) {
    if (lines.AtEnd()) {
      return Fail(LineMessage(line_, "the file ends within the eight lines of its header."));
    }
    const std::string_view line = lines.Next();
    if (line_ == 1) {
      if (auto error = ReadLocation(line)) return Fail(LineMessage(line_, *error));
    }
    if (line_ == kHeaderLines && !line.starts_with("DATA PERIODS")) {
      return Fail(LineMessage(line_, "the DATA PERIODS line that ends the header is missing."));
    }
  }
  year_.hours.reserve(kHoursInLeapYear);
  rawHours_.reserve(kHoursInLeapYear);
  int blankLine = 0;
  while (!lines.AtEnd()) {
    const std::string_view line = lines.Next();
    line_ = lines.Number();
    if (TrimmedText(line).empty()) {
      if (blankLine == 0) blankLine = line_;
      continue;
    }
    if (blankLine != 0)
      return Fail(LineMessage(blankLine, "a blank line stands between the rows."));
    if (year_.rows == kHoursInLeapYear) {
      return Fail(LineMessage(line_, "more rows than the 8784 hours of a leap year."));
    }
    if (auto error = ReadRow(line)) return Fail(LineMessage(line_, *error));
  }
  if (year_.rows != kHoursInYear && year_.rows != kHoursInLeapYear) {
    return Fail(LineMessage(kHeaderLines + year_.rows + 1,
                            fmt::format("the file ends after {} hours; a year has 8760, or 8784 "
                                       "in a leap year.",
                                       year_.rows)));
  }
  // Every hour stands once, so a year of 8760 without February 29 holds each of its hours.
  if (year_.rows == kHoursInYear && firstLeapDayLine_ != 0) {
    return Fail(LineMessage(firstLeapDayLine_,
                            "February 29 in a year of 8760 hours, which has no such day."));
  }
  if (auto error = NumberHours()) return Fail(*error);
  return std::move(year_);
}

}  // namespace

Result<WeatherYear> ReadWeatherText(std::string_view text) { return WeatherParser().Read(text); }

Result<WeatherYear> ReadWeatherFile(const fs::path& path) {
  const Result<std::string> text = ReadUserFile(path, kLargestWeatherFile, "weather file");
  if (!text) return Failed(text.Message());
  Result<WeatherYear> result = ReadWeatherText(*text);
  if (!result) return Failed("Could not read \"" + PathText(path) + "\". " + result.Message());
  return result;
}

}  // namespace hygrovia
