#ifndef HYGROVIA_PROCESS_PROCESS_LOADS_H
#define HYGROVIA_PROCESS_PROCESS_LOADS_H

#include <optional>

#include "process/airflow.h"

namespace hygrovia {

struct AirState;

// The properties of one state of air the process table shows, as the air state in force
// computed them. Units: °C, %, g/kg, kPa, m³/kg, kJ/kg.
struct AirProperties {
  double DryBulb = 0.0;
  double RelHumidity = 0.0;
  double AbsHumidity = 0.0;
  double VapPressure = 0.0;
  double Volume = 0.0;
  double Enthalpy = 0.0;
  double DewPoint = 0.0;
  double WetBulb = 0.0;

  static AirProperties Of(const AirState& air);
};

// What one process step from a first state to a second takes from the air, for an airflow
// entering at the first state. Rates are signed: a step that cools or dries is negative.
struct StepLoads {
  double DeltaDryBulb = 0.0;   // K
  double DeltaMoisture = 0.0;  // g/kg of dry air
  double DeltaEnthalpy = 0.0;  // kJ/kg of dry air
  double MassFlow = 0.0;       // kg/s of dry air
  double Sensible = 0.0;       // kW
  double Latent = 0.0;         // kW
  double Total = 0.0;          // kW
  double MoistureRate = 0.0;   // kg/h of water
  // Sensible over total; none when the total is zero.
  std::optional<double> SensibleHeatRatio;
};

// Loads of the step from first to second: m the dry-air mass flow of flow at the first state's
// specific volume; total = m Δh; sensible = m (1.006 + 1.86 W1) Δt with W1 the first moisture
// in kg/kg; latent = total - sensible; moisture rate = m ΔW (kg/h); SHR = sensible / total.
StepLoads ComputeStepLoads(const AirProperties& first, const AirProperties& second,
                           const Airflow& flow);

}  // namespace hygrovia

#endif  // HYGROVIA_PROCESS_PROCESS_LOADS_H
