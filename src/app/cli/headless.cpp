#include "app/cli/headless.h"

#include <fmt/format.h>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QSize>
#include <QtGlobal>
#include <filesystem>
#include <iostream>
#include <optional>

#include "app/commands/command_line.h"
#include "app/commands/headless_options.h"
#include "app/commands/headless_process.h"
#include "app/output/headless_chart.h"
#include "app/output/headless_export.h"
#include "base/number_text.h"
#include "base/result.h"
#include "data/chart_file.h"
#include "data/epw_reader.h"
#include "data/measured_reader.h"
#include "data/path_text.h"
#include "data/write_target.h"
#include "drawing/climate_report.h"
#include "drawing/data_table.h"
#include "drawing/model_caption.h"
#include "model/node_list.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

void Complain(std::ostream& err, const std::string& message) {
  err << "hygrovia: " << message << '\n';
}

// The chart words exactly as the normal start applies them; a data file that cannot be read
// is reported and skipped, and so is one too large to be a chart. The exit status they leave:
// kExitUsage when a word cannot be used at all, kExitFailure when a data file was skipped
// (both reported), else kExitDone.
int ApplyChartWords(HeadlessChart& chart, const std::vector<std::string>& words,
                    const WeatherYear* weather, std::ostream& err, std::string& lastFile) {
  bool allRead = true;
  bool usable = true;
  CommandLineActions actions;
  if (weather != nullptr) actions.stationElevation = weather->location.elevation;
  // The name's bytes go to the system as they came, whatever their encoding.
  actions.loadFile = [&chart, &err, &allRead, &lastFile](const std::string& fileName) {
    ChartFileLoad load;
    const Result<> result = LoadChartFile(std::filesystem::path(fileName), chart.settings, &load);
    if (!result.Ok()) {
      Complain(err, result.Message());
      allRead = false;
      return;
    }
    lastFile = fileName;
    if (load.pointsInFile > NodeList::kCapacity) {
      // The run goes on with the points the chart holds, but a script learns of the rest.
      Complain(err, fmt::format("\"{}\" holds {} data points; only the first {} are kept", fileName,
                                load.pointsInFile, NodeList::kCapacity));
      allRead = false;
    }
  };
  actions.toggleRelativeCursor = [&chart] { chart.ToggleRelativeCursor(); };
  actions.reportError = [&usable, &err](const std::string& message) {
    Complain(err, message);
    usable = false;
  };
  actions.reportNote = [&err](const std::string& message) { Complain(err, message); };
  ProcessCommandLine(words, chart.settings, actions);
  if (!usable) return kExitUsage;
  return allRead ? kExitDone : kExitFailure;
}

// The measured readings the options name, their moisture contents taken at the chart's
// pressure (kPa); why not, naming the file.
Result<WeatherYear> ReadMeasured(const HeadlessOptions& options, double pressure) {
  const char unit = options.measuredUnit;
  bool unitAsked = false;
  const AskScale askScale = [unit, &unitAsked] {
    unitAsked = true;
    return unit == 'C'   ? TemperatureScale::Celsius
           : unit == 'F' ? TemperatureScale::Fahrenheit
                         : TemperatureScale::Unknown;
  };
  Result<WeatherYear> read = ReadMeasuredFile(options.measuredFile, askScale, pressure);
  if (read || !unitAsked || unit != 0) return read;
  return Failed(read.Message() + " Give --measured-unit C or F.");
}

