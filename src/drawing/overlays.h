#ifndef HYGROVIA_DRAWING_OVERLAYS_H
#define HYGROVIA_DRAWING_OVERLAYS_H

namespace hygrovia {

class ChartSettings;

// The four teaching overlays (highlight modes 8 to 11), drawn around the cursor in yellow with
// the copy mix mode by the highlight pass of a full drawing. Apart from the dew point and the
// saturation curve their geometry is fixed offsets from the cursor along the chart's own line
// families.

// Mode 8: cooling at constant moisture down to the dew point, heating out to the right edge.
void DrawHeatingCoolingOverlay(ChartSettings& chart);
// Mode 9: cooling to the dew point, then down the saturation curve towards 0 °C.
void DrawCondensationOverlay(ChartSettings& chart);
// Mode 10: humidification and dehumidification along the cursor's line of constant enthalpy.
void DrawAdiabaticOverlay(ChartSettings& chart);
// Mode 11: two air streams whose mixture, 2 : 1 by mass flow, is the cursor.
void DrawMixingOverlay(ChartSettings& chart);

}  // namespace hygrovia

#endif  // HYGROVIA_DRAWING_OVERLAYS_H
