#ifndef HYGROVIA_DRAWING_CLIMATE_REPORT_H
#define HYGROVIA_DRAWING_CLIMATE_REPORT_H

#include <string>
#include <vector>

namespace hygrovia {

class ChartSettings;

// The lines naming the weather, with the station's elevation in the chart's units. Empty
// without weather.
std::vector<std::string> WeatherTitleLines(const ChartSettings& chart);

// The settings the weather was analysed with, for captions and the summary: the comfort
// zones' activity, clothing, air speed and humidity limit, the pressure each hour's moisture
// was taken at, and what the chart marks of the adaptive band and the design conditions mean
// when they are drawn. Empty without weather.
std::vector<std::string> ClimateSettingsLines(const ChartSettings& chart);

// The adaptive comfort rows and the design conditions of the file, in the chart's units.
std::vector<std::string> AdaptiveLines(const ChartSettings& chart);
std::vector<std::string> DesignLines(const ChartSettings& chart);

// Everything the weather window and the table without a window say under the weather's
// title: the settings, the hours in and around the comfort zones, the adaptive rows and the
// design conditions. Empty without weather.
std::vector<std::string> WeatherReportLines(const ChartSettings& chart);

}  // namespace hygrovia

#endif  // HYGROVIA_DRAWING_CLIMATE_REPORT_H
