#include "chart/chart_drawing.h"

#include "chart/chart_settings.h"
#include "chart/status_line.h"

namespace hygrovia {

void DrawChart(ChartSettings& /*chart*/, StatusLine& /*status*/) {}

void DrawChartOutline(ChartSettings& /*chart*/) {}

void HighlightPass(ChartSettings& /*chart*/, StatusLine& /*status*/, int /*mode*/,
                   bool /*announce*/) {}

void DrawDryBulbLines(ChartSettings& /*chart*/, bool /*labels*/, bool /*highlight*/) {}

void DrawRelHumidityCurves(ChartSettings& /*chart*/, bool /*highlight*/) {}

void DrawAbsHumidityLines(ChartSettings& /*chart*/, bool /*labels*/, bool /*highlight*/) {}

void DrawVapourPressureLines(ChartSettings& /*chart*/, bool /*labels*/, bool /*highlight*/) {}

void DrawWetBulbLines(ChartSettings& /*chart*/, bool /*highlight*/) {}

void DrawEnthalpyLines(ChartSettings& /*chart*/, bool /*labels*/, bool /*highlight*/) {}

void DrawVolumeLines(ChartSettings& /*chart*/, bool /*highlight*/) {}

}  // namespace hygrovia
