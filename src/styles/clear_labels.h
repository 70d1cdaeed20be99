#ifndef HYGROVIA_STYLES_CLEAR_LABELS_H
#define HYGROVIA_STYLES_CLEAR_LABELS_H

#include <string>

namespace hygrovia {

class ChartSettings;

// The labels of the Clear style, placed once the families are drawn: the pressure caption in
// the frame's top-right corner, the numbers and names of the two axes, and the numbers the
// families offered (relative humidity along its curves, wet bulb on the saturation curve,
// enthalpy on its scale beyond it, volume along the bottom), each in its family's colour on a
// white box. A label goes only where it keeps clear of the data table and of every label placed
// before it, on the device; one with no such place is left out.
void PlaceClearLabels(ChartSettings& chart);

// "101.365 kPa", or with the property model before it when that is not the chart's own:
// "ASHRAE 2017, 84.556 kPa".
std::string PressureCaption(const ChartSettings& chart);

}  // namespace hygrovia

#endif  // HYGROVIA_STYLES_CLEAR_LABELS_H
