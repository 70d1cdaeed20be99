#ifndef HYGROVIA_MODEL_CHART_GRID_H
#define HYGROVIA_MODEL_CHART_GRID_H

#include "units/chart_grid_units.h"

namespace hygrovia {

class ChartSettings;

// The table of the chart's unit system.
const ChartGridUnits& GridUnitsOf(const ChartSettings& chart);

// Sets the ranges and snap steps of a new chart in the chart's unit system.
void UseDefaultRanges(ChartSettings& chart);

// The dry-bulb spacing of the chart's current range.
LineSpacing DryBulbSpacing(const ChartSettings& chart);

}  // namespace hygrovia

#endif  // HYGROVIA_MODEL_CHART_GRID_H
