#ifndef HYGROVIA_PROCESS_PROCESS_LOADS_H
#define HYGROVIA_PROCESS_PROCESS_LOADS_H

#include <optional>

#include "process/airflow.h"
#include "process/coil.h"
#include "psychro/property_model.h"

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

// What one process step from a first state to a second takes from the air carrying one dry-air
// mass flow. Rates are signed: a step that cools or dries is negative.
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
  // For a step that cools and dries whose line reaches saturation; none otherwise.
  std::optional<CoilFigures> Coil;
};

// Enthalpy (kJ/kg of dry air) of dry bulb t (°C) and moisture w (g/kg) in the property model,
// by its own equation and not held to saturation: t + 2.525252525 w in the chart's formulas,
// 1.006 t + W (2501 + 1.86 t) in the ASHRAE model.
double ModelEnthalpy(PropertyModel model, double dryBulb, double moisture);

// Loads of the step from first to second for massFlow (kg/s of dry air), with the model's own
// enthalpy: total = m (h2 - h1); sensible = m (h(t2, W1) - h(t1, W1)); latent = total -
// sensible, so a step at one moisture has none and a step at one dry bulb no sensible part;
// moisture rate = m ΔW (kg/h); SHR = sensible / total. The coil figures come from air, whose
// pressure and model give the saturation curve.
StepLoads ComputeStepLoads(const AirState& air, const AirProperties& first,
                           const AirProperties& second, double massFlow);

}  // namespace hygrovia

#endif  // HYGROVIA_PROCESS_PROCESS_LOADS_H
