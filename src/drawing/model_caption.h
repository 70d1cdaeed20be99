#ifndef HYGROVIA_DRAWING_MODEL_CAPTION_H
#define HYGROVIA_DRAWING_MODEL_CAPTION_H

#include <string>

namespace hygrovia {

class ChartSettings;
class QuantityText;

// A barometric pressure (kPa) in the units given: "84.556 kPa", or in inch-pound units
// "12.264 psia (24.970 inHg)".
std::string BarometricPressureText(const QuantityText& units, double pressure);

// Which property model a chart is computed with, for the chart's top-right corner and the
// printed table: "ASHRAE 2017, 84.556 kPa". Empty for the chart's own formulas, which show
// as they always have.
std::string ModelCaption(const ChartSettings& chart);

// Draws the caption the chart's style writes (for the Classic style the one above) inside the
// frame's top-right corner.
void DrawModelCaption(ChartSettings& chart);

}  // namespace hygrovia

#endif  // HYGROVIA_DRAWING_MODEL_CAPTION_H
