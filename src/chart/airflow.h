#ifndef HYGROVIA_CHART_AIRFLOW_H
#define HYGROVIA_CHART_AIRFLOW_H

#include <array>
#include <string_view>

namespace hygrovia {

// The units in which the user gives an airflow: a volume flow, taken at the state where the
// air enters a step, or the mass flow of dry air itself.
enum class FlowUnit {
  CubicMetresPerSecond,
  CubicMetresPerHour,
  LitresPerSecond,
  KilogramsPerSecond
};

// Every flow unit with its text, in the order the airflow field offers them.
struct FlowUnitEntry {
  FlowUnit unit;
  std::string_view text;
};
inline constexpr std::array<FlowUnitEntry, 4> kFlowUnits{{
    {FlowUnit::CubicMetresPerSecond, "m\xC2\xB3/s"},
    {FlowUnit::CubicMetresPerHour, "m\xC2\xB3/h"},
    {FlowUnit::LitresPerSecond, "L/s"},
    {FlowUnit::KilogramsPerSecond, "kg/s"},
}};

// An airflow as the user gives it.
struct Airflow {
  double value = 1.0;
  FlowUnit unit = FlowUnit::CubicMetresPerSecond;
};

// Mass flow of dry air (kg/s) of flow entering at specific volume (m³/kg of dry air):
// m = V / v for a volume flow V in m³/s. Zero when the volume is not positive or the result
// is not a finite number.
double DryAirMassFlow(const Airflow& flow, double specificVolume);

}  // namespace hygrovia

#endif  // HYGROVIA_CHART_AIRFLOW_H
