#include "psychro/ashrae_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "psychro/air_state.h"

namespace hygrovia {
namespace ashrae {
namespace {

constexpr double kKelvinOffset = 273.15;
constexpr double kTriplePoint = 0.01;   // °C: ice below, liquid water from here
constexpr double kFreezingPoint = 0.0;  // °C: equation 35 below, equation 33 from here
constexpr double kPascalPerKiloPascal = 1000.0;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Below this the saturation formulas are evaluated here: the pressure is then under 1e-26 kPa,
// and far below, at absolute zero, equation 5 has no value.
constexpr double kLowestEvaluated = -200.0;  // °C

// Equation 3, the standard atmosphere.
constexpr double kSeaLevelPressure = 101.325;  // kPa
constexpr double kLapse = 2.25577e-5;          // 1/m
constexpr double kAtmosphereExponent = 5.2559;

// Equation 5, saturation over ice (Pa, K).
constexpr double kC1 = -5.6745359e3;
constexpr double kC2 = 6.3925247;
constexpr double kC3 = -9.6778430e-3;
constexpr double kC4 = 6.2215701e-7;
constexpr double kC5 = 2.0747825e-9;
constexpr double kC6 = -9.4840240e-13;
constexpr double kC7 = 4.1635019;
// Equation 6, saturation over liquid water (Pa, K).
constexpr double kC8 = -5.8002206e3;
constexpr double kC9 = 1.3914993;
constexpr double kC10 = -4.8640239e-2;
constexpr double kC11 = 4.1764768e-5;
constexpr double kC12 = -1.4452093e-8;
constexpr double kC13 = 6.5459673;

// Equations 32 and 28.
constexpr double kDryAirHeat = 1.006;         // kJ/(kg K)
constexpr double kVapourHeat = 1.86;          // kJ/(kg K)
constexpr double kLatentHeat = 2501.0;        // kJ/kg at 0 °C
constexpr double kDryAirConstant = 0.287042;  // kJ/(kg K)
constexpr double kVolumeRatio = 1.607858;     // 1 / 0.621945

// Equations 33 and 35 as (a - b t*) Ws* - 1.006 (t - t*) = W (a + 1.86 t - c t*).
struct WetBulbEquation {
  double a;
  double b;
  double c;
};
constexpr WetBulbEquation kOverWater{2501.0, 2.326, 4.186};  // equation 33
constexpr WetBulbEquation kOverIce{2830.0, 0.24, 2.1};       // equation 35

const WetBulbEquation& WetBulbEquationAt(double wetBulb) {
  return wetBulb >= kFreezingPoint ? kOverWater : kOverIce;
}

// Magnus' dew point (°C) of pw (kPa) over water and over ice (Alduchov and Eskridge): within
// a few tenths of a degree of the Handbook's between -40 and 50 °C, a start for Newton.
double MagnusDewPoint(double vapPressure) {
  if (vapPressure >= 0.611657) {
    const double alpha = std::log(vapPressure / 0.61094);
    return 243.04 * alpha / (17.625 - alpha);
  }
  const double alpha = std::log(vapPressure / 0.61115);
  return 272.62 * alpha / (22.46 - alpha);
}

// ln of the saturation pressure (ln Pa) at t (°C) and its rate of change (1/K).
struct LogSaturation {
  double value;
  double slope;
};

// The rate of change alone needs no logarithm.
double LogSaturationSlope(double dryBulb) {
  const double t = std::clamp(dryBulb, kLowestEvaluated, kHighestTemperature) + kKelvinOffset;
  if (dryBulb < kTriplePoint) {
    return -kC1 / (t * t) + kC3 + t * (2.0 * kC4 + t * (3.0 * kC5 + t * 4.0 * kC6)) + kC7 / t;
  }
  return -kC8 / (t * t) + kC10 + t * (2.0 * kC11 + t * 3.0 * kC12) + kC13 / t;
}

LogSaturation LogSaturationAt(double dryBulb) {
  const double t = std::clamp(dryBulb, kLowestEvaluated, kHighestTemperature) + kKelvinOffset;
  const double logT = std::log(t);
  double value = 0.0;
  if (dryBulb < kTriplePoint) {
    value = kC1 / t + kC2 + t * (kC3 + t * (kC4 + t * (kC5 + t * kC6))) + kC7 * logT;
  } else {
    value = kC8 / t + kC9 + t * (kC10 + t * (kC11 + t * kC12)) + kC13 * logT;
  }
  return {value, LogSaturationSlope(dryBulb)};
}

// Root of a rising function on [lo, hi], where f(lo) <= 0 <= f(hi), from start: Newton steps
// while they stay inside the bracket and shrink, bisection otherwise, so it always ends.
// A Newton step under kNewtonFinish ends it: near the root the error after a step is about
// (f'' / 2f') times the square of the step, and that factor stays far below 100 per kelvin
// here, so the result is within 1e-6 °C. Bisection ends at a bracket of kBracketFinish.
constexpr double kNewtonFinish = 1e-4;
constexpr double kBracketFinish = 1e-6;
constexpr int kMostSteps = 100;

template <typename Function>
double SolveRising(const Function& f, double lo, double hi, double start) {
  // A start outside the bracket (or not a number) gives way to its middle.
  double x = start >= lo && start <= hi ? start : 0.5 * (lo + hi);
  double lastStep = hi - lo;
  for (int step = 0; step < kMostSteps; ++step) {
    const auto [value, slope] = f(x);
    if (value == 0.0) return x;
    (value < 0.0 ? lo : hi) = x;
    const double newton = x - value / slope;
    const double move = std::fabs(newton - x);
    if (newton > lo && newton < hi && move <= 0.5 * lastStep) {
      if (move <= kNewtonFinish) return newton;
      lastStep = move;
      x = newton;
    } else {
      if (hi - lo <= kBracketFinish) break;
      lastStep = 0.5 * (hi - lo);
      x = lo + lastStep;
    }
  }
  return 0.5 * (lo + hi);
}

// Saturation humidity ratio (kg/kg) and its rate of change (kg/kg per K) at t (°C) and p (kPa);
// infinite with no slope where the saturation pressure reaches p.
struct SaturationRatio {
  double ratio;
  double slope;
};

SaturationRatio SaturationRatioAt(double dryBulb, double pressure) {
  const LogSaturation log = LogSaturationAt(dryBulb);
  const double saturation = std::exp(log.value) / kPascalPerKiloPascal;
  const double rest = pressure - saturation;
  if (!(rest > 0.0)) return {kInfinity, 0.0};
  return {kMolarMassRatio * saturation / rest,
          kMolarMassRatio * pressure * saturation * log.slope / (rest * rest)};
}

// The wet-bulb equation as a function rising with the wet bulb u, with its slope.
struct WetBulbResidual {
  const WetBulbEquation& equation;
  double dryBulb;
  double ratio;
  double pressure;

