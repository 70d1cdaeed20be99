#ifndef HYGROVIA_PROCESS_AIRFLOW_H
#define HYGROVIA_PROCESS_AIRFLOW_H

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "units/quantity_text.h"

namespace hygrovia {

// The units in which the user gives an airflow: a volume flow, taken at the state where the
// air enters a step, or the mass flow of dry air itself.
enum class FlowUnit {
  CubicMetresPerSecond,
  CubicMetresPerHour,
  LitresPerSecond,
  KilogramsPerSecond,
  CubicFeetPerMinute,
  PoundsPerHour,
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

// The flow units of inch-pound units, in the order the airflow field offers them there.
inline constexpr std::array<FlowUnitEntry, 2> kIpFlowUnits{{
    {FlowUnit::CubicFeetPerMinute, "cfm"},
    {FlowUnit::PoundsPerHour, "lb/h"},
}};

// The flow units offered in a unit system.
std::span<const FlowUnitEntry> FlowUnitsOf(UnitSystem system);

// True for a mass flow of dry air, false for a volume flow.
bool IsMassFlow(FlowUnit unit);

// An airflow as the user gives it.
struct Airflow {
  double value = 1.0;
  FlowUnit unit = FlowUnit::CubicMetresPerSecond;
};

// The same airflow in the first unit of its kind (volume or mass) that system offers.
Airflow FlowInSystem(const Airflow& flow, UnitSystem system);

// Where the one dry-air mass flow of a chain of steps comes from when the airflow is a volume
// flow: the volume at the chain's first point, or the density of standard air. A mass flow is
// its own reference.
enum class FlowReference { FirstPoint, StandardAir, MassFlow };

// Standard air, 1.204 kg/m³; inch-pound units take 0.075 lb/ft³ (1.2014 kg/m³).
inline constexpr double kStandardAirDensity = 1.204;
inline constexpr double kStandardAirDensityIp = 0.075 * 0.45359237 / 0.028316846592;

// The reference in force for flow: MassFlow for a mass flow whatever was chosen, and the first
// point for a volume flow when a mass flow was chosen.
FlowReference ReferenceOf(const Airflow& flow, FlowReference chosen);

// "volume at the first point", "standard air (1.204 kg/m³)", "mass flow given".
std::string ReferenceText(FlowReference reference, UnitSystem system);

// The one dry-air mass flow (kg/s) of a chain whose first point has specific volume
// firstVolume (m³/kg): flow over firstVolume, flow times standard air's density (the
// inch-pound one for cfm), or the mass flow itself; ReferenceOf tells which. Zero when the
// result is not a finite number or a volume is not positive.
double ChainMassFlow(const Airflow& flow, FlowReference chosen, double firstVolume);

// Mass flow of dry air (kg/s) of flow entering at specific volume (m³/kg of dry air):
// m = V / v for a volume flow V in m³/s. Zero when the volume is not positive or the result
// is not a finite number.
double DryAirMassFlow(const Airflow& flow, double specificVolume);

}  // namespace hygrovia

#endif  // HYGROVIA_PROCESS_AIRFLOW_H
