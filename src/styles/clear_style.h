#ifndef HYGROVIA_STYLES_CLEAR_STYLE_H
#define HYGROVIA_STYLES_CLEAR_STYLE_H

#include "model/chart_style.h"

namespace hygrovia {

// The labelled chart on white: anti-aliased solid lines, one colour per family (told apart
// by colour-blind readers too), numbered lines heavier; every family labelled where handbook
// charts label it, in text that grows with the chart; a highlighted family darker and heavier
// with the others faded; solid marks with a light halo.
const ChartStyle& ClearStyle();

// The colour of a family's labels in the Clear style.
Colour ClearLabelColour(LineFamily family);

}  // namespace hygrovia

#endif  // HYGROVIA_STYLES_CLEAR_STYLE_H
