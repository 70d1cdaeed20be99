#include "process/process_loads.h"

#include <cmath>

#include "psychro/air_state.h"
#include "psychro/ashrae_model.h"

namespace hygrovia {
namespace {

// The chart's formulas: h = t + 2.525252525 W, W in g/kg.
constexpr double kChartVapourEnthalpy = 2.525252525;
constexpr double kGramsPerKilogram = 1000.0;
constexpr double kSecondsPerHour = 3600.0;
// A total below this (kW) is no load at all, so the ratio has no meaning.
constexpr double kNoLoad = 1.0e-9;

}  // namespace

AirProperties AirProperties::Of(const AirState& air) {
  return {air.DryBulb, air.RelHumidity, air.AbsHumidity, air.VapPressure,
          air.Volume,  air.Enthalpy,    air.DewPoint,    air.WetBulb};
}

double ModelEnthalpy(PropertyModel model, double dryBulb, double moisture) {
  if (model == PropertyModel::Ashrae2017) {
    return ashrae::Enthalpy(dryBulb, moisture / kGramsPerKilogram);
  }
  return dryBulb + kChartVapourEnthalpy * moisture;
}

StepLoads ComputeStepLoads(const AirState& air, const AirProperties& first,
                           const AirProperties& second, double massFlow) {
  StepLoads loads;
  loads.DeltaDryBulb = second.DryBulb - first.DryBulb;
  loads.DeltaMoisture = second.AbsHumidity - first.AbsHumidity;
  loads.DeltaEnthalpy = second.Enthalpy - first.Enthalpy;
  loads.MassFlow = massFlow;
  // All three enthalpies by one equation, so that an unchanged moisture leaves no latent part
  // and an unchanged dry bulb no sensible part, to the last bit.
  const double h1 = ModelEnthalpy(air.Model, first.DryBulb, first.AbsHumidity);
  const double h2 = ModelEnthalpy(air.Model, second.DryBulb, second.AbsHumidity);
  const double hDry = ModelEnthalpy(air.Model, second.DryBulb, first.AbsHumidity);
  loads.Total = massFlow * (h2 - h1);
  loads.Sensible = massFlow * (hDry - h1);
  loads.Latent = loads.Total - loads.Sensible;
  loads.MoistureRate = massFlow * loads.DeltaMoisture / kGramsPerKilogram * kSecondsPerHour;
  if (std::abs(loads.Total) > kNoLoad) loads.SensibleHeatRatio = loads.Sensible / loads.Total;
  loads.Coil = CoilOf(air, first.DryBulb, first.AbsHumidity, second.DryBulb, second.AbsHumidity);
  return loads;
}

}  // namespace hygrovia
