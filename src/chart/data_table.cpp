#include "chart/data_table.h"

#include "chart/chart_settings.h"

namespace hygrovia {

void BuildPointTable(ChartSettings& /*chart*/) {}

void BuildRelativeTable(ChartSettings& /*chart*/) {}

void DrawTable(ChartSettings& /*chart*/) {}

void DrawValueLabel(ChartSettings& /*chart*/, float /*x*/, float /*y*/, int /*hAlign*/,
                    int /*vAlign*/, std::string_view /*format*/, double /*value*/) {}

}  // namespace hygrovia
