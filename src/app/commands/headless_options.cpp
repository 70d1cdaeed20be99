#include "app/commands/headless_options.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

#include "base/number_text.h"

namespace hygrovia {
namespace {

constexpr int kLastHighlightMode = 11;

// Volume flows beyond this (m³/s) are no airflow through a duct.
constexpr double kLargestProcessFlow = 1.0e6;

bool IsHeadlessWord(const std::string& word) {
  return word.starts_with("--") && word != "--help" && word != "--version";
}

// The filter words of a weather run, which have the single dash of the chart's options.
bool IsFilterWord(const std::string& word) { return word == "-months" || word == "-hours"; }

// The words that set how a weather run analyses its hours.
bool IsAnalysisWord(const std::string& word) {
  return word == "-comfort" || word == "-humidity-limit" || word == "-design-marks" ||
         word == "-adaptive";
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                    [](char a, char b) { return a == LowerAscii(b); });
}

// A whole number written with digits only (no sign, blank or exponent) from 0 to largest;
// leading zeros do not count ("0100" is 100).
std::optional<int> WholeNumber(std::string_view text, int largest) {
  constexpr std::size_t kMostDigits = 6;
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  text.remove_prefix(std::min(text.find_first_not_of('0'), text.size() - 1));
  if (text.size() > kMostDigits) return std::nullopt;
  const double value = DecimalValue(text);
  if (value > largest) return std::nullopt;
  return static_cast<int>(value);
}

// "WIDTHxHEIGHT" with both sides from 1 to kLargestPictureSide pixels.
bool ReadSize(std::string_view text, HeadlessOptions& options) {
  const std::size_t cross = text.find_first_of("xX");
  if (cross == std::string_view::npos) return false;
  const auto width = WholeNumber(text.substr(0, cross), kLargestPictureSide);
  const auto height = WholeNumber(text.substr(cross + 1), kLargestPictureSide);
  if (!width || !height || *width < 1 || *height < 1) return false;
  options.width = *width;
  options.height = *height;
  return true;
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text);
  quoted.push_back('"');
  return quoted;
}

// "FIRST-LAST" with both ends whole numbers from low to high.
bool ReadRange(std::string_view text, int low, int high, int& first, int& last) {
  const std::size_t dash = text.find('-');
  if (dash == std::string_view::npos) return false;
  const auto from = WholeNumber(text.substr(0, dash), high);
  const auto to = WholeNumber(text.substr(dash + 1), high);
  if (!from || !to || *from < low || *to < low) return false;
  first = *from;
  last = *to;
  return true;
}

bool IsFlowWord(std::string_view word) {
  constexpr std::string_view kFlow = "-flow";
  return word.size() == kFlow.size() && EndsWithIgnoringCase(word, kFlow);
}

bool IsFlowReferenceWord(std::string_view word) {
  constexpr std::string_view kReference = "-flow-ref";
  return word.size() == kReference.size() && EndsWithIgnoringCase(word, kReference);
}

// "-flow-ref first|standard|mass"; why not when the value is missing or unknown.
Result<> ReadFlowReference(const std::vector<std::string>& arguments, std::size_t& i,
                           HeadlessOptions& options) {
  if (i + 1 >= arguments.size()) return Failed("-flow-ref needs first, standard or mass");
  const std::string& value = arguments[++i];
  constexpr std::pair<std::string_view, FlowReference> kNames[] = {
      {"first", FlowReference::FirstPoint},
      {"standard", FlowReference::StandardAir},
      {"mass", FlowReference::MassFlow},
  };
  for (const auto& [name, reference] : kNames) {
    if (value.size() == name.size() && EndsWithIgnoringCase(value, name)) {
      options.flowReference = reference;
      return Done();
    }
  }
  return Failed("bad -flow-ref \"" + value + "\": give first, standard or mass");
}

// A whole written number (nothing after it) of 0 to kLargestProcessFlow m³/s.
std::optional<double> ProcessFlow(std::string_view text) {
  const auto parsed = ParseNumber(text);
  if (!parsed || parsed->length != text.size() || !(parsed->value >= 0.0) ||
      parsed->value > kLargestProcessFlow) {
    return std::nullopt;
  }
  return parsed->value;
}

