#ifndef HYGROVIA_DRAWING_DESIGN_MARKS_H
#define HYGROVIA_DRAWING_DESIGN_MARKS_H

namespace hygrovia {

class DrawingSurface;
struct AirState;
struct DesignConditions;

// Marks the design conditions on the chart, each a cross with a short label: "C0.4" at the
// cooling dry bulb and its mean coincident wet bulb, "D0.4" at the dehumidification dew
// point's moisture and its mean coincident dry bulb, "H99.6" a tick up from the foot of the
// chart at the heating dry bulb. Marks outside the chart's ranges are left out.
void DrawDesignMarks(DrawingSurface& surface, const DesignConditions& design, const AirState& air);

}  // namespace hygrovia

#endif  // HYGROVIA_DRAWING_DESIGN_MARKS_H
