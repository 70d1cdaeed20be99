#ifndef HYGROVIA_STYLES_STYLE_NAMED_H
#define HYGROVIA_STYLES_STYLE_NAMED_H

#include "model/chart_style.h"

namespace hygrovia {

// The style of each name: Classic or Clear.
const ChartStyle& StyleNamed(ChartStyleName name);

}  // namespace hygrovia

#endif  // HYGROVIA_STYLES_STYLE_NAMED_H