// A whole written number from low to high.
std::optional<double> NumberWithin(std::string_view text, double low, double high) {
  const auto parsed = ParseNumber(text);
  if (!parsed || parsed->length != text.size() || !(parsed->value >= low) ||
      !(parsed->value <= high)) {
    return std::nullopt;
  }
  return parsed->value;
}

// Takes the value of the option at arguments[i] (i is moved onto it); false when there is none,
// or when the next word is an option of its own ("--export --table" asks for no file
// "--table").
bool TakeValue(const std::vector<std::string>& arguments, std::size_t& i, std::string& value) {
  if (i + 1 >= arguments.size() || IsHeadlessWord(arguments[i + 1])) return false;
  value = arguments[++i];
  return true;
}

// "-comfort MET CLO_SUMMER CLO_WINTER SPEED".
Result<> ReadComfort(const std::vector<std::string>& arguments, std::size_t& i,
                        HeadlessOptions& options) {
  constexpr std::array<double, 4> kHighest = {4.0, 2.0, 2.0, 1.0};
  constexpr std::array<double, 4> kLowest = {0.8, 0.0, 0.0, 0.0};
  std::array<double, 4> values{};
  for (std::size_t k = 0; k < values.size(); ++k) {
    std::string value;
    const bool read = TakeValue(arguments, i, value);
    const auto number = NumberWithin(value, kLowest[k], kHighest[k]);
    if (!read || !number) {
      return Failed("bad -comfort " + Quoted(value) +
             ": give MET CLO_SUMMER CLO_WINTER SPEED, met from 0.8 to 4, clo from 0 to 2, "
             "air speed from 0 to 1 m/s");
    }
    values[k] = *number;
  }
  options.comfort = values;
  return Done();
}

// "-humidity-limit", "-design-marks", "-adaptive" and "-comfort" with their values.
Result<> ReadAnalysisWord(const std::vector<std::string>& arguments, std::size_t& i,
                             HeadlessOptions& options) {
  const std::string word = arguments[i];
  options.analysisGiven = true;
  if (word == "-comfort") return ReadComfort(arguments, i, options);
  std::string value;
  const bool read = TakeValue(arguments, i, value);
  if (word == "-humidity-limit") {
    // The value's range depends on the units, which the chart words choose.
    const auto limit = NumberWithin(value, 0.0, 1000.0);
    options.humidityLimitOff = read && value == "off";
    options.humidityLimit = limit;
    if (read && (limit || options.humidityLimitOff)) return Done();
    return Failed("bad -humidity-limit " + Quoted(value) + ": give a moisture content, or off");
  }
  if (word == "-design-marks") {
    if (read && (value == "on" || value == "off")) {
      options.designMarks = value == "on";
      return Done();
    }
    return Failed("bad -design-marks " + Quoted(value) + ": give on or off");
  }
  const auto month = WholeNumber(value, 12);
  if (read && (value == "off" || (month && *month >= 1))) {
    options.adaptiveMonth = month.value_or(0);
    return Done();
  }
  return Failed("bad -adaptive " + Quoted(value) + ": give a month from 1 to 12, or off");
}

