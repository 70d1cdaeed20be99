#ifndef HYGROVIA_PROCESS_AIR_MIXING_H
#define HYGROVIA_PROCESS_AIR_MIXING_H

#include <optional>

#include "process/airflow.h"
#include "base/chart_point.h"

namespace hygrovia {

struct AirState;

// One of two air streams to be mixed: where it stands on the chart and how much of it flows,
// a volume flow taken at its own state.
struct AirStream {
  ChartPoint point;
  Airflow flow;
};

// The state of the two streams mixed without heat or work, at the pressure and with the
// property model of air: the moisture content (g/kg) and enthalpy (kJ/kg) are the dry-air
// mass-weighted means W = (m1 W1 + m2 W2) / (m1 + m2), h likewise, and the dry bulb is the
// one at which the air state reaches h. A mixture beyond saturation is given as the saturated
// air of the same enthalpy (the water in excess falls out as mist). Nothing when the streams
// carry no air between them or a flow is negative.
std::optional<ChartPoint> MixStreams(const AirState& air, const AirStream& first,
                                     const AirStream& second);

}  // namespace hygrovia

#endif  // HYGROVIA_PROCESS_AIR_MIXING_H
