#include "app/cli/headless.h"

#include <QByteArray>
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
#include "data/chart_file.h"
#include "data/epw_reader.h"
#include "data/file_result.h"
#include "drawing/climate_report.h"
#include "drawing/data_table.h"
#include "drawing/model_caption.h"
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
                    const WeatherYear* weather, std::ostream& err) {
  bool allRead = true;
  bool usable = true;
  CommandLineActions actions;
  if (weather != nullptr) actions.stationElevation = weather->location.elevation;
  // The name's bytes go to the system as they came, whatever their encoding.
  actions.loadFile = [&chart, &err, &allRead](const std::string& fileName) {
    const FileResult result = LoadChartFile(std::filesystem::path(fileName), chart.settings);
    if (result.Ok) return;
    Complain(err, result.Message);
    allRead = false;
  };
  actions.toggleRelativeCursor = [&chart] { chart.ToggleRelativeCursor(); };
  actions.reportError = [&usable, &err](const std::string& message) {
    Complain(err, message);
    usable = false;
  };
  ProcessCommandLine(words, chart.settings, actions);
  if (!usable) return kExitUsage;
  return allRead ? kExitDone : kExitFailure;
}

// The comfort settings of the command line, the humidity limit read in the chart's units;
// the error text when the limit lies outside what a user may choose.
std::string ComfortOfOptions(const HeadlessOptions& options, const QuantityText& units,
                             ComfortSettings& comfort) {
  if (options.comfort) {
    const auto& [met, summer, winter, speed] = *options.comfort;
    comfort.metabolicRate = met;
    comfort.summerClothing = summer;
    comfort.winterClothing = winter;
    comfort.airSpeed = speed;
  }
  comfort.humidityLimit = !options.humidityLimitOff;
  if (!options.humidityLimit) return {};
  const double limit = units.FromShown(Quantity::Moisture, *options.humidityLimit);
  if (limit < kLowestHumidityLimit - 1e-9 || limit > kHighestHumidityLimit + 1e-9) {
    return "bad -humidity-limit \"" + units.Number(Quantity::Moisture, *options.humidityLimit) +
           "\": give " + units.Number(Quantity::Moisture, kLowestHumidityLimit, 0) + " to " +
           units.Number(Quantity::Moisture, kHighestHumidityLimit, 0) + " " +
           std::string(units.Unit(Quantity::Moisture)) + ", or off";
  }
  comfort.moistureLimit = limit;
  return {};
}

// Puts the year of weather and the comfort zones on the chart, the hours held to the filter
// and analysed as the options say; the error text when an option cannot be used.
std::string ShowWeather(HeadlessChart& chart, WeatherYear year, const HeadlessOptions& options) {
  ComfortSettings comfort;
  if (std::string error = ComfortOfOptions(options, chart.settings.GetUnits(), comfort);
      !error.empty()) {
    return error;
  }
  ClimateLayer& layer = chart.settings.Climate;
  layer.SetWeather(std::move(year),
                   PathText(std::filesystem::path(options.weatherFile).filename()));
  layer.SetFilter(options.filter);
  layer.SetComfort(comfort);
  layer.SetShowComfort(true);
  layer.SetShowDesign(options.designMarks);
  layer.SetAdaptiveMonth(options.adaptiveMonth);
  return {};
}

// After the data table, the weather's title, the settings of the analysis, the hours in and
// around the comfort zones and the file's design conditions.
void PrintWeatherSummary(const ChartSettings& settings, std::ostream& out) {
  const ClimateLayer& layer = settings.Climate;
  if (!layer.HasWeather()) return;
  out << '\n';
  for (const std::string& line : layer.TitleLines(settings.CursorState())) out << line << '\n';
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

}  // namespace

int RunHeadlessCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
  const HeadlessOptions options = ReadHeadlessOptions(arguments);
  if (!options.error.empty()) {
    Complain(err, options.error);
    return kExitUsage;
  }
  // The weather is read first: "-alt station" among the chart words takes its elevation.
  std::optional<WeatherFileResult> weather;
  if (!options.weatherFile.empty()) {
    weather = ReadWeatherFile(std::filesystem::path(options.weatherFile));
    if (!weather->status.Ok) {
      Complain(err, weather->status.Message);
      return kExitFailure;
    }
  }
  HeadlessChart chart(QSize(options.width, options.height));
  // As at the normal start, the rest of the command line still runs past a file that cannot
  // be read, but a script is told.
  const int done =
      ApplyChartWords(chart, options.chartWords, weather ? &weather->year : nullptr, err);
  if (done == kExitUsage) return done;
  if (weather) {
    if (const std::string error = ShowWeather(chart, std::move(weather->year), options);
        !error.empty()) {
      Complain(err, error);
      return kExitUsage;
    }
  }
  for (const int mode : options.highlights) chart.ChooseHighlight(mode);
  if (options.table && !PrintTable(chart, out)) {
    Complain(err, "cannot write the data table");
    return kExitFailure;
  }
  if (!options.processCsvFile.empty()) {
    const std::string error = WriteProcessCsv(chart.settings, options.flow, options.flowGiven,
                                              options.processCsvFile, out);
    if (!error.empty()) {
      Complain(err, error);
      return kExitFailure;
    }
  }
  if (options.exportFile.empty()) return done;
  const std::string error = ExportChart(chart, options.exportFile, options.format);
  if (error.empty()) return done;
  Complain(err, error);
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
  if (!ReadHeadlessOptions(arguments).exportFile.empty()) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    app.emplace(appArgc, argv);
  }
  return RunHeadlessCommand(arguments, std::cout, std::cerr);
}

}  // namespace hygrovia
