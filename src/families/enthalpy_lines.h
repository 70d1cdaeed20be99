#ifndef HYGROVIA_FAMILIES_ENTHALPY_LINES_H
#define HYGROVIA_FAMILIES_ENTHALPY_LINES_H

namespace hygrovia {

class ChartSettings;

// The straight lines of constant enthalpy of the chart formulas; labels adds the oblique
// enthalpy scale.
void DrawEnthalpyLines(ChartSettings& chart, bool labels, bool highlight);

}  // namespace hygrovia

#endif  // HYGROVIA_FAMILIES_ENTHALPY_LINES_H
