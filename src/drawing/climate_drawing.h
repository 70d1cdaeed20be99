#ifndef HYGROVIA_DRAWING_CLIMATE_DRAWING_H
#define HYGROVIA_DRAWING_CLIMATE_DRAWING_H

#include "surface/colour.h"

namespace hygrovia {

class ChartSettings;

// Shades of the density of hours, lightest (fewest hours) first.
inline constexpr int kHourShades = 8;
Colour HourShade(int count, int largest);

// Draws the chart's climate layer under its lines, within the chart's ranges: the comfort
// zones' light fill, the hours (shaded cells or dots), the zones' outlines, and in the
// top-left corner below the data table the weather's title lines and, for the density, its
// colour scale. Nothing when the layer is empty.
void DrawClimateLayer(ChartSettings& chart);

}  // namespace hygrovia

#endif  // HYGROVIA_DRAWING_CLIMATE_DRAWING_H
