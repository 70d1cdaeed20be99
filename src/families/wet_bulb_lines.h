#ifndef HYGROVIA_FAMILIES_WET_BULB_LINES_H
#define HYGROVIA_FAMILIES_WET_BULB_LINES_H

namespace hygrovia {

class ChartSettings;

// The straight lines of constant wet bulb of the chart formulas, from saturation down to the
// frame.
void DrawWetBulbLines(ChartSettings& chart, bool highlight);

}  // namespace hygrovia

#endif  // HYGROVIA_FAMILIES_WET_BULB_LINES_H
