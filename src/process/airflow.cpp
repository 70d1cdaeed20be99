#include "process/airflow.h"

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
    case FlowUnit::CubicFeetPerMinute:
      return QuantityText::Ip().FromShown(Quantity::VolumeFlow, 1.0);
    default:
      return 1.0;
  }
}

// SI units (kg/s of dry air or m³/s) in one unit of a flow.
double SiPerUnit(FlowUnit unit) {
  if (unit == FlowUnit::PoundsPerHour) return QuantityText::Ip().FromShown(Quantity::MassFlow, 1.0);
  return CubicMetresPerSecondIn(unit);
}

}  // namespace

Airflow FlowInSystem(const Airflow& flow, UnitSystem system) {
  const bool mass = IsMassFlow(flow.unit);
  for (const FlowUnitEntry& entry : FlowUnitsOf(system)) {
    if (IsMassFlow(entry.unit) != mass) continue;
    if (entry.unit == flow.unit) return flow;
    return {flow.value * SiPerUnit(flow.unit) / SiPerUnit(entry.unit), entry.unit};
  }
  return flow;
}

std::span<const FlowUnitEntry> FlowUnitsOf(UnitSystem system) {
  if (system == UnitSystem::Ip) return kIpFlowUnits;
  return kFlowUnits;
}

bool IsMassFlow(FlowUnit unit) {
  return unit == FlowUnit::KilogramsPerSecond || unit == FlowUnit::PoundsPerHour;
}

FlowReference ReferenceOf(const Airflow& flow, FlowReference chosen) {
  if (IsMassFlow(flow.unit)) return FlowReference::MassFlow;
  return chosen == FlowReference::MassFlow ? FlowReference::FirstPoint : chosen;
}

std::string ReferenceText(FlowReference reference, UnitSystem system) {
  switch (reference) {
    case FlowReference::StandardAir:
      return system == UnitSystem::Ip ? "standard air (0.075 lb/ft\xC2\xB3)"
                                      : "standard air (1.204 kg/m\xC2\xB3)";
    case FlowReference::MassFlow:
      return "mass flow given";
    case FlowReference::FirstPoint:
      break;
  }
  return "volume at the first point";
}

double ChainMassFlow(const Airflow& flow, FlowReference chosen, double firstVolume) {
  if (ReferenceOf(flow, chosen) != FlowReference::StandardAir) {
    return DryAirMassFlow(flow, firstVolume);
  }
  const double density =
      flow.unit == FlowUnit::CubicFeetPerMinute ? kStandardAirDensityIp : kStandardAirDensity;
  return DryAirMassFlow(flow, 1.0 / density);
}

double DryAirMassFlow(const Airflow& flow, double specificVolume) {
  double mass = flow.value;
  if (flow.unit == FlowUnit::PoundsPerHour) {
    mass = flow.value * SiPerUnit(flow.unit);
  } else if (flow.unit != FlowUnit::KilogramsPerSecond) {
    if (!(specificVolume > 0.0)) return 0.0;
    mass = flow.value * CubicMetresPerSecondIn(flow.unit) / specificVolume;
  }
  return std::isfinite(mass) ? mass : 0.0;
}

}  // namespace hygrovia
