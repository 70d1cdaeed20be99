#ifndef HYGROVIA_STYLES_CLASSIC_STYLE_H
#define HYGROVIA_STYLES_CLASSIC_STYLE_H

#include "model/chart_style.h"

namespace hygrovia {

// The chart as it has always looked: every family blue on the button face, yellow while
// highlighted, minor lines dotted; numbers on the dry-bulb, moisture and enthalpy scales only,
// in the chart font at every size; marks XORed in cyan.
const ChartStyle& ClassicStyle();

}  // namespace hygrovia

#endif  // HYGROVIA_STYLES_CLASSIC_STYLE_H
