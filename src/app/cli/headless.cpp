#include "app/cli/headless.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QSize>
#include <QtGlobal>
#include <filesystem>
#include <iostream>

#include "app/cli/command_line.h"
#include "app/cli/headless_chart.h"
#include "app/cli/headless_options.h"
#include "app/cli/headless_process.h"
#include "app/output/headless_export.h"
#include "chart/data_table.h"
#include "data/chart_file.h"
#include "data/file_result.h"

namespace hygrovia {
namespace {

void Complain(std::ostream& err, const std::string& message) {
  err << "hygrovia: " << message << '\n';
}

// The chart words exactly as the normal start applies them; a data file that cannot be read
// is reported and skipped, and so is one too large to be a chart.
void ApplyChartWords(HeadlessChart& chart, const std::vector<std::string>& words,
                     std::ostream& err) {
  CommandLineActions actions;
  actions.loadFile = [&chart, &err](const std::string& fileName) {
    const FileResult result = LoadChartFile(std::filesystem::path(fileName), chart.settings);
    if (!result.Ok) Complain(err, result.Message);
  };
  actions.toggleRelativeCursor = [&chart] { chart.ToggleRelativeCursor(); };
  ProcessCommandLine(words, chart.settings, actions);
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
  HeadlessChart chart(QSize(options.width, options.height));
  ApplyChartWords(chart, options.chartWords, err);
  for (const int mode : options.highlights) chart.ChooseHighlight(mode);
  if (options.table && !PrintTable(chart, out)) {
    Complain(err, "cannot write the data table");
    return kExitFailure;
  }
  if (!options.processCsvFile.empty()) {
    const std::string error =
        WriteProcessCsv(chart.settings, options.flow, options.processCsvFile, out);
    if (!error.empty()) {
      Complain(err, error);
      return kExitFailure;
    }
  }
  if (options.exportFile.empty()) return kExitDone;
  const std::string error = ExportChart(chart, options.exportFile, options.format);
  if (error.empty()) return kExitDone;
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
