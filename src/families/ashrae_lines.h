#ifndef HYGROVIA_FAMILIES_ASHRAE_LINES_H
#define HYGROVIA_FAMILIES_ASHRAE_LINES_H

namespace hygrovia {

class ChartSettings;

// The wet-bulb, enthalpy and specific-volume lines of a chart in the ASHRAE 2017 model. Each
// line runs through the states whose property is the line's value, from the saturation curve
// (or the frame) down to the frame, as a polyline with a vertex at least every half g/kg, and
// is cut at the frame; lines with no state on the chart are left out. Values, pens and the
// enthalpy scale follow the chart's own families.

// Lines of every whole degree of wet bulb from the multiple of 5 at or right of TempMin (toward
// zero) up to TempMax, solid at multiples of 5.
void DrawAshraeWetBulbLines(ChartSettings& chart, bool highlight);
// Lines every 2 kJ/kg, solid and, with labels, numbered every 10 kJ/kg at their upper ends;
// the last numbered line carries the title instead.
void DrawAshraeEnthalpyLines(ChartSettings& chart, bool labels, bool highlight);
// Dotted lines every 0.025 m³/kg across the volumes of the chart's ranges.
void DrawAshraeVolumeLines(ChartSettings& chart, bool highlight);

}  // namespace hygrovia

#endif  // HYGROVIA_FAMILIES_ASHRAE_LINES_H
