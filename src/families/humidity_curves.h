#ifndef HYGROVIA_FAMILIES_HUMIDITY_CURVES_H
#define HYGROVIA_FAMILIES_HUMIDITY_CURVES_H

namespace hygrovia {

class ChartSettings;

// The curves of constant relative humidity, saturation among them. Also draws the top edge
// right of saturation and recomputes the chart's LabelSlope.
void DrawRelHumidityCurves(ChartSettings& chart, bool highlight);

}  // namespace hygrovia

#endif  // HYGROVIA_FAMILIES_HUMIDITY_CURVES_H
