#include <QApplication>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/headless.h"
#include "app/commands/command_line.h"
#include "app/commands/headless_options.h"
#include "app/dialogs/about_box.h"
#include "app/dialogs/graph_form.h"
#include "app/dialogs/help_window.h"
#include "app/dialogs/nodes_form.h"
#include "app/dialogs/picture_export.h"
#include "app/main/main_form.h"
#include "app/output/chart_page_printer.h"
#include "app/output/chart_printer.h"
#include "app/output/clipboard_copy.h"
#include "app/process/process_window.h"
#include "app/weather/weather_form.h"
#include "app/widgets/centre_over.h"
#include "expr/expression_evaluator.h"
#include "session/chart_session.h"

namespace {

// The arguments as the system handed them over, without the program name.
std::vector<std::string> ArgumentsOf(int argc, char* argv[]) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace hygrovia;
  // Usage and version need no window, nor a display to put one on.
  switch (ReadStartupRequest(ArgumentsOf(argc, argv))) {
    case StartupRequest::Usage:
      std::cout << UsageText() << HeadlessUsageText();
      return 0;
    case StartupRequest::Version:
      std::cout << "Hygrovia " << HYGROVIA_VERSION << '\n';
      return 0;
    case StartupRequest::Run:
      break;
  }
  // Tables and picture exports run without a window.
  if (const std::optional<int> status = RunHeadless(argc, argv)) return *status;
  // Weather alone opens the window with it; a word the weather cannot take ends the start.
  const Result<WeatherRequest> weather = ReadWeatherRequest(ArgumentsOf(argc, argv));
  if (!weather) {
    std::cerr << "hygrovia: " << weather.Message() << '\n';
    return kExitUsage;
  }
  const std::vector<std::string> styleWords = TakeChartStyleWords(argc, argv);
  QApplication app(argc, argv);
  ChartSession session;
  ChartSettings& settings = session.Settings();
  ExpressionEvaluator evaluator;
  TMainForm mainForm(session);
  TGraphForm graphForm(settings, evaluator, &mainForm);
  TAboutBox aboutBox(&mainForm);
  TNodesForm nodesForm(settings, evaluator, &mainForm);
  THelpWindow helpWindow(&mainForm);
  TWeatherForm weatherForm(settings, evaluator, &mainForm);
  TProcessWindow processWindow(session, evaluator, &mainForm);
  ClipboardCopy clipboardCopy(settings, session.Status(), mainForm);
  ChartPrinter printer(mainForm);
  ChartPagePrinter pagePrinter(settings, ChartPagePrinter::DefaultHooks(mainForm));
  PictureExport pictureExport(session, PictureExport::DefaultHooks(mainForm));
  MainFormHooks& hooks = mainForm.Hooks();
  hooks.showAbout = [&] { aboutBox.ShowOver(mainForm); };
  hooks.copyToClipboard = [&] { clipboardCopy.Copy(); };
  hooks.print = [&] { printer.Print(); };
  hooks.printChart = [&] { pagePrinter.Print(TodaysPageTitle(mainForm.ChartFileName())); };
  hooks.exportPicture = [&] {
    pictureExport.Export({pagePrinter.PageLayout(), TodaysPageTitle(mainForm.ChartFileName())},
                         mainForm.WeatherFile());
  };
  hooks.showHelp = [&] { helpWindow.ShowContents(); };
  hooks.showWeather = [&] { weatherForm.ShowWeather(); };
  hooks.showProcessTable = [&] { processWindow.ShowTable(); };
  processWindow.Hooks().readFile = [&mainForm] { return mainForm.WeatherFile(); };
  hooks.editSettings = [&] {
    CentreOver(mainForm, graphForm);
    return graphForm.Execute() == QDialog::Accepted;
  };
  hooks.editNodes = [&] {
    CentreOver(mainForm, nodesForm);
    nodesForm.Execute();
  };
  // The application took its own options ("-platform", a widget "-style") out of argv. The
  // rest is used as the bytes it is: file names need not be valid text in any encoding.
  std::vector<std::string> arguments = styleWords;
  const std::vector<std::string> rest = ArgumentsOf(argc, argv);
  arguments.insert(arguments.end(), rest.begin(), rest.end());
  // A command line that cannot run ends the start before the window shows anything, in the
  // units the chart starts in.
  if (const Result<> usable = CheckCommandLine(arguments, settings.GetUnits().System()); !usable) {
    std::cerr << "hygrovia: " << usable.Message() << '\n';
    return kExitUsage;
  }
  mainForm.ProcessCommandLine(arguments);
  if (!weather->file.empty()) mainForm.ShowWeatherFile(weather->file, weather->filter);
  mainForm.show();
  app.exec();
  return 0;
}
