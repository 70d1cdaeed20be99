#ifndef HYGROVIA_FAMILIES_DIAGONAL_FAMILIES_H
#define HYGROVIA_FAMILIES_DIAGONAL_FAMILIES_H

#include "psychro/property_model.h"

namespace hygrovia {

class ChartSettings;

// The line families whose shape depends on the property model: wet-bulb, enthalpy and
// specific-volume lines. The chart formulas draw their straight lines (chart/chart_drawing.h),
// the ASHRAE model its polylines (chart/ashrae_lines.h).
struct DiagonalFamilies {
  void (*wetBulb)(ChartSettings& chart, bool highlight);
  void (*enthalpy)(ChartSettings& chart, bool labels, bool highlight);
  void (*volume)(ChartSettings& chart, bool highlight);
};

const DiagonalFamilies& DiagonalFamiliesOf(PropertyModel model);

}  // namespace hygrovia

#endif  // HYGROVIA_FAMILIES_DIAGONAL_FAMILIES_H
