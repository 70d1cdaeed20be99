#ifndef HYGROVIA_FAMILIES_HUMIDITY_SCALE_LINES_H
#define HYGROVIA_FAMILIES_HUMIDITY_SCALE_LINES_H

namespace hygrovia {

class ChartSettings;

// The horizontal lines of the vertical scale: constant moisture content, or constant vapour
// pressure; labels adds the numbers beside the frame.
void DrawAbsHumidityLines(ChartSettings& chart, bool labels, bool highlight);
void DrawVapourPressureLines(ChartSettings& chart, bool labels, bool highlight);

}  // namespace hygrovia

#endif  // HYGROVIA_FAMILIES_HUMIDITY_SCALE_LINES_H
