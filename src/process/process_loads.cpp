#include "process/process_loads.h"

#include <cmath>

#include "psychro/air_state.h"

namespace hygrovia {
namespace {

// Specific heat of dry air and of water vapour, kJ/(kg K).
constexpr double kDryAirHeat = 1.006;
constexpr double kVapourHeat = 1.86;
constexpr double kGramsPerKilogram = 1000.0;
constexpr double kSecondsPerHour = 3600.0;
// A total below this (kW) is no load at all, so the ratio has no meaning.
constexpr double kNoLoad = 1.0e-9;

}  // namespace

AirProperties AirProperties::Of(const AirState& air) {
  return {air.DryBulb, air.RelHumidity, air.AbsHumidity, air.VapPressure,
          air.Volume,  air.Enthalpy,    air.DewPoint,    air.WetBulb};
}

StepLoads ComputeStepLoads(const AirProperties& first, const AirProperties& second,
                           const Airflow& flow) {
  StepLoads loads;
  loads.DeltaDryBulb = second.DryBulb - first.DryBulb;
  loads.DeltaMoisture = second.AbsHumidity - first.AbsHumidity;
  loads.DeltaEnthalpy = second.Enthalpy - first.Enthalpy;
  loads.MassFlow = DryAirMassFlow(flow, first.Volume);
  const double humidHeat = kDryAirHeat + kVapourHeat * first.AbsHumidity / kGramsPerKilogram;
  loads.Total = loads.MassFlow * loads.DeltaEnthalpy;
  loads.Sensible = loads.MassFlow * humidHeat * loads.DeltaDryBulb;
  loads.Latent = loads.Total - loads.Sensible;
  loads.MoistureRate = loads.MassFlow * loads.DeltaMoisture / kGramsPerKilogram * kSecondsPerHour;
  if (std::abs(loads.Total) > kNoLoad) loads.SensibleHeatRatio = loads.Sensible / loads.Total;
  return loads;
}

}  // namespace hygrovia