// Reads the headless word at arguments[i] and its value; the error text when it is not one.
Result<> ReadWord(const std::vector<std::string>& arguments, std::size_t& i,
                  HeadlessOptions& options) {
  const std::string& word = arguments[i];
  std::string value;
  if (word == "--table") {
    options.table = true;
  } else if (word == "--highlight") {
    if (!TakeValue(arguments, i, value)) return Failed("--highlight needs a mode from 0 to 11");
    const auto mode = WholeNumber(value, kLastHighlightMode);
    if (!mode)
      return Failed("bad highlight mode " + Quoted(value) + ": give a number from 0 to 11");
    options.highlights.push_back(*mode);
  } else if (word == "--size") {
    if (!TakeValue(arguments, i, value)) return Failed("--size needs WIDTHxHEIGHT");
    if (!ReadSize(value, options)) {
      return Failed("bad size " + Quoted(value) + ": give WIDTHxHEIGHT, each from 1 to " +
                    std::to_string(kLargestPictureSide) + " pixels");
    }
  } else if (word == "--export") {
    if (!TakeValue(arguments, i, value)) return Failed("--export needs a file name");
    if (value.empty()) return Failed("the file name after --export is empty");
    options.exportFile = value;
  } else if (word == "--page") {
    if (!TakeValue(arguments, i, value)) return Failed("--page needs a file name");
    if (FormatOfFileName(value) != PictureFormat::Pdf) {
      return Failed("the page of --page is a PDF file: its name must end in .pdf");
    }
    options.pageFile = value;
  } else if (word == "--weather") {
    if (!TakeValue(arguments, i, value)) return Failed("--weather needs a weather file (.epw)");
    options.weatherFile = value;
  } else if (word == "--measured") {
    if (!TakeValue(arguments, i, value)) return Failed("--measured needs a file of measurements (.csv)");
    options.measuredFile = value;
  } else if (word == "--measured-unit") {
    if (!TakeValue(arguments, i, value) ||
        (value != "C" && value != "F" && value != "c" && value != "f")) {
      return Failed("bad unit " + Quoted(value) + ": give C or F for the measured temperatures");
    }
    options.measuredUnit = value == "C" || value == "c" ? 'C' : 'F';
  } else if (word == "-months") {
    HourFilter& f = options.filter;
    if (!TakeValue(arguments, i, value) || !ReadRange(value, 1, 12, f.firstMonth, f.lastMonth)) {
      return Failed("bad months " + Quoted(value) + ": give FIRST-LAST, each from 1 to 12");
    }
  } else if (word == "-hours") {
    HourFilter& f = options.filter;
    if (!TakeValue(arguments, i, value) || !ReadRange(value, 0, 24, f.firstHour, f.lastHour) ||
        f.firstHour == f.lastHour) {
      return Failed("bad hours " + Quoted(value) +
                    ": give FROM-TO, two different hours from 0 to 24");
    }
  } else if (IsAnalysisWord(word)) {
    return ReadAnalysisWord(arguments, i, options);
  } else if (word == "--process-csv") {
    if (!TakeValue(arguments, i, value) || value.empty()) {
      return Failed("--process-csv needs a file name, or - for standard output");
    }
    options.processCsvFile = value;
  } else if (IsFlowReferenceWord(word)) {
    return ReadFlowReference(arguments, i, options);
  } else if (IsFlowWord(word)) {
    if (!TakeValue(arguments, i, value)) return Failed("-flow needs an airflow in m\xC2\xB3/s");
    const auto flow = ProcessFlow(value);
    if (!flow)
      return Failed("bad airflow " + Quoted(value) + ": give m\xC2\xB3/s from 0 to 1000000");
    options.flow = *flow;
    options.flowGiven = true;
  } else {
    return Failed("unknown option " + Quoted(word));
  }
  return Done();
}

// What is wrong with the options once every word was read; empty when they can run.
Result<> CheckOptions(HeadlessOptions& options) {
  const bool hours = !options.weatherFile.empty() || !options.measuredFile.empty();
  if (!hours && !(options.filter == HourFilter{})) {
    return Failed("-months and -hours choose hours of --weather FILE");
  }
  if (!options.weatherFile.empty() && !options.measuredFile.empty()) {
    return Failed("give --weather FILE or --measured FILE, not both");
  }
  if (options.weatherFile.empty() && options.analysisGiven) {
    return Failed("-comfort, -humidity-limit, -design-marks and -adaptive analyse --weather FILE");
  }
  if (!options.exportFile.empty()) {
    options.format = FormatOfFileName(options.exportFile);
    if (options.format == PictureFormat::Unknown) {
      return Failed("cannot tell the picture format of " + Quoted(options.exportFile) +
                    ": the name must end in .png, .svg or .pdf");
    }
  } else if (!options.table && options.processCsvFile.empty() && options.pageFile.empty()) {
    return Failed("nothing to do: give --table, --export FILE, --page FILE or --process-csv FILE");
  }
  return Done();
}

}  // namespace

PictureFormat FormatOfFileName(std::string_view fileName) {
  if (EndsWithIgnoringCase(fileName, ".png")) return PictureFormat::Png;
  if (EndsWithIgnoringCase(fileName, ".svg")) return PictureFormat::Svg;
  if (EndsWithIgnoringCase(fileName, ".pdf")) return PictureFormat::Pdf;
  return PictureFormat::Unknown;
}