// The comfort settings of the command line, the humidity limit read in the chart's units;
// refused when the limit lies outside what a user may choose.
Result<ComfortSettings> ComfortOfOptions(const HeadlessOptions& options,
                                         const QuantityText& units) {
  ComfortSettings comfort;
  if (options.comfort) {
    const auto& [met, summer, winter, speed] = *options.comfort;
    comfort.metabolicRate = met;
    comfort.summerClothing = summer;
    comfort.winterClothing = winter;
    comfort.airSpeed = speed;
  }
  comfort.humidityLimit = !options.humidityLimitOff;
  if (!options.humidityLimit) return comfort;
  const double limit = units.FromShown(Quantity::Moisture, *options.humidityLimit);
  if (limit < kLowestHumidityLimit - 1e-9 || limit > kHighestHumidityLimit + 1e-9) {
    return Failed("bad -humidity-limit \"" +
                  units.Number(Quantity::Moisture, *options.humidityLimit) + "\": give " +
                  units.Number(Quantity::Moisture, kLowestHumidityLimit, 0) + " to " +
                  units.Number(Quantity::Moisture, kHighestHumidityLimit, 0) + " " +
                  std::string(units.Unit(Quantity::Moisture)) + ", or off");
  }
  comfort.moistureLimit = limit;
  return comfort;
}

// Puts the year of hours and the comfort zones on the chart, the hours held to the filter and
// analysed as the options say; refused when an option cannot be used.
Result<> ShowWeather(HeadlessChart& chart, WeatherYear year, const HeadlessOptions& options) {
  const Result<ComfortSettings> comfort = ComfortOfOptions(options, chart.settings.GetUnits());
  if (!comfort) return Failed(comfort.Message());
  const std::string& file =
      options.measuredFile.empty() ? options.weatherFile : options.measuredFile;
  ClimateLayer& layer = chart.settings.Climate;
  layer.SetWeather(std::move(year), PathText(std::filesystem::path(file).filename()));
  layer.SetFilter(options.filter);
  layer.SetComfort(*comfort);
  layer.SetShowComfort(true);
  layer.SetShowDesign(options.designMarks);
  layer.SetAdaptiveMonth(options.adaptiveMonth);
  return Done();
}

// After the data table, the weather's title, the settings of the analysis, the hours in and
// around the comfort zones and the file's design conditions.
void PrintWeatherSummary(const ChartSettings& settings, std::ostream& out) {
  const ClimateLayer& layer = settings.Climate;
  if (!layer.HasWeather()) return;
  out << '\n';
  for (const std::string& line : WeatherTitleLines(settings)) out << line << '\n';
  for (const std::string& line : WeatherReportLines(settings)) out << line << '\n';
}

// The data table as a full drawing builds it, one row a line; false when out failed.
bool PrintTable(HeadlessChart& chart, std::ostream& out) {
  if (chart.settings.IsRelativeCursor()) {
    BuildRelativeTable(chart.settings);
  } else {
    BuildPointTable(chart.settings);
  }
  for (int row = 0; row < chart.settings.TableLineCount; ++row) {
    out << chart.settings.TableLines[static_cast<std::size_t>(row)] << '\n';
  }
  // A table computed with another property model than the chart's own says which.
  if (const std::string caption = ModelCaption(chart.settings); !caption.empty()) {
    out << ' ' << caption << '\n';
  }
  PrintWeatherSummary(chart.settings, out);
  out.flush();
  return static_cast<bool>(out);
}

// Every file the run reads.
std::vector<std::filesystem::path> InputsOf(const HeadlessOptions& options) {
  std::vector<std::filesystem::path> inputs;
  for (const std::string& word : ChartFileWords(options.chartWords)) inputs.emplace_back(word);
  if (!options.weatherFile.empty()) inputs.emplace_back(options.weatherFile);
  if (!options.measuredFile.empty()) inputs.emplace_back(options.measuredFile);
  return inputs;
}

// No output may replace a file the run reads: a CSV or a picture written over a chart or a
// weather file would lose it for good.
Result<> CheckOutputs(const HeadlessOptions& options) {
  std::vector<std::string> outputs;
  if (!options.processCsvFile.empty() && options.processCsvFile != "-") {
    outputs.push_back(options.processCsvFile);
  }
  if (!options.exportFile.empty()) outputs.push_back(options.exportFile);
  if (!options.pageFile.empty()) outputs.push_back(options.pageFile);
  for (const std::string& output : outputs) {
    for (const std::filesystem::path& input : InputsOf(options)) {
      if (Result<> apart = CheckNotInput(output, input); !apart) {
        return Failed("cannot write \"" + output + "\": " + apart.Message());
      }
    }
  }
  return Done();
}

}  // namespace

int RunHeadlessCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
  const Result<HeadlessOptions> read = ReadHeadlessOptions(arguments);
  if (!read) {
    Complain(err, read.Message());
    return kExitUsage;
  }
  const HeadlessOptions& options = *read;
  // Before anything is drawn or written; a run without a window starts in SI units.
  if (const Result<> usable = CheckCommandLine(options.chartWords, UnitSystem::Si); !usable) {
    Complain(err, usable.Message());
    return kExitUsage;
  }
  if (const Result<> apart = CheckOutputs(options); !apart) {
    Complain(err, apart.Message());
    return kExitFailure;
  }
  // A year of weather is read first: "-alt station" among the chart words takes its elevation.
  // Measured readings come after them, as their moisture contents are the chart pressure's.
  std::optional<Result<WeatherYear>> hours;
  if (!options.weatherFile.empty() && options.measuredFile.empty()) {
    hours = ReadWeatherFile(options.weatherFile);
    if (!*hours) {
      Complain(err, hours->Message());
      return kExitFailure;
    }
  }
  HeadlessChart chart(QSize(options.width, options.height));
  // As at the normal start, the rest of the command line still runs past a file that cannot
  // be read, but a script is told.
  std::string chartFile;
  const int done =
      ApplyChartWords(chart, options.chartWords, hours ? &hours->Value() : nullptr, err, chartFile);
  if (done == kExitUsage) return done;
  if (!options.measuredFile.empty()) {
    hours = ReadMeasured(options, chart.settings.GetPressure());
    if (!*hours) {
      Complain(err, hours->Message());
      return kExitFailure;
    }
  }
  if (hours) {
    if (const Result<> shown = ShowWeather(chart, std::move(*hours).Value(), options); !shown) {
      Complain(err, shown.Message());
      return kExitUsage;
    }
  }
  for (const int mode : options.highlights) chart.ChooseHighlight(mode);
  if (options.table && !PrintTable(chart, out)) {
    Complain(err, "cannot write the data table");
    return kExitFailure;
  }
  if (!options.processCsvFile.empty()) {
    const Result<> written = WriteProcessCsv(chart.settings, options.flow, options.flowGiven,
                                             options.processCsvFile, out, options.flowReference);
    if (!written) {
      Complain(err, written.Message());
      return kExitFailure;
    }
  }
  if (!options.pageFile.empty()) {
    const ChartOutput page{
        chart.area.Size(),
        {chart.page.layout,
         TodaysPageTitle(QFile::decodeName(QByteArray::fromStdString(chartFile)))}};
    if (const Result<> written =
            ExportChart(chart.session, page, options.pageFile, PictureFormat::PdfPage);
        !written) {
      Complain(err, written.Message());
      return kExitFailure;
    }
  }
  if (options.exportFile.empty()) return done;
  const Result<> exported = ExportChart(chart.session, {chart.area.Size(), chart.page},
                                        options.exportFile, options.format);
  if (exported) return done;
  Complain(err, exported.Message());
  return kExitFailure;
}

std::optional<int> RunHeadless(int argc, char* argv[]) {
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (ReadStartupRequest(arguments) != StartupRequest::Run || !AsksForHeadlessRun(arguments)) {
    return std::nullopt;
  }
  // Only a picture needs the fonts of a GUI application, and no display: the offscreen
  // platform is forced, and the application sees no arguments, so that no "-platform" of the
  // command line can ask for a display after all.
  int appArgc = argc > 0 ? 1 : 0;
  std::optional<QGuiApplication> app;
  if (const Result<HeadlessOptions> read = ReadHeadlessOptions(arguments);
      read && (!read->exportFile.empty() || !read->pageFile.empty())) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    app.emplace(appArgc, argv);
  }
  return RunHeadlessCommand(arguments, std::cout, std::cerr);
}

}  // namespace hygrovia
