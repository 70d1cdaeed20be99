#ifndef HYGROVIA_PSYCHRO_CHART_FORMULAS_H
#define HYGROVIA_PSYCHRO_CHART_FORMULAS_H

#include "psychro/double_double.h"

// The arithmetic of the chart formulas behind AirState (psychro/air_state.h), in double-double
// extended precision: the same bits with every compiler and processor. Where the processor has
// a fused multiply-add the exact products use it, found once at start-up; the results are the
// same either way. Units: °C, g of water per kg of dry air, %, kPa, m³/kg, kJ/kg.
namespace hygrovia::chart_formulas {

// Saturation moisture (g/kg) at dry bulb (°C) and pressure (kPa): Antoine equation for the
// saturation vapour pressure, 622 × Ps / (7.5 × P − Ps) with both pressures in mmHg; held
// between floor and ceiling (g/kg) as AirState describes.
double SaturationMoisture(double dryBulb, double pressure, double floor, double ceiling);

// Dew point (°C) of moisture (g/kg) at pressure (kPa): the Antoine equation solved for the
// temperature at the vapour pressure 7.5 × P × w / (622 + w) mmHg; -19.119 °C where that
// pressure is not positive or the moisture not finite.
double DewPoint(double moisture, double pressure);

// dryBulb + 2.4528 × moisture (°C), the wet-bulb line through the state, normalized.
DoubleDouble WetBulbLine(double dryBulb, double moisture);

// Relative humidity (%) of moisture and saturation moisture (g/kg): moisture / saturation × 100.
double RelativeHumidity(double moisture, double saturation);

// Moisture (g/kg) at relative humidity (%) of saturation moisture (g/kg):
// relHumidity × 0.01 × saturation.
double MoistureOfRelativeHumidity(double relHumidity, double saturation);

// The fields of a state but its dry bulb and wet bulb.
struct StateFields {
  double absHumidity = 0.0;  // g/kg
  double relHumidity = 0.0;  // %: w / ws × 100
  double vapPressure = 0.0;  // kPa: 0.16 × w
  double volume = 0.0;       // m³/kg: (t + 0.4854368 × w + 270.5) / 350
  double dewPoint = 0.0;     // °C; a saturated state's is its dry bulb
  double enthalpy = 0.0;     // kJ/kg: t + 2.525252525 × w
};

// The state at dry bulb (°C) and moisture (g/kg, at least 0) at pressure (kPa), the moisture
// held to the saturation moisture, which SaturationMoisture gives with floor and ceiling.
StateFields StateOf(double dryBulb, double moisture, double pressure, double floor, double ceiling);

// The same formulas with no fused multiply-add, whatever the processor has: the bits of the
// functions above on every processor, which the tests hold them to.
namespace portable {
double SaturationMoisture(double dryBulb, double pressure, double floor, double ceiling);
double DewPoint(double moisture, double pressure);
DoubleDouble WetBulbLine(double dryBulb, double moisture);
StateFields StateOf(double dryBulb, double moisture, double pressure, double floor, double ceiling);
}  // namespace portable

}  // namespace hygrovia::chart_formulas

#endif  // HYGROVIA_PSYCHRO_CHART_FORMULAS_H
