#include "data/measured_reader.h"

#include <fmt/format.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "base/row_text.h"
#include "data/csv_fields.h"
#include "data/path_text.h"
#include "data/regular_file.h"
#include "psychro/ashrae_model.h"

namespace hygrovia {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr double kGrainsPerKilogram = 7000.0;
constexpr std::array<int, 12> kDaysInMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

enum class Humidity { Relative, DewPoint, Moisture };

// Where the columns used stand and what their numbers mean.
struct Columns {
  std::size_t time = 0;
  std::size_t dryBulb = 0;
  std::size_t humidity = 0;
  Humidity kind = Humidity::Relative;
  TemperatureScale dryBulbScale = TemperatureScale::Unknown;
  TemperatureScale dewPointScale = TemperatureScale::Unknown;
  double moisturePerGram = 1.0;  // g/kg per unit of the moisture column
  std::size_t Needed() const { return std::max({time, dryBulb, humidity}) + 1; }
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool Has(std::string_view name, std::initializer_list<std::string_view> words) {
  return std::any_of(words.begin(), words.end(),
                     [name](std::string_view w) { return name.find(w) != std::string_view::npos; });
}

// "rh" standing as a word of its own, not inside "three".
bool HasRhWord(std::string_view name) {
  for (std::size_t at = name.find("rh"); at != std::string_view::npos;
       at = name.find("rh", at + 1)) {
    const bool before = at == 0 || !std::isalpha(static_cast<unsigned char>(name[at - 1]));
    const bool after =
        at + 2 >= name.size() || !std::isalpha(static_cast<unsigned char>(name[at + 2]));
    if (before && after) return true;
  }
  return false;
}

TemperatureScale ScaleOf(std::string_view name) {
  if (Has(name, {"\xC2\xB0"
                 "f",
                 "\xC2\xBA"
                 "f",
                 "degf", "deg f", "(f)", "[f]", "fahrenheit"})) {
    return TemperatureScale::Fahrenheit;
  }
  if (Has(name, {"\xC2\xB0"
                 "c",
                 "\xC2\xBA"
                 "c",
                 "degc", "deg c", "(c)", "[c]", "celsius"})) {
    return TemperatureScale::Celsius;
  }
  return TemperatureScale::Unknown;
}

std::optional<Humidity> HumidityOf(std::string_view name) {
  if (Has(name, {"dew"})) return Humidity::DewPoint;
  if (Has(name, {"moisture", "humidity ratio", "mixing ratio", "g/kg", "gr/lb", "kg/kg"})) {
    return Humidity::Moisture;
  }
  if (HasRhWord(name) || Has(name, {"relative"}) || (Has(name, {"humid"}) && Has(name, {"%"}))) {
    return Humidity::Relative;
  }
  return std::nullopt;
}

Result<Columns> FindColumns(const std::vector<std::string>& header) {
  std::optional<std::size_t> time, dryBulb, humidity;
  Columns c;
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string name = Lower(header[i]);
    if (!time && Has(name, {"time", "date"})) {
      time = i;
    } else if (const auto kind = HumidityOf(name); kind && !humidity) {
      humidity = i;
      c.kind = *kind;
      if (*kind == Humidity::DewPoint) c.dewPointScale = ScaleOf(name);
      if (Has(name, {"gr/lb", "grain"})) c.moisturePerGram = 1000.0 / kGrainsPerKilogram;
      if (Has(name, {"kg/kg"})) c.moisturePerGram = 1000.0;
    } else if (!dryBulb && !kind && Has(name, {"temp", "dry bulb", "drybulb", "dry-bulb"})) {
      dryBulb = i;
      c.dryBulbScale = ScaleOf(name);
    }
  }
  if (!time || !dryBulb || !humidity) {
    return Failed(
        "Line 1: the header names no column of the time, of the dry bulb temperature, or of "
        "the relative humidity, dew point or moisture content.");
  }
  c.time = *time;
  c.dryBulb = *dryBulb;
  c.humidity = *humidity;
  return c;
}

// The scales still unknown from the header, from each other or from askScale.
Result<> ChooseScales(Columns& c, const AskScale& askScale) {
  const bool dew = c.kind == Humidity::DewPoint;
  if (c.dryBulbScale == TemperatureScale::Unknown && dew) c.dryBulbScale = c.dewPointScale;
  if (c.dryBulbScale == TemperatureScale::Unknown) {
    c.dryBulbScale = askScale ? askScale() : TemperatureScale::Unknown;
  }
  if (c.dryBulbScale == TemperatureScale::Unknown) {
    return Failed(
        "Line 1: the header does not say whether the temperatures are in \xC2\xB0"
        "C or \xC2\xB0"
        "F (such as \"Temperature (\xC2\xB0"
        "C)\").");
  }
  if (c.dewPointScale == TemperatureScale::Unknown) c.dewPointScale = c.dryBulbScale;
  return Done();
}

// The whole text as a number of digits only, from low to high.
std::optional<int> Digits(std::string_view text, int low, int high) {
  if (text.empty() || text.size() > 4 ||
      !std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; })) {
    return std::nullopt;
  }
  int value = 0;
  for (const char ch : text) value = value * 10 + (ch - '0');
  if (value < low || value > high) return std::nullopt;
  return value;
}