std::string HeadlessUsageText() {
  return "Without a window, after the words above:\n"
         "  --table                     prints the data table\n"
         "  --export FILE               writes the chart as a .png, .svg or .pdf picture, the\n"
         "                              chart alone at the picture's size, for documents\n"
         "  --page FILE.pdf             writes the page Print chart prints: paper, title block\n"
         "                              with the file name, pressure, ranges and date, and the\n"
         "                              table of points\n"
         "  --size WIDTHxHEIGHT         picture size in pixels (default 1600x1200)\n"
         "  --highlight N               highlight mode 0 to 11, as chosen from the menu\n"
         "  --weather FILE.epw          draws a year of weather and the comfort zones; --table\n"
         "                              adds the hours in and around the zones; without any\n"
         "                              other word above, the window opens with the weather\n"
         "  --measured FILE.csv         draws a logger's readings (a time column, the dry bulb\n"
         "                              and relative humidity, dew point or moisture content)\n"
         "                              as the weather's hours\n"
         "  --measured-unit C|F         the scale of its temperatures, where its header does\n"
         "                              not say\n"
         "  -months A-B, -hours A-B     only months A to B, only from A:00 to B:00; weather\n"
         "                              hours end at the hour given, in local standard time,\n"
         "                              so -hours 8-18 takes the rows of hours 9 to 18\n"
         "  -comfort MET CLO_SUMMER CLO_WINTER SPEED\n"
         "                              the comfort zones' activity, clothing and air speed\n"
         "                              (m/s; default 1.1 0.5 1.0 0.1)\n"
         "  -humidity-limit VALUE|off   upper humidity limit of the zones (default 12 g/kg,\n"
         "                              84 gr/lb; VALUE in gr/lb with -units ip)\n"
         "  -alt station                the pressure of the weather station's elevation\n"
         "  -design-marks on|off        marks the file's design conditions on the chart\n"
         "  -adaptive MONTH|off         draws the adaptive comfort band of month 1 to 12\n"
         "  --process-csv FILE          writes the process table as CSV (- for standard output)\n"
         "  -flow VALUE                 airflow of the process table, m\xC2\xB3/s, or cfm with\n"
         "                              -units ip (default 1 m\xC2\xB3/s)\n"
         "  -flow-ref first|standard|mass  the flow as volume at the first point (default), as\n"
         "                              standard air, or as the dry-air mass flow (kg/s, lb/h)\n"
         "Exit status: 0 done; 1 a chart data file could not be read (the run goes on without\n"
         "it) or held more than 24 points (the run goes on with the first 24), the weather\n"
         "or measured file could not be read, an output would replace a file the run reads,\n"
         "or the table or the picture could not be written; 2 bad usage.\n";
}

bool AsksForHeadlessRun(const std::vector<std::string>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    // Weather alone opens the window with it; its file is no word of its own.
    if (arguments[i] == "--weather") {
      ++i;
    } else if (IsHeadlessWord(arguments[i])) {
      return true;
    }
  }
  return false;
}

Result<WeatherRequest> ReadWeatherRequest(const std::vector<std::string>& arguments) {
  HeadlessOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] != "--weather" && !IsFilterWord(arguments[i])) continue;
    if (Result<> read = ReadWord(arguments, i, options); !read) return Failed(read.Message());
  }
  if (options.weatherFile.empty() && !(options.filter == HourFilter{})) {
    return Failed("-months and -hours choose hours of --weather FILE");
  }
  return WeatherRequest{options.weatherFile, options.filter};
}

Result<HeadlessOptions> ReadHeadlessOptions(const std::vector<std::string>& arguments) {
  HeadlessOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!IsHeadlessWord(arguments[i]) && !IsFilterWord(arguments[i]) && !IsFlowWord(arguments[i]) &&
        !IsAnalysisWord(arguments[i]) && !IsFlowReferenceWord(arguments[i])) {
      options.chartWords.push_back(arguments[i]);
      continue;
    }
    if (Result<> read = ReadWord(arguments, i, options); !read) return Failed(read.Message());
  }
  if (Result<> checked = CheckOptions(options); !checked) return Failed(checked.Message());
  return options;
}

}  // namespace hygrovia
