#include "families/diagonal_families.h"

#include "families/ashrae_lines.h"
#include "families/enthalpy_lines.h"
#include "families/volume_lines.h"
#include "families/wet_bulb_lines.h"

namespace hygrovia {

const DiagonalFamilies& DiagonalFamiliesOf(PropertyModel model) {
  static constexpr DiagonalFamilies kChartFormulas{DrawWetBulbLines, DrawEnthalpyLines,
                                                   DrawVolumeLines};
  static constexpr DiagonalFamilies kAshrae{DrawAshraeWetBulbLines, DrawAshraeEnthalpyLines,
                                            DrawAshraeVolumeLines};
  return model == PropertyModel::Ashrae2017 ? kAshrae : kChartFormulas;
}

}  // namespace hygrovia
