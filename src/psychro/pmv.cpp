#include "psychro/pmv.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "psychro/root_finding.h"

namespace hygrovia {
namespace {

constexpr double kWattsPerMet = 58.15;       // W/m² per met
constexpr double kInsulationPerClo = 0.155;  // m²K/W per clo
constexpr double kKelvinOffset = 273.0;      // as in the standard's own equations
constexpr double kRadiation = 3.96e-8;       // W/(m²K⁴), emissivity × Stefan-Boltzmann
constexpr double kTolerance = 1e-9;          // K, of the clothing temperature

double Kelvin4(double t) { return std::pow(t + kKelvinOffset, 4.0); }

// Clothing area factor: 1 + 1.29 Icl up to 0.078 m²K/W, 1.05 + 0.645 Icl above (eq. 4).
double ClothingAreaFactor(double insulation) {
  return insulation <= 0.078 ? 1.0 + 1.29 * insulation : 1.05 + 0.645 * insulation;
}

// Convective heat transfer coefficient (W/(m²K)) of eq. 3: the larger of natural
// 2.38 |tcl − ta|^0.25 and forced 12.1 √var convection.
double ConvectionCoefficient(double clothingTemperature, double airTemperature, double airSpeed) {
  const double natural = 2.38 * std::pow(std::abs(clothingTemperature - airTemperature), 0.25);
  return std::max(natural, 12.1 * std::sqrt(std::max(airSpeed, 0.0)));
}

bool AllNumbers(const ThermalConditions& c) {
  for (const double v : {c.airTemperature, c.radiantTemperature, c.airSpeed, c.vapourPressure,
                         c.metabolicRate, c.clothing, c.externalWork}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// Heat the clothing surface at temperature tcl gives off by radiation and convection (W/m²).
double ClothingHeatLoss(const ThermalConditions& c, double tcl, double areaFactor) {
  const double radiation = kRadiation * areaFactor * (Kelvin4(tcl) - Kelvin4(c.radiantTemperature));
  const double convection = areaFactor * ConvectionCoefficient(tcl, c.airTemperature, c.airSpeed) *
                            (tcl - c.airTemperature);
  return radiation + convection;
}

}  // namespace

double ClothingSurfaceTemperature(const ThermalConditions& c) {
  if (!AllNumbers(c)) return std::numeric_limits<double>::quiet_NaN();
  const double netHeat = (c.metabolicRate - c.externalWork) * kWattsPerMet;
  const double insulation = std::max(c.clothing, 0.0) * kInsulationPerClo;
  const double areaFactor = ClothingAreaFactor(insulation);
  const double skin = 35.7 - 0.028 * netHeat;
  // The balance tcl − skin + Icl × loss(tcl) grows with tcl, and its root lies between the
  // colder and the warmer of skin, air and radiant temperature.
  const double low = std::min({skin, c.airTemperature, c.radiantTemperature});
  const double high = std::max({skin, c.airTemperature, c.radiantTemperature});
  if (high - low < kTolerance) return low;
  return FindRoot(
      [&](double t) { return t - skin + insulation * ClothingHeatLoss(c, t, areaFactor); }, low,
      high, kTolerance);
}

double PredictedMeanVote(const ThermalConditions& c) {
  const double tcl = ClothingSurfaceTemperature(c);
  if (std::isnan(tcl)) return tcl;
  const double metabolic = c.metabolicRate * kWattsPerMet;
  const double net = metabolic - c.externalWork * kWattsPerMet;
  const double pa = c.vapourPressure;
  const double areaFactor = ClothingAreaFactor(std::max(c.clothing, 0.0) * kInsulationPerClo);
  const double skinDiffusion = 3.05e-3 * (5733.0 - 6.99 * net - pa);
  const double sweating = net > kWattsPerMet ? 0.42 * (net - kWattsPerMet) : 0.0;
  const double latentRespiration = 1.7e-5 * metabolic * (5867.0 - pa);
  const double dryRespiration = 0.0014 * metabolic * (34.0 - c.airTemperature);
  const double load = net - skinDiffusion - sweating - latentRespiration - dryRespiration -
                      ClothingHeatLoss(c, tcl, areaFactor);
  return (0.303 * std::exp(-0.036 * metabolic) + 0.028) * load;
}

double PredictedPercentageDissatisfied(double pmv) {
  const double square = pmv * pmv;
  return 100.0 - 95.0 * std::exp(-0.03353 * square * square - 0.2179 * square);
}

}  // namespace hygrovia
