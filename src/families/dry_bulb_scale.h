#ifndef HYGROVIA_FAMILIES_DRY_BULB_SCALE_H
#define HYGROVIA_FAMILIES_DRY_BULB_SCALE_H

#include <string_view>

namespace hygrovia {

class ChartSettings;

// The texts under the chart's bottom edge: the title at TempMin and the number of every
// labelled dry-bulb line right of TempMin (every 5 °C), each centred below its point on the
// edge.

void DrawDryBulbTitle(ChartSettings& chart);
// The number shown (in the chart's units) of the line at dry bulb t (°C).
void DrawDryBulbNumber(ChartSettings& chart, double t, double shown);
// True when text, centred below the bottom edge at dry bulb x (°C), would overlap the title or
// a number of the scale.
bool CoversDryBulbScale(const ChartSettings& chart, float x, std::string_view text);

}  // namespace hygrovia

#endif  // HYGROVIA_FAMILIES_DRY_BULB_SCALE_H