  LogSaturation operator()(double u) const {
    const SaturationRatio saturation = SaturationRatioAt(u, pressure);
    if (!std::isfinite(saturation.ratio)) return {kInfinity, 0.0};
    const WetBulbEquation& e = equation;
    const double latent = e.a - e.b * u;
    return {latent * saturation.ratio - kDryAirHeat * (dryBulb - u) -
                ratio * (e.a + kVapourHeat * dryBulb - e.c * u),
            latent * saturation.slope - e.b * saturation.ratio + kDryAirHeat + e.c * ratio};
  }
};

// Where the wet-bulb equation meets the tangent of the saturation curve at the dew point: the
// saturation curve bends upward, so this lies at or above the root, where Newton's steps fall
// toward it without overshooting.
double WetBulbStart(const WetBulbEquation& e, double dryBulb, double ratio, double pressure,
                    double dewPoint) {
  const double vapour = VapourPressure(ratio, pressure);
  const double rest = pressure - vapour;
  const double tangent =
      kMolarMassRatio * pressure * vapour * LogSaturationSlope(dewPoint) / (rest * rest);
  const double sensible = kDryAirHeat + kVapourHeat * ratio;
  return (e.a * tangent * dewPoint + sensible * dryBulb) / (e.a * tangent + sensible);
}

double SolveWetBulb(const WetBulbEquation& e, double dryBulb, double ratio, double pressure,
                    double dewPoint, double lo, double hi) {
  const WetBulbResidual residual{e, dryBulb, ratio, pressure};
  return SolveRising(residual, lo, hi, WetBulbStart(e, dryBulb, ratio, pressure, dewPoint));
}

double LogSaturationValue(double dryBulb) { return LogSaturationAt(dryBulb).value; }

}  // namespace

double PressureAtAltitude(double altitude) {
  if (std::isnan(altitude)) return altitude;
  const double base = 1.0 - kLapse * altitude;
  if (!(base > 0.0)) return 0.0;
  return kSeaLevelPressure * std::pow(base, kAtmosphereExponent);
}

double AltitudeAtPressure(double pressure) {
  if (std::isnan(pressure)) return pressure;
  if (!(pressure > 0.0)) return 1.0 / kLapse;
  return (1.0 - std::pow(pressure / kSeaLevelPressure, 1.0 / kAtmosphereExponent)) / kLapse;
}

double SaturationPressure(double dryBulb) {
  return std::exp(LogSaturationValue(dryBulb)) / kPascalPerKiloPascal;
}

SaturationSlope SaturationPressureAndSlope(double dryBulb) {
  const LogSaturation log = LogSaturationAt(dryBulb);
  const double pressure = std::exp(log.value) / kPascalPerKiloPascal;
  return {pressure, pressure * log.slope};
}

double HumidityRatio(double vapPressure, double pressure) {
  if (vapPressure < 0.0) return kMolarMassRatio * vapPressure / pressure;
  const double rest = pressure - vapPressure;
  if (!(rest > 0.0)) return kInfinity;
  return kMolarMassRatio * vapPressure / rest;
}

double VapourPressure(double ratio, double pressure) {
  if (ratio < 0.0) return pressure * ratio / kMolarMassRatio;
  return pressure * ratio / (kMolarMassRatio + ratio);
}

double Enthalpy(double dryBulb, double ratio) {
  return kDryAirHeat * dryBulb + ratio * (kLatentHeat + kVapourHeat * dryBulb);
}

double Volume(double dryBulb, double ratio, double pressure) {
  return kDryAirConstant * (dryBulb + kKelvinOffset) * (1.0 + kVolumeRatio * ratio) / pressure;
}

double DewPoint(double vapPressure) {
  // The ends of the range, computed once.
  static const double kLowestLog = LogSaturationValue(kLowestTemperature);
  static const double kHighestLog = LogSaturationValue(kHighestTemperature);
  if (!(vapPressure > 0.0)) return kLowestTemperature;
  const double target = std::log(vapPressure * kPascalPerKiloPascal);
  if (!(target > kLowestLog)) return kLowestTemperature;
  if (!(target < kHighestLog)) return kHighestTemperature;
  const auto residual = [target](double t) {
    const LogSaturation log = LogSaturationAt(t);
    return LogSaturation{log.value - target, log.slope};
  };
  return SolveRising(residual, kLowestTemperature, kHighestTemperature,
                     MagnusDewPoint(vapPressure));
}

double WetBulb(double dryBulb, double ratio, double pressure) {
  return WetBulb(dryBulb, ratio, pressure, DewPoint(VapourPressure(ratio, pressure)));
}

double WetBulb(double dryBulb, double ratio, double pressure, double dewPoint) {
  const double lo = std::min(dewPoint, dryBulb);
  if (!(lo < dryBulb)) return dryBulb;
  if (dryBulb <= kFreezingPoint) {
    return SolveWetBulb(kOverIce, dryBulb, ratio, pressure, dewPoint, lo, dryBulb);
  }
  // Equation 35 just below freezing asks for more moisture than equation 33 at freezing, so
  // when both have a root, the one at or above freezing is taken.
  if (lo < kFreezingPoint &&
      WetBulbResidual{kOverWater, dryBulb, ratio, pressure}(kFreezingPoint).value > 0.0) {
    return SolveWetBulb(kOverIce, dryBulb, ratio, pressure, dewPoint, lo, kFreezingPoint);
  }
  return SolveWetBulb(kOverWater, dryBulb, ratio, pressure, dewPoint, std::max(lo, kFreezingPoint),
                      dryBulb);
}

double DryBulbOnWetBulbLine(double wetBulb, double ratio, double pressure) {
  const WetBulbEquation& e = WetBulbEquationAt(wetBulb);
  const double saturation = SaturationRatioAt(wetBulb, pressure).ratio;
  return ((e.a - e.b * wetBulb) * saturation + kDryAirHeat * wetBulb -
          ratio * (e.a - e.c * wetBulb)) /
         (kDryAirHeat + kVapourHeat * ratio);
}

double RatioOnWetBulbLine(double wetBulb, double dryBulb, double pressure) {
  const WetBulbEquation& e = WetBulbEquationAt(wetBulb);
  const double saturation = SaturationRatioAt(wetBulb, pressure).ratio;
  return ((e.a - e.b * wetBulb) * saturation - kDryAirHeat * (dryBulb - wetBulb)) /
         (e.a + kVapourHeat * dryBulb - e.c * wetBulb);
}

double DryBulbOnEnthalpyLine(double enthalpy, double ratio) {
  return (enthalpy - kLatentHeat * ratio) / (kDryAirHeat + kVapourHeat * ratio);
}

double RatioOnEnthalpyLine(double enthalpy, double dryBulb) {
  return (enthalpy - kDryAirHeat * dryBulb) / (kLatentHeat + kVapourHeat * dryBulb);
}

double DryBulbOnVolumeLine(double volume, double ratio, double pressure) {
  return volume * pressure / (kDryAirConstant * (1.0 + kVolumeRatio * ratio)) - kKelvinOffset;
}

double RatioOnVolumeLine(double volume, double dryBulb, double pressure) {
  return (volume * pressure / (kDryAirConstant * (dryBulb + kKelvinOffset)) - 1.0) / kVolumeRatio;
}

}  // namespace ashrae

namespace {

constexpr double kGramsPerKilogram = 1000.0;

// Moisture (g/kg) of humidity ratio W (kg/kg), held between the air state's floor and ceiling
// (the ceiling standing for saturation beyond the barometric pressure).
double HeldSaturation(double ratio) {
  const double moisture = ratio * kGramsPerKilogram;
  if (!(moisture < AirState::kSaturationHumidityCeiling))
    return AirState::kSaturationHumidityCeiling;
  return std::max(moisture, AirState::kSaturationHumidityFloor);
}

// Moisture (g/kg) of humidity ratio W (kg/kg), at most the ceiling.
double Moisture(double ratio) {
  return std::min(ratio * kGramsPerKilogram, AirState::kSaturationHumidityCeiling);
}

}  // namespace

double AshraeModel::SaturationHumidity(double dryBulb) const {
  return HeldSaturation(ashrae::HumidityRatio(ashrae::SaturationPressure(dryBulb), pressure_));
}

double AshraeModel::HumidityAtSaturationShare(double dryBulb, double fraction) const {
  return Moisture(ashrae::HumidityRatio(fraction * ashrae::SaturationPressure(dryBulb), pressure_));
}

double AshraeModel::DewPointFromHumidity(double absHumidity) const {
  return ashrae::DewPoint(VapourPressureFromHumidity(absHumidity));
}

double AshraeModel::WetBulbFromHumidity(double dryBulb, double absHumidity) const {
  return ashrae::WetBulb(dryBulb, absHumidity / kGramsPerKilogram, pressure_);
}

double AshraeModel::RelHumidityFromHumidity(double dryBulb, double absHumidity) const {
  const double saturation = SaturationHumidity(dryBulb);
  const double moisture = absHumidity > saturation ? saturation : absHumidity;
  return 100.0 * VapourPressureFromHumidity(moisture) / ashrae::SaturationPressure(dryBulb);
}

double AshraeModel::HumidityFromRelHumidity(double dryBulb, double relHumidity) const {
  const double saturation = SaturationHumidity(dryBulb);
  const double moisture =
      HumidityFromVapourPressure(0.01 * relHumidity * ashrae::SaturationPressure(dryBulb));
  return moisture > saturation ? saturation : moisture;
}

double AshraeModel::VapourPressureFromHumidity(double absHumidity) const {
  return ashrae::VapourPressure(absHumidity / kGramsPerKilogram, pressure_);
}

double AshraeModel::HumidityFromVapourPressure(double vapPressure) const {
  return Moisture(ashrae::HumidityRatio(vapPressure, pressure_));
}

AshraeModel::State AshraeModel::StateOf(double dryBulb, double absHumidity) const {
  const double saturationPressure = ashrae::SaturationPressure(dryBulb);
  const double saturation = HeldSaturation(ashrae::HumidityRatio(saturationPressure, pressure_));
  State state{};
  state.absHumidity = absHumidity >= 0.0 ? absHumidity : 0.0;
  if (state.absHumidity > saturation) state.absHumidity = saturation;
  const double ratio = state.absHumidity / kGramsPerKilogram;
  state.vapPressure = ashrae::VapourPressure(ratio, pressure_);
  state.enthalpy = ashrae::Enthalpy(dryBulb, ratio);
  state.volume = ashrae::Volume(dryBulb, ratio, pressure_);
  // Saturated air has its dry bulb as dew point and wet bulb, exactly, and 100 %.
  if (state.absHumidity == saturation && saturationPressure < pressure_) {
    state.relHumidity = 100.0;
    state.dewPoint = dryBulb;
    state.wetBulb = dryBulb;
    return state;
  }
  state.relHumidity = 100.0 * state.vapPressure / saturationPressure;
  state.dewPoint = ashrae::DewPoint(state.vapPressure);
  state.wetBulb = ashrae::WetBulb(dryBulb, ratio, pressure_, state.dewPoint);
  return state;
}

}  // namespace hygrovia
