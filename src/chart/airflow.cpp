#include "chart/airflow.h"

#include <cmath>

namespace hygrovia {
namespace {

// Cubic metres per second in one unit of a volume flow.
double CubicMetresPerSecondIn(FlowUnit unit) {
  switch (unit) {
    case FlowUnit::CubicMetresPerHour:
      return 1.0 / 3600.0;
    case FlowUnit::LitresPerSecond:
      return 1.0e-3;
    default:
      return 1.0;
  }
}

}  // namespace

double DryAirMassFlow(const Airflow& flow, double specificVolume) {
  double mass = flow.value;
  if (flow.unit != FlowUnit::KilogramsPerSecond) {
    if (!(specificVolume > 0.0)) return 0.0;
    mass = flow.value * CubicMetresPerSecondIn(flow.unit) / specificVolume;
  }
  return std::isfinite(mass) ? mass : 0.0;
}

}  // namespace hygrovia
