#ifndef HYGROVIA_MODEL_POINT_EDIT_H
#define HYGROVIA_MODEL_POINT_EDIT_H

#include <cstdint>

#include "base/chart_point.h"

namespace hygrovia {

class ChartSettings;
struct AirState;

// The values of a point the user can type in the process table.
enum class PointField { DryBulb, RelHumidity, Moisture };

// The point after value was typed into field: a dry bulb (°C) keeps the moisture content,
// brought down to saturation at the new dry bulb; a relative humidity (%, held to 0 .. 100)
// or a moisture content (g/kg, held to 0 .. saturation) keeps the dry bulb. The dry bulb is
// held within the chart's temperature limits; air gives the pressure and the property model.
// A value that is not a finite number leaves the point as it was.
ChartPoint EditedPoint(const AirState& air, ChartPoint point, PointField field, double value);

// Applies the edit to the chart's node (node >= 0), or to the cursor (node -1, arrow false) or
// the arrow; false when node is not a valid index. Nothing is redrawn.
bool ApplyPointEdit(ChartSettings& chart, std::int32_t node, bool arrow, PointField field,
                    double value);

}  // namespace hygrovia

#endif  // HYGROVIA_MODEL_POINT_EDIT_H