// "YYYY-MM-DD HH:MM[:SS]", with T for the blank or / for the dashes: month, day and hour.
std::optional<WeatherHour> ReadTime(std::string_view text) {
  if (text.size() < 16 || text[4] != text[7] || (text[4] != '-' && text[4] != '/') ||
      (text[10] != ' ' && text[10] != 'T') || text[13] != ':') {
    return std::nullopt;
  }
  const auto year = Digits(text.substr(0, 4), 1, 9999);
  const auto month = Digits(text.substr(5, 2), 1, 12);
  if (!year || !month) return std::nullopt;
  const auto day = Digits(text.substr(8, 2), 1, kDaysInMonth[static_cast<std::size_t>(*month - 1)]);
  const auto hour = Digits(text.substr(11, 2), 0, 23);
  const auto minute = Digits(text.substr(14, 2), 0, 59);
  std::string_view rest = text.substr(16);
  if (rest.starts_with(':') && rest.size() >= 3 && Digits(rest.substr(1, 2), 0, 60)) {
    rest.remove_prefix(3);
    if (rest.starts_with('.'))
      rest = rest.substr(std::min(rest.find_first_not_of("0123456789", 1), rest.size()));
  }
  if (!day || !hour || !minute || !(rest.empty() || rest == "Z")) return std::nullopt;
  WeatherHour h;
  h.month = static_cast<std::uint8_t>(*month);
  h.day = static_cast<std::uint8_t>(*day);
  h.hour = static_cast<std::uint8_t>(*hour);
  return h;
}

std::optional<double> CellNumber(std::string_view cell) {
  const auto parsed = ParseNumber(cell);
  if (!parsed || parsed->length != cell.size() || !std::isfinite(parsed->value))
    return std::nullopt;
  return parsed->value;
}

double Celsius(double value, TemperatureScale scale) {
  return scale == TemperatureScale::Fahrenheit ? (value - 32.0) / 1.8 : value;
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted += PrintableText(text);
  quoted.push_back('"');
  return quoted;
}

class MeasuredParser {
 public:
  MeasuredParser(Columns columns, double pressure) : c_(columns), pressure_(pressure) {}
  Result<> ReadRow(std::string_view line, WeatherYear& year);

 private:
  Result<> Fill(WeatherHour& hour) const;
  std::vector<std::string> cells_;
  Columns c_;
  double pressure_;  // kPa
};

