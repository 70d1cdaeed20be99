#ifndef HYGROVIA_PSYCHRO_ASHRAE_MODEL_H
#define HYGROVIA_PSYCHRO_ASHRAE_MODEL_H

namespace hygrovia {

// Moist air after the ASHRAE Handbook Fundamentals 2017, chapter 1 (SI), in the Handbook's
// units: dry bulb t in °C, pressures in kPa, humidity ratio W in kg of water per kg of dry air.
// Saturation is over ice below the triple point (0.01 °C, where both of the Handbook's
// formulas give the same pressure) and over liquid water above it. The equations are meant
// for -100 to 200 °C; outside that range the functions still return finite numbers.
namespace ashrae {

inline constexpr double kMolarMassRatio = 0.621945;   // water to dry air
inline constexpr double kLowestTemperature = -100.0;  // °C, lower end of equation 5
inline constexpr double kHighestTemperature = 200.0;  // °C, upper end of equation 6

// Barometric pressure (kPa) at altitude z (m) in the standard atmosphere, equation 3:
// 101.325 (1 - 2.25577e-5 z)^5.2559; 0 from about 44,331 m up.
double PressureAtAltitude(double altitude);
// Altitude (m) of barometric pressure p (kPa), the inverse of equation 3; p of 0 or less gives
// the altitude where equation 3 reaches 0.
double AltitudeAtPressure(double pressure);

// Saturation vapour pressure (kPa) at t (°C): Hyland-Wexler, equation 5 over ice below
// 0.01 °C, equation 6 over liquid water from 0.01 °C. From -100 to 200 °C it is read from
// tables of quintic pieces that stay within 2e-11 of the formulas, which it then costs a few
// multiplications instead of a logarithm and an exponential.
double SaturationPressure(double dryBulb);
// Humidity ratio (kg/kg) of vapour pressure pw at barometric pressure p (kPa), equation 20:
// 0.621945 pw / (p - pw); infinite where pw reaches p. Below 0 the line through 0 with the
// same slope, so that negative values stay finite and invertible.
double HumidityRatio(double vapPressure, double pressure);
// Vapour pressure (kPa) of humidity ratio W at p (kPa): p W / (0.621945 + W), the inverse of
// HumidityRatio.
double VapourPressure(double ratio, double pressure);

// Enthalpy (kJ/kg of dry air) of t (°C) and W (kg/kg), equation 32:
// 1.006 t + W (2501 + 1.86 t).
double Enthalpy(double dryBulb, double ratio);
// Specific volume (m³/kg of dry air) of t (°C) and W (kg/kg) at p (kPa), equation 28:
// 0.287042 (t + 273.15)(1 + 1.607858 W) / p.
double Volume(double dryBulb, double ratio, double pressure);

// Dew point (°C) of vapour pressure pw (kPa): the temperature at which the saturation
// pressure (over ice below 0.01 °C) equals pw, to 1e-6 °C; held at -100 °C for drier air and
// at 200 °C for a vapour pressure beyond equation 6.
double DewPoint(double vapPressure);

// Wet bulb (°C) of t (°C) and W (kg/kg) at p (kPa): the root of equation 33 (wet bulb at or
// above 0 °C) or equation 35 (below 0 °C) between the dew point and the dry bulb, to 1e-6 °C.
// Where the saturation pressure at a trial wet bulb reaches p, the air there holds any
// moisture, so the root lies below that temperature.
double WetBulb(double dryBulb, double ratio, double pressure);
// The dew point and the wet bulb (°C) of t, W and p together, as DewPoint and WetBulb give
// them; the search for the wet bulb starts from what the dew point's table holds.
struct DewAndWetBulb {
  double dewPoint;
  double wetBulb;
};
DewAndWetBulb DewAndWetBulbOf(double dryBulb, double ratio, double pressure);

// The lines of constant wet bulb, enthalpy and specific volume as functions of the humidity
// ratio: the dry bulb (°C) of the state on the line with ratio W (kg/kg), from equations 33
// and 35, 32 and 28 solved for t, and the ratio (kg/kg) of the state on the line at dry bulb t.
// Along each line the dry bulb falls as W rises.
double DryBulbOnWetBulbLine(double wetBulb, double ratio, double pressure);
double RatioOnWetBulbLine(double wetBulb, double dryBulb, double pressure);
double DryBulbOnEnthalpyLine(double enthalpy, double ratio);
double RatioOnEnthalpyLine(double enthalpy, double dryBulb);
double DryBulbOnVolumeLine(double volume, double ratio, double pressure);
double RatioOnVolumeLine(double volume, double dryBulb, double pressure);

// Enthalpy (Btu/lb of dry air) of t (°F) and W (lb/lb), equation 32 of the inch-pound
// edition: 0.240 t + W (1061 + 0.444 t), over dry air at 0 °F and liquid water at 32 °F. It is
// the SI equation rounded in its own units, not an exact conversion of it.
double EnthalpyIp(double dryBulbF, double ratio);
// Its line of constant enthalpy h (Btu/lb): the dry bulb (°F) of the state with ratio W
// (lb/lb), and the ratio of the state at dry bulb t (°F).
double DryBulbOnEnthalpyLineIp(double enthalpy, double ratio);
double RatioOnEnthalpyLineIp(double enthalpy, double dryBulbF);

}  // namespace ashrae

// The ASHRAE 2017 properties in the air state's units (°C, g/kg, %, kPa, kJ/kg, m³/kg) at one
// barometric pressure. Saturation moisture is held between the air state's floor and ceiling:
// at and above the temperature where the saturation pressure reaches the barometric pressure
// the air holds any moisture, and the ceiling stands for that.
class AshraeModel {
 public:
  // The properties of one state.
  struct State {
    double absHumidity;  // g/kg, limited to 0 .. saturation
    double relHumidity;  // %
    double vapPressure;  // kPa
    double volume;       // m³/kg
    double dewPoint;     // °C
    double wetBulb;      // °C
    double enthalpy;     // kJ/kg
  };

