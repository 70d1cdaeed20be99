#ifndef HYGROVIA_FAMILIES_DRY_BULB_LINES_H
#define HYGROVIA_FAMILIES_DRY_BULB_LINES_H

namespace hygrovia {

class ChartSettings;

// The vertical lines of constant dry bulb; highlight draws in the highlight pen instead of the
// family's own, labels adds the numbers under the frame.
void DrawDryBulbLines(ChartSettings& chart, bool labels, bool highlight);

}  // namespace hygrovia

#endif  // HYGROVIA_FAMILIES_DRY_BULB_LINES_H
