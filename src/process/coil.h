#ifndef HYGROVIA_PROCESS_COIL_H
#define HYGROVIA_PROCESS_COIL_H

#include <optional>

namespace hygrovia {

struct AirState;

// A cooling coil's figures for a step that cools and dries: the apparatus dew point, where the
// straight line through the two states, continued past the second, meets the saturation curve;
// the bypass factor (t2 - ADP) / (t1 - ADP); the contact factor 1 - bypass factor.
struct CoilFigures {
  double ApparatusDewPoint = 0.0;  // °C
  double BypassFactor = 0.0;
  double ContactFactor = 0.0;
};

// The coil figures of the step from (t1, w1) to (t2, w2) (°C, g/kg) when both fall; none when
// either does not fall or the line leaves the chart's temperatures before it meets saturation.
std::optional<CoilFigures> CoilOf(const AirState& air, double t1, double w1, double t2, double w2);

}  // namespace hygrovia

#endif  // HYGROVIA_PROCESS_COIL_H