  explicit AshraeModel(double pressure) : pressure_(pressure) {}

  // Saturation moisture (g/kg) at t (°C).
  double SaturationHumidity(double dryBulb) const;
  // Moisture (g/kg) where the vapour pressure is fraction times the saturation pressure at t
  // (°C): the relative-humidity curve of 100 × fraction %.
  double HumidityAtSaturationShare(double dryBulb, double fraction) const;
  // Dew point (°C) of moisture w (g/kg); -100 °C for 0 g/kg or less.
  double DewPointFromHumidity(double absHumidity) const;
  // Wet bulb (°C) of t (°C) and w (g/kg).
  double WetBulbFromHumidity(double dryBulb, double absHumidity) const;
  // Relative humidity (%) pw / pws(t) of w (g/kg) at t (°C), at most 100; negative for a
  // negative moisture.
  double RelHumidityFromHumidity(double dryBulb, double absHumidity) const;
  // Moisture (g/kg) of relative humidity rh (%) at t (°C), at most the saturation moisture.
  double HumidityFromRelHumidity(double dryBulb, double relHumidity) const;
  // Vapour pressure (kPa) of w (g/kg), and its inverse.
  double VapourPressureFromHumidity(double absHumidity) const;
  double HumidityFromVapourPressure(double vapPressure) const;
  // Every property of t (°C) and w (g/kg), the moisture first limited to 0 .. saturation (not
  // a number reads as 0).
  State StateOf(double dryBulb, double absHumidity) const;

 private:
  // Moisture, vapour pressure, enthalpy and volume of t (°C) and w (g/kg).
  State PropertiesOf(double dryBulb, double absHumidity) const;

  double pressure_;  // kPa
};

}  // namespace hygrovia

#endif  // HYGROVIA_PSYCHRO_ASHRAE_MODEL_H
