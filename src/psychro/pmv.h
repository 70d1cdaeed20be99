#ifndef HYGROVIA_PSYCHRO_PMV_H
#define HYGROVIA_PSYCHRO_PMV_H

namespace hygrovia {

// Fanger's predicted mean vote (PMV) and predicted percentage of dissatisfied (PPD), the
// thermal comfort indices of ISO 7730 and of the computer model of ASHRAE Standard 55.

// The air around a person and what the person does and wears.
struct ThermalConditions {
  double airTemperature = 25.0;      // °C
  double radiantTemperature = 25.0;  // °C, mean radiant temperature
  double airSpeed = 0.1;             // m/s, relative to the body
  double vapourPressure = 1500.0;    // Pa, partial pressure of the water vapour
  double metabolicRate = 1.1;        // met (1 met = 58.15 W/m²)
  double clothing = 0.5;             // clo (1 clo = 0.155 m²K/W)
  double externalWork = 0.0;         // met, effective mechanical power
};

// Clothing surface temperature (°C): the root of the clothing heat balance of ISO 7730
// (eq. 2), tcl = 35.7 − 0.028 (M − W) − Icl [radiation + convection from the clothing],
// found by false position; NaN when an input is not a number.
double ClothingSurfaceTemperature(const ThermalConditions& conditions);

// Predicted mean vote (−3 cold to +3 hot) of ISO 7730 eq. 1: the thermal load of the body
// times 0.303 e^(−0.036 M) + 0.028, M in W/m². Meaningful for 0.8 to 4 met, 0 to 2 clo,
// air 10 to 30 °C, radiant 10 to 40 °C, air speed 0 to 1 m/s and vapour 0 to 2700 Pa;
// NaN when an input is not a number.
double PredictedMeanVote(const ThermalConditions& conditions);

// Predicted percentage of dissatisfied (%, 5 to 100) at a mean vote pmv (ISO 7730 eq. 5):
// 100 − 95 e^(−0.03353 PMV⁴ − 0.2179 PMV²).
double PredictedPercentageDissatisfied(double pmv);

}  // namespace hygrovia

#endif  // HYGROVIA_PSYCHRO_PMV_H