// The dry bulb and the dew point of the row's cells, all present.
Result<> MeasuredParser::Fill(WeatherHour& hour) const {
  const std::string& dryText = cells_[c_.dryBulb];
  const auto dry = CellNumber(dryText);
  const double dryBulb = dry ? Celsius(*dry, c_.dryBulbScale) : 0.0;
  if (!dry || !(dryBulb > -70.0 && dryBulb < 70.0)) {
    return Failed("the dry bulb temperature " + Quoted(dryText) +
                  " is not a temperature from -70 to 70 \xC2\xB0"
                  "C.");
  }
  const std::string& wetText = cells_[c_.humidity];
  const auto value = CellNumber(wetText);
  const double saturation = ashrae::SaturationPressure(dryBulb);
  double dewPoint = 0.0;
  double relHumidity = 0.0;
  switch (c_.kind) {
    case Humidity::Relative:
      if (!value || *value < 0.0 || *value > 110.0) {
        return Failed("the relative humidity " + Quoted(wetText) +
                      " is not a percentage from 0 to 110.");
      }
      relHumidity = std::min(*value, 100.0);
      dewPoint = ashrae::DewPoint(relHumidity / 100.0 * saturation);
      break;
    case Humidity::DewPoint:
      dewPoint = value ? Celsius(*value, c_.dewPointScale) : 0.0;
      if (!value || !(dewPoint > -70.0 && dewPoint < 70.0)) {
        return Failed("the dew point " + Quoted(wetText) +
                      " is not a temperature from -70 to 70 \xC2\xB0"
                      "C.");
      }
      break;
    case Humidity::Moisture: {
      const double grams = value ? *value * c_.moisturePerGram : -1.0;
      if (!(grams >= 0.0 && grams <= 200.0)) {
        return Failed("the moisture content " + Quoted(wetText) + " is not from 0 to 200 g/kg.");
      }
      dewPoint = ashrae::DewPoint(ashrae::VapourPressure(grams / 1000.0, pressure_));
      break;
    }
  }
  dewPoint = std::min(dewPoint, dryBulb);
  if (c_.kind != Humidity::Relative) {
    relHumidity = std::min(100.0, 100.0 * ashrae::SaturationPressure(dewPoint) / saturation);
  }
  hour.dryBulb = static_cast<float>(dryBulb);
  hour.dewPoint = static_cast<float>(dewPoint);
  hour.relHumidity = static_cast<float>(relHumidity);
  hour.pressure = static_cast<float>(pressure_ * 1000.0);
  return Done();
}

Result<> MeasuredParser::ReadRow(std::string_view line, WeatherYear& year) {
  SplitCsvLine(line, cells_, c_.Needed());
  cells_.resize(c_.Needed());  // cells a spreadsheet left off the end are blank
  ++year.rows;
  const std::string& timeText = cells_[c_.time];
  std::optional<WeatherHour> hour;
  if (!timeText.empty()) {
    hour = ReadTime(timeText);
    if (!hour)
      return Failed("the time " + Quoted(timeText) +
                    " is not a date and time such as 2024-07-15 08:30.");
  }
  if (timeText.empty() || cells_[c_.dryBulb].empty() || cells_[c_.humidity].empty()) {
    ++year.skipped;
    if (hour) year.missing.push_back(*hour);
    return Done();
  }
  if (Result<> filled = Fill(*hour); !filled) return filled;
  year.hours.push_back(*hour);
  return Done();
}

std::string LineMessage(int line, const std::string& what) {
  return fmt::format("Line {}: ", line) + what;
}

}  // namespace

Result<WeatherYear> ReadMeasuredText(std::string_view text, const AskScale& askScale,
                                     double pressure) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string> header;
  const std::size_t headerEnd = std::min(text.find('\n'), text.size());
  std::string_view headerLine = text.substr(0, headerEnd);
  if (headerLine.ends_with('\r')) headerLine.remove_suffix(1);
  SplitCsvLine(headerLine, header);
  Result<Columns> columns = FindColumns(header);
  if (!columns) return Failed(columns.Message());
  if (Result<> scales = ChooseScales(*columns, askScale); !scales) return Failed(scales.Message());
  MeasuredParser parser(*columns, pressure);
  WeatherYear year;
  year.measured = true;
  int number = 1;
  for (std::size_t at = headerEnd + 1; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    ++number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (TrimmedText(line).empty()) continue;
    if (Result<> row = parser.ReadRow(line, year); !row)
      return Failed(LineMessage(number, row.Message()));
  }
  if (year.rows == 0) return Failed("Line 2: the file holds no rows of measurements.");
  return year;
}

Result<WeatherYear> ReadMeasuredFile(const std::filesystem::path& path, const AskScale& askScale,
                                     double pressure) {
  const Result<std::string> text = ReadUserFile(path, kLargestMeasuredFile, "measured data file");
  if (!text) return Failed(text.Message());
  Result<WeatherYear> year = ReadMeasuredText(*text, askScale, pressure);
  if (!year) return Failed("Could not read \"" + PathText(path) + "\". " + year.Message());
  return year;
}

}  // namespace hygrovia
