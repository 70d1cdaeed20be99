#include "chart/diagonal_families.h"

#include "chart/ashrae_lines.h"
#include "chart/chart_drawing.h"

namespace hygrovia {

const DiagonalFamilies& DiagonalFamiliesOf(PropertyModel model) {
  static constexpr DiagonalFamilies kChartFormulas{DrawWetBulbLines, DrawEnthalpyLines,
                                                   DrawVolumeLines};
  static constexpr DiagonalFamilies kAshrae{DrawAshraeWetBulbLines, DrawAshraeEnthalpyLines,
                                            DrawAshraeVolumeLines};
  return model == PropertyModel::Ashrae2017 ? kAshrae : kChartFormulas;
}

}  // namespace hygrovia
