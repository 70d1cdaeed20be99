#ifndef HYGROVIA_PSYCHRO_AIR_STATE_H
#define HYGROVIA_PSYCHRO_AIR_STATE_H

#include <cstdint>
#include <limits>

#include "psychro/property_model.h"

namespace hygrovia {

// The chart formulas' linear rule between moisture content and vapour pressure; it does not
// depend on the barometric pressure. Conversions go through the air state, which follows it
// in that model.
inline constexpr double VapourPressurePerHumidity = 0.16;  // kPa per g/kg
inline constexpr double HumidityPerVapourPressure = 6.25;  // g/kg per kPa

// One state of moist air at the barometric pressure held in the record. Units: °C, g of water
// per kg of dry air, %, kPa, m³/kg, kJ/kg.
//
// Model chooses the formulation every operation goes through: the chart formulas described
// below, or the ASHRAE 2017 formulation of AshraeModel (psychro/ashrae_model.h).
//
// DryBulb and AbsHumidity are the inputs of SetFromHumidity, Pressure is set by the caller
// before any operation is used, and SetFromHumidity derives the other six fields. A default
// record holds zeros in all nine fields.
//
// Where the saturation formula has no meaning (the saturation vapour pressure reaches the
// barometric pressure: from about 99.87 °C at 101.365 kPa, 81.97 °C at 51.365 kPa and
// 107.25 °C at 131.365 kPa) the saturation moisture reads as kSaturationHumidityCeiling, so
// relative humidity tends to 0 there, the wet-bulb search passes through and every field stays
// finite. For dry bulbs and moistures below 1e30 in magnitude, at any pressure, no operation
// returns NaN or an infinity, except the dew point at a pressure near 1.7e7 kPa or a moisture
// near -622 g/kg.
struct AirState {
  // Saturation moisture (g/kg) reported beyond the limit of the saturation formula, and the
  // most it ever reports: 1000 kg of water per kg of dry air.
  static constexpr double kSaturationHumidityCeiling = 1.0e6;
  // Saturation moisture (g/kg) reported at and below -195 °C (the Antoine equation has no
  // meaning at and below -235 °C), and the least it ever reports; at the chart's pressures the
  // formula falls below it near -189 °C.
  static constexpr double kSaturationHumidityFloor = 1.0e-30;

  double DryBulb = 0.0;      // °C
  double WetBulb = 0.0;      // °C
  double AbsHumidity = 0.0;  // g/kg (moisture content)
  double RelHumidity = 0.0;  // %
  double VapPressure = 0.0;  // kPa
  double Pressure = 0.0;     // kPa, barometric
  double Volume = 0.0;       // m³/kg of dry air
  double DewPoint = 0.0;     // °C
  double Enthalpy = 0.0;     // kJ/kg of dry air
  PropertyModel Model = PropertyModel::ChartFormulas;

  // Saturation moisture (g/kg) at dry bulb (°C) and Pressure (kPa): Antoine equation for the
  // saturation vapour pressure, 622 × Ps / (7.5 × P − Ps) with both pressures in mmHg; held
  // between kSaturationHumidityFloor and kSaturationHumidityCeiling (see above).
  double SaturationHumidity(double dryBulb) const;

  // Dew point (°C) of moisture absHumidity (g/kg) at Pressure (kPa): the inverse of the
  // saturation formula; a moisture of 0 or less gives about -19.119 °C.
  double DewPointFromHumidity(double absHumidity) const;

  // Wet bulb (°C) of dry bulb (°C) and moisture (g/kg) at Pressure (kPa): where the line of
  // constant dryBulb + 2.4528 × absHumidity meets the saturation curve, interpolated in single
  // precision between 5 °C nodes from 0 to 145 °C (extrapolated below 0 °C); 0 when no node
  // lies above the line.
  double WetBulbFromHumidity(double dryBulb, double absHumidity) const;

  // Relative humidity (%) of moisture absHumidity (g/kg) at dry bulb (°C) and Pressure (kPa),
  // at most 100; a negative moisture gives a negative result.
  double RelHumidityFromHumidity(double dryBulb, double absHumidity) const;

  // Moisture (g/kg) of relative humidity (%) at dry bulb (°C) and Pressure (kPa), at most the
  // saturation moisture; a negative relative humidity gives a negative result.
  double HumidityFromRelHumidity(double dryBulb, double relHumidity) const;

  // Vapour pressure (kPa) of moisture absHumidity (g/kg): the chart's linear rule 0.16 kPa per
  // g/kg, whatever the pressure (in double, as the chart's conversions take it).
  double VapourPressureFromHumidity(double absHumidity) const;
  // Moisture (g/kg) of vapour pressure (kPa): 6.25 g/kg per kPa, the inverse rule.
  double HumidityFromVapourPressure(double vapPressure) const;
  // Moisture (g/kg) on the chart's relative-humidity curve of fraction (1 for saturation) at
  // dry bulb (°C): fraction × SaturationHumidity(dryBulb), not limited to saturation.
  double HumidityAtSaturationShare(double dryBulb, double fraction) const;

  // Sets DryBulb (capped at 100 °C) and AbsHumidity (at least 0, at most saturation) and
  // derives the other fields at Pressure; Pressure itself is left as it is. A saturated state's
  // dew point is its dry bulb.
  void SetFromHumidity(double dryBulb, double absHumidity);

  // Start-up defaults: DryBulb 25 °C, Pressure 101.365 kPa, RelHumidity 60 %; other fields are
  // left as they are.
  void ResetState();

 private:
  static constexpr int kWetBulbNodes = 30;

  // The places from 1 on (nodes, then two infinite places) whose line is not above target (°C).
  int PlacesPassed(double target) const;
  // The wet bulb (°C) interpolated between nodes i − 1 and i at the wet-bulb line target (°C),
  // for i from 1 to kWetBulbNodes; 0 at kWetBulbNodes, where no node lies above the line.
  double WetBulbAtNode(float target, int i) const;
  // SetFromHumidity in the ASHRAE 2017 formulation.
  void SetFromAshraeModel(double dryBulb, double absHumidity);
  // The search looks at 32 places, the nodes and two infinite ones above them, so that it
  // halves its interval five times whatever the target.
  static constexpr int kWetBulbSearchSize = 32;

  // Computes the wet-bulb nodes for Pressure.
  void ComputeWetBulbNodes() const;

  // The wet-bulb search's nodes for the pressure they were computed at: at node i (5 × i °C),
  // 5 × i + 2.4528 × SaturationHumidity(5 × i) in extended precision, as the double nearest to
  // it (then two infinities) and the rest below that double; and for the interpolation, node
  // i − 1 narrowed to single precision and the span to node i narrowed, both exact in double.
  // Pressure is public, so every search compares it with wetBulbPressure_ first.
  mutable double wetBulbPressure_ = std::numeric_limits<double>::quiet_NaN();
  mutable double wetBulbLineDouble_[kWetBulbSearchSize] = {};
  mutable double wetBulbLineLow_[kWetBulbNodes] = {};
  mutable double wetBulbBase_[kWetBulbNodes] = {};
  mutable double wetBulbSpan_[kWetBulbNodes] = {};
  // The places the bucket's start passes, for targets from 0 to 1024 °C in buckets of 4 °C,
  // narrower than the 5 °C or more between nodes.
  static constexpr int kWetBulbBuckets = 256;
  static constexpr double kWetBulbBucketWidth = 4.0;
  mutable std::uint8_t wetBulbBucketPassed_[kWetBulbBuckets] = {};
};

}  // namespace hygrovia

#endif  // HYGROVIA_PSYCHRO_AIR_STATE_H
