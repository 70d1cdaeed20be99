#ifndef HYGROVIA_FAMILIES_VOLUME_LINES_H
#define HYGROVIA_FAMILIES_VOLUME_LINES_H

namespace hygrovia {

class ChartSettings;

// The straight lines of constant specific volume of the chart formulas.
void DrawVolumeLines(ChartSettings& chart, bool highlight);

}  // namespace hygrovia

#endif  // HYGROVIA_FAMILIES_VOLUME_LINES_H
