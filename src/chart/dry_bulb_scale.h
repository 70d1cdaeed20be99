#ifndef HYGROVIA_CHART_DRY_BULB_SCALE_H
#define HYGROVIA_CHART_DRY_BULB_SCALE_H

#include <string_view>

namespace hygrovia {

class ChartSettings;

// The texts under the chart's bottom edge: the title at TempMin and the number of every
// multiple of 5 °C right of TempMin, each centred below its point on the edge.

void DrawDryBulbTitle(ChartSettings& chart);
// The number of dry bulb t (°C).
void DrawDryBulbNumber(ChartSettings& chart, double t);
// True when text, centred below the bottom edge at dry bulb x (°C), would overlap the title or
// a number of the scale.
bool CoversDryBulbScale(const ChartSettings& chart, float x, std::string_view text);

}  // namespace hygrovia

#endif  // HYGROVIA_CHART_DRY_BULB_SCALE_H
