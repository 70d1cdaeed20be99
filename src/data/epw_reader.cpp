#include "data/epw_reader.h"

#include <array>
#include <cmath>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <fmt/format.h>

#include "base/number_text.h"
#include "data/path_text.h"

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

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The first `count` comma-separated fields of line, trimmed; fewer when the line has fewer.
template <std::size_t N>
std::size_t SplitFields(std::string_view line, std::array<std::string_view, N>& fields) {
  std::size_t count = 0;
  std::size_t start = 0;
  while (count < N) {
    const std::size_t comma = line.find(',', start);
    fields[count++] =
        Trimmed(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return count;
}

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

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text);
  quoted.push_back('"');
  return quoted;
}

std::string LineMessage(int line, const std::string& what) {
  return fmt::format("Line {}: ", line) + what;
}

class WeatherParser {
 public:
  Result<WeatherYear> Read(std::string_view text);

 private:
  std::optional<std::string> ReadLocation(std::string_view line);
  std::optional<std::string> ReadRow(std::string_view line);
  std::optional<std::string> ReadQuantity(const std::array<std::string_view, kRowFields>& fields,
                                          const Quantity& q, float& value, bool& missing) const;
  std::optional<std::string> NumberHours();
  Result<WeatherYear> Fail(const std::string& message) const {
    return Failed(message);
  }

  WeatherYear year_;
  int line_ = 0;
  int firstHourZeroLine_ = 0;
  int firstHour24Line_ = 0;
  std::vector<std::uint8_t> rawHours_;
};

std::optional<std::string> WeatherParser::ReadLocation(std::string_view line) {
  std::array<std::string_view, kLocationFields> f{};
  if (SplitFields(line, f) < kLocationFields || f[0] != "LOCATION") {
    return std::string("the file does not start with the LOCATION line of a weather file.");
  }
  WeatherLocation& at = year_.location;
  for (const std::string_view part : {f[1], f[2], f[3]}) {
    if (part.empty() || part == "-") continue;
    if (!at.name.empty()) at.name += ", ";
    at.name += part;
  }
  struct Field {
    std::string_view text;
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
      return "the " + std::string(n.name) + " " + Quoted(n.text) +
             fmt::format(" is not a number from {:.6g} to {:.6g}.", n.low, n.high);
    }
    n.value = *value;
  }
  return std::nullopt;
}

std::optional<std::string> WeatherParser::ReadQuantity(
    const std::array<std::string_view, kRowFields>& fields, const Quantity& q, float& value,
    bool& missing) const {
  const std::string_view text = fields[q.field];
  const auto number = FieldNumber(text);
  if (!number) return "the " + std::string(q.name) + " " + Quoted(text) + " is not a number.";
  if (*number >= q.missing) {
    missing = true;
    return std::nullopt;
  }
  if (*number <= q.low || *number >= q.high) {
    return "the " + std::string(q.name) + " " + Quoted(text) + " is out of range.";
  }
  value = static_cast<float>(*number);
  return std::nullopt;
}

std::optional<std::string> WeatherParser::ReadRow(std::string_view line) {
  std::array<std::string_view, kRowFields> f{};
  if (SplitFields(line, f) < kRowFields) {
    return std::string("a row of hourly weather needs at least 10 values separated by commas.");
  }
  WeatherHour hour;
  const auto month = FieldWhole(f[1], 1, 12);
  if (!month) return "the month " + Quoted(f[1]) + " is not a whole number from 1 to 12.";
  const auto day = FieldWhole(f[2], 1, kDaysInMonth[static_cast<std::size_t>(*month - 1)]);
  if (!day) return "the day " + Quoted(f[2]) + " is not a day of the month.";
  const auto rawHour = FieldWhole(f[3], 0, 24);
  if (!rawHour) return "the hour " + Quoted(f[3]) + " is not a whole number from 0 to 24.";
  if (*rawHour == 0 && firstHourZeroLine_ == 0) firstHourZeroLine_ = line_;
  if (*rawHour == 24 && firstHour24Line_ == 0) firstHour24Line_ = line_;
  hour.month = static_cast<std::uint8_t>(*month);
  hour.day = static_cast<std::uint8_t>(*day);
  bool missing = false;
  for (const auto& [q, value] : {std::pair<const Quantity&, float&>{kDryBulb, hour.dryBulb},
                                 {kDewPoint, hour.dewPoint},
                                 {kHumidity, hour.relHumidity},
                                 {kPressure, hour.pressure}}) {
    if (auto error = ReadQuantity(f, q, value, missing)) return error;
  }
  ++year_.rows;
  if (missing) {
    ++year_.skipped;
    return std::nullopt;
  }
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
  for (std::size_t i = 0; i < year_.hours.size(); ++i) {
    year_.hours[i].hour = static_cast<std::uint8_t>(fromZero ? rawHours_[i] : rawHours_[i] - 1);
  }
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
    if (Trimmed(line).empty()) {
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
  if (auto error = NumberHours()) return Fail(*error);
  return std::move(year_);
}

Failure Unreadable(const fs::path& path, const std::string& why) {
  return Failed("Could not read \"" + PathText(path) + "\". " + why);
}

}  // namespace

Result<WeatherYear> ReadWeatherText(std::string_view text) { return WeatherParser().Read(text); }

Result<WeatherYear> ReadWeatherFile(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return Unreadable(path, "The file does not exist.");
  if (fs::is_directory(status)) return Unreadable(path, "It is a folder, not a weather file.");
  std::ifstream in(path, std::ios::binary);
  if (!in) return Unreadable(path, "The file cannot be opened for reading.");
  // Devices such as /dev/zero may be named: read no more than a weather file can hold.
  constexpr std::size_t kChunk = std::size_t{1} << 20;
  std::string text;
  while (in && text.size() <= kLargestWeatherFile) {
    const std::size_t size = text.size();
    text.resize(size + kChunk);
    in.read(text.data() + size, static_cast<std::streamsize>(kChunk));
    text.resize(size + static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return Unreadable(path, "Reading failed.");
  if (text.size() > kLargestWeatherFile) {
    return Unreadable(path, "It is larger than a weather file can be.");
  }
  Result<WeatherYear> result = ReadWeatherText(text);
  if (!result) return Unreadable(path, result.Message());
  return result;
}

}  // namespace hygrovia
