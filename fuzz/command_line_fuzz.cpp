// Feeds arbitrary command lines, one argument per line, to the Qt-free part of the start-up:
// the words of a run without a window are read and checked, the other words are applied to a
// fresh chart as at start-up (data files are only counted, never opened), the highlight modes
// are chosen and the chart is drawn without a canvas. Beyond the sanitizers' checks it traps
// when accepted options are out of their bounds, when the chart holds a value that is not
// finite, or when the data table outgrows its rows.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/commands/command_line.h"
#include "app/commands/headless_options.h"
#include "drawing/chart_drawing.h"
#include "drawing/data_table.h"
#include "session/chart_session.h"

namespace {

using hygrovia::ChartSettings;

std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      arguments.emplace_back();
    } else {
      arguments.back().push_back(static_cast<char>(data[i]));
    }
  }
  return arguments;
}

bool OptionsInBounds(const hygrovia::HeadlessOptions& options) {
  if (!options.table && options.exportFile.empty() && options.pageFile.empty() &&
      options.processCsvFile.empty()) {
    return false;
  }
  if (!options.exportFile.empty() && options.format == hygrovia::PictureFormat::Unknown) {
    return false;
  }
  for (const int mode : options.highlights) {
    if (mode < 0 || mode > 11) return false;
  }
  return options.width >= 1 && options.width <= hygrovia::kLargestPictureSide &&
         options.height >= 1 && options.height <= hygrovia::kLargestPictureSide;
}

bool AllFinite(const ChartSettings& chart) {
  const float values[] = {chart.Cursor.X,    chart.Cursor.Y,    chart.Arrow.X,
                          chart.Arrow.Y,     chart.TempMin,     chart.TempMax,
                          chart.HumidityMin, chart.HumidityMax, chart.LabelSlope};
  for (const float value : values) {
    if (!std::isfinite(value)) return false;
  }
  return std::isfinite(chart.GetPressure());
}

bool TableInBounds(const ChartSettings& chart) {
  if (chart.TableLineCount < 0 || chart.TableLineCount > ChartSettings::kTableLineCapacity) {
    return false;
  }
  for (const std::string& line : chart.TableLines) {
    if (line.size() > ChartSettings::kTableLineLength) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> arguments = Arguments(data, size);
  const hygrovia::Result<hygrovia::HeadlessOptions> read = hygrovia::ReadHeadlessOptions(arguments);
  if (!read) return 0;
  const hygrovia::HeadlessOptions& options = *read;
  if (!OptionsInBounds(options)) __builtin_trap();

  hygrovia::ChartSession session;
  hygrovia::DrawingSurface& surface = session.Surface();
  surface.DeviceWidth = options.width;
  surface.DeviceHeight = options.height;
  ChartSettings& chart = session.Settings();
  hygrovia::StatusLine& status = session.Status();
  surface.SetRedrawHandler([&] { hygrovia::DrawChart(chart, status); });
  chart.ApplyToSurface();
  int files = 0;
  const hygrovia::CommandLineActions actions{
      [&files](const std::string& /*fileName*/) { ++files; },
      [&] {
        chart.SetRelativeCursor(!chart.IsRelativeCursor());
        surface.Redraw();
      },
  };
  hygrovia::ProcessCommandLine(options.chartWords, chart, actions);
  for (const int mode : options.highlights) chart.SetHighlight(mode);
  chart.ApplyToSurface();
  surface.Redraw();
  if (chart.IsRelativeCursor()) {
    hygrovia::BuildRelativeTable(chart);
  } else {
    hygrovia::BuildPointTable(chart);
  }
  if (!AllFinite(chart) || !TableInBounds(chart) || files > static_cast<int>(arguments.size())) {
    __builtin_trap();
  }
  return 0;
}
