#ifndef HYGROVIA_BASE_CHART_POINT_H
#define HYGROVIA_BASE_CHART_POINT_H

namespace hygrovia {

// A point on the chart: X the dry-bulb temperature (°C), Y the moisture content (g/kg).
struct ChartPoint {
  float X = 0.0f;
  float Y = 0.0f;
};

}  // namespace hygrovia

#endif  // HYGROVIA_BASE_CHART_POINT_H
