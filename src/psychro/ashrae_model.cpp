#include "psychro/ashrae_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

#include "psychro/air_state.h"

namespace hygrovia {
namespace ashrae {
namespace {

constexpr double kKelvinOffset = 273.15;
constexpr double kTriplePoint = 0.01;   // °C: ice below, liquid water from here
constexpr double kFreezingPoint = 0.0;  // °C: equation 35 below, equation 33 from here
constexpr double kPascalPerKiloPascal = 1000.0;
constexpr double kKiloPascalPerPascal = 1e-3;
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
constexpr double kDryAirHeat = 1.006;   // kJ/(kg K)
constexpr double kVapourHeat = 1.86;    // kJ/(kg K)
constexpr double kLatentHeat = 2501.0;  // kJ/kg at 0 °C
// The same heats in the inch-pound edition's equation 32.
constexpr double kDryAirHeatIp = 0.240;       // Btu/(lb °F)
constexpr double kVapourHeatIp = 0.444;       // Btu/(lb °F)
constexpr double kLatentHeatIp = 1061.0;      // Btu/lb at 32 °F
constexpr double kDryAirConstant = 0.287042;  // kJ/(kg K)
constexpr double kVolumeRatio = 1.607858;     // 1 / 0.621945

// Equations 5 and 6: ln pws (Pa) as a sum of powers of the absolute temperature T (K).
struct SaturationFormula {
  double inverse;  // coefficient of 1/T
  double constant;
  double t1, t2, t3, t4;  // coefficients of T to T⁴
  double logT;            // coefficient of ln T
};
constexpr SaturationFormula kOverIceFormula{kC1, kC2, kC3, kC4, kC5, kC6, kC7};
constexpr SaturationFormula kOverWaterFormula{kC8, kC9, kC10, kC11, kC12, 0.0, kC13};

// The saturation curve: over ice below the triple point, over water from it.
const SaturationFormula& FormulaAt(double dryBulb) {
  return dryBulb < kTriplePoint ? kOverIceFormula : kOverWaterFormula;
}

// Equations 33 and 35 as (a - b t*) Ws* - 1.006 (t - t*) = W (a + 1.86 t - c t*), with Ws* the
// saturation ratio over the wet bulb's water or ice.
struct WetBulbEquation {
  double a;
  double b;
  double c;
  const SaturationFormula& formula;
};
constexpr WetBulbEquation kOverWater{2501.0, 2.326, 4.186, kOverWaterFormula};  // equation 33
constexpr WetBulbEquation kOverIce{2830.0, 0.24, 2.1, kOverIceFormula};         // equation 35

const WetBulbEquation& WetBulbEquationAt(double wetBulb) {
  return wetBulb >= kFreezingPoint ? kOverWater : kOverIce;
}

// Magnus' dew point (°C) over water and over ice (Alduchov and Eskridge) from the logarithm
// of the vapour pressure in Pa: within a few tenths of a degree of the Handbook's between -40
// and 50 °C, a start for the search.
double MagnusDewPoint(double logVapPressure, bool overWater) {
  if (overWater) {
    const double alpha = logVapPressure - 6.414999;  // ln 610.94
    return 243.04 * alpha / (17.625 - alpha);
  }
  const double alpha = logVapPressure - 6.415342;  // ln 611.15
  return 272.62 * alpha / (22.46 - alpha);
}

// A function of temperature with its first two derivatives (per K and per K²).
struct Curve {
  double value;
  double slope;
  double bend;
};

double AbsoluteTemperature(double dryBulb) {
  return std::clamp(dryBulb, kLowestEvaluated, kHighestTemperature) + kKelvinOffset;
}

// The slopes of ln pws at absolute temperature t (K) with 1/t; value is left 0.
Curve LogSaturationSlopes(const SaturationFormula& c, double t, double inverse) {
  return {0.0,
          inverse * (c.logT - c.inverse * inverse) + c.t1 +
              t * (2.0 * c.t2 + t * (3.0 * c.t3 + t * 4.0 * c.t4)),
          inverse * inverse * (2.0 * c.inverse * inverse - c.logT) + 2.0 * c.t2 +
              t * (6.0 * c.t3 + t * 12.0 * c.t4)};
}

// d³ ln pws / dt³ (1/K³) at absolute temperature t (K) with 1/t.
double LogSaturationThird(const SaturationFormula& c, double t, double inverse) {
  const double inverse3 = inverse * inverse * inverse;
  return inverse3 * (2.0 * c.logT - 6.0 * c.inverse * inverse) + 6.0 * c.t3 + 24.0 * c.t4 * t;
}

// ln pws (ln Pa) at t (°C) with its slopes.
Curve LogSaturationAt(const SaturationFormula& c, double dryBulb) {
  const double t = AbsoluteTemperature(dryBulb);
  const double inverse = 1.0 / t;
  Curve curve = LogSaturationSlopes(c, t, inverse);
  curve.value = c.inverse * inverse + c.constant + t * (c.t1 + t * (c.t2 + t * (c.t3 + t * c.t4))) +
                c.logT * std::log(t);
  return curve;
}

// A dew point (°C) with the first three slopes of ln pws there (1/K, 1/K², 1/K³), on the
// formula the dew point lies on: where a wet-bulb search starts.
struct DewPointCurve {
  double dewPoint;
  double slope;
  double bend;
  double third;
};

DewPointCurve DewPointCurveAt(const SaturationFormula& formula, double dewPoint) {
  const double t = AbsoluteTemperature(dewPoint);
  const double inverse = 1.0 / t;
  const Curve log = LogSaturationSlopes(formula, t, inverse);
  return {dewPoint, log.slope, log.bend, LogSaturationThird(formula, t, inverse)};
}

// Root of a rising smooth function on [lo, hi], where f(lo) <= 0 <= f(hi), from start. Each
// step is Halley's (Newton's corrected for the bend), or Newton's, or halves the bracket when
// the step would leave it or not shrink, so the search always ends. With c = f'' / 2f' the
// error after a Halley step of size d is about c² d³ (after a Newton step c d²); c stays far
// above kLeastBend here, so a step whose error estimate is under kFinishError ends the search
// well within 1e-6 °C. Bisection ends at a bracket of kBracketFinish.
constexpr double kFinishError = 1e-7;  // °C
constexpr double kLeastBend = 0.01;    // 1/K
constexpr double kBracketFinish = 1e-6;
constexpr int kMostSteps = 100;

template <typename Function>
double SolveRising(const Function& f, double lo, double hi, double start) {
  // A start outside the bracket (or not a number) gives way to its middle.
  double x = start >= lo && start <= hi ? start : 0.5 * (lo + hi);
  double lastStep = hi - lo;
  for (int step = 0; step < kMostSteps; ++step) {
    const Curve y = f(x);
    if (y.value == 0.0) return x;
    (y.value < 0.0 ? lo : hi) = x;
    // The error estimates multiplied out by (2 f')², so that they need no division.
    const double slope2 = y.slope * y.slope;
    const double bend2 = std::max(y.bend * y.bend, 4.0 * kLeastBend * kLeastBend * slope2);
    double next = x - 2.0 * y.value * y.slope / (2.0 * slope2 - y.value * y.bend);
    double move = std::fabs(next - x);
    bool done = bend2 * move * move * move <= 2.0 * kFinishError * slope2;
    if (!(next > lo && next < hi)) {
      next = x - y.value / y.slope;
      move = std::fabs(next - x);
      done = std::sqrt(bend2) * move * move <= 2.0 * kFinishError * std::fabs(y.slope);
    }
    if (next > lo && next < hi && move <= 0.5 * lastStep) {
      if (done) return next;
      lastStep = move;
      x = next;
    } else {
      if (hi - lo <= kBracketFinish) break;
      lastStep = 0.5 * (hi - lo);
      x = lo + lastStep;
    }
  }
  return 0.5 * (lo + hi);
}

// The dew point (°C) where ln pws of one formula equals target (ln Pa), between lo and hi,
// searched from Magnus' start and then polished to the last digits with two Newton steps.
double SearchDewPoint(const SaturationFormula& formula, double lo, double hi, double target) {
  const auto residual = [&formula, target](double t) {
    Curve log = LogSaturationAt(formula, t);
    log.value -= target;
    return log;
  };
  double t = SolveRising(residual, lo, hi, MagnusDewPoint(target, &formula == &kOverWaterFormula));
  for (int step = 0; step < 2; ++step) {
    const Curve log = residual(t);
    t = std::clamp(t - log.value / log.slope, lo, hi);
  }
  return t;
}

// The dew point as a function of y = ln pw (ln Pa) on one side of the triple point: cubic
// Hermite interpolation between nodes equally spaced in y, holding the searched dew point
// and its slope dt/dy = 1 / (d ln pws/dt). The fourth derivative of the dew point in y stays
// under 0.6 K, so with kIntervals over a span of at most 8 in y the interpolation is within
// 2e-7 °C of the search. Built once, then only read.
class DewPointTable {
 public:
  static constexpr int kIntervals = 100;

  DewPointTable(const SaturationFormula& formula, double lowest, double highest)
      : first_(LogSaturationAt(formula, lowest).value),
        last_(LogSaturationAt(formula, highest).value),
        step_((last_ - first_) / kIntervals),
        inverseStep_(1.0 / step_) {
    for (int j = 0; j <= kIntervals; ++j) {
      const double t = SearchDewPoint(formula, lowest, highest, first_ + j * step_);
      const DewPointCurve curve = DewPointCurveAt(formula, t);
      temperature_[static_cast<std::size_t>(j)] = t;
      slope_[static_cast<std::size_t>(j)] = step_ / curve.slope;
      logSlopes_[static_cast<std::size_t>(j)] = {curve.slope, curve.bend, curve.third};
    }
  }

  double FirstLog() const { return first_; }
  double LastLog() const { return last_; }

  // The dew point of y, which lies between FirstLog() and LastLog(), with the slopes of ln pws
  // there. The slopes change by a thousandth over a step, so a straight line between the
  // nodes gives them closely enough for a start, and with no division.
  DewPointCurve At(double y) const {
    const double s = std::clamp((y - first_) * inverseStep_, 0.0, double{kIntervals});
    const int j = std::min(static_cast<int>(s), kIntervals - 1);
    const double u = s - j;
    const double v = 1.0 - u;
    const auto k = static_cast<std::size_t>(j);
    const auto& left = logSlopes_[k];
    const auto& right = logSlopes_[k + 1];
    return {v * v * ((1.0 + 2.0 * u) * temperature_[k] + u * slope_[k]) +
                u * u * ((3.0 - 2.0 * u) * temperature_[k + 1] - v * slope_[k + 1]),
            v * left[0] + u * right[0], v * left[1] + u * right[1], v * left[2] + u * right[2]};
  }

 private:
  double first_;
  double last_;
  double step_;
  double inverseStep_;
  std::array<double, kIntervals + 1> temperature_{};
  std::array<double, kIntervals + 1> slope_{};  // dt/dy times the step
  std::array<std::array<double, 3>, kIntervals + 1> logSlopes_{};
};

// The saturation pressure of a formula (Pa) with its slopes at t (°C).
Curve SaturationPressureAt(const SaturationFormula& formula, double dryBulb) {
  const Curve log = LogSaturationAt(formula, dryBulb);
  const double saturation = std::exp(log.value);
  // pws' = pws (ln pws)', pws'' = pws ((ln pws)'² + (ln pws)'').
  return {saturation, saturation * log.slope, saturation * (log.slope * log.slope + log.bend)};
}

// The saturation pressure of one formula between lowest and highest (°C) as a quintic
// Hermite polynomial on each of kIntervals equal steps, matching the pressure and its first
// two slopes at every node: no logarithm or exponential at each step of the wet-bulb search.
// The error is at most h⁶ max|pws⁽⁶⁾| / 46080 with step h; as pws⁽⁶⁾ / pws stays under
// ((ln pws)')⁶ plus smaller terms, under 0.19⁶ K⁻⁶ at -100 °C and 0.074⁶ from 0 °C, steps of
// half a kelvin over ice and one kelvin over water keep the relative error under 2e-11,
// which moves a wet bulb by less than 1e-9 °C. Built once, then only read.
class SaturationTable {
 public:
  static constexpr int kIntervals = 200;

  SaturationTable(const SaturationFormula& formula, double lowest, double highest)
      : first_(lowest),
        last_(highest),
        step_((highest - lowest) / kIntervals),
        inverseStep_(1.0 / step_) {
    Curve left = Scaled(SaturationPressureAt(formula, lowest));
    for (int j = 0; j < kIntervals; ++j) {
      const Curve right = Scaled(SaturationPressureAt(formula, lowest + (j + 1) * step_));
      // p(s) = a0 + a1 s + ... + a5 s⁵ on s in [0, 1] with the ends' value and slopes.
      const double d0 = right.value - left.value - left.slope - 0.5 * left.bend;
      const double d1 = right.slope - left.slope - left.bend;
      const double d2 = right.bend - left.bend;
      coefficients_[static_cast<std::size_t>(j)] = {left.value,
                                                    left.slope,
                                                    0.5 * left.bend,
                                                    10.0 * d0 - 4.0 * d1 + 0.5 * d2,
                                                    -15.0 * d0 + 7.0 * d1 - d2,
                                                    6.0 * d0 - 3.0 * d1 + 0.5 * d2};
      left = right;
    }
  }

  bool Holds(double dryBulb) const { return dryBulb >= first_ && dryBulb <= last_; }

  // The saturation pressure (Pa) at t (°C), which the table holds.
  double ValueAt(double dryBulb) const {
    const auto [a, s] = PieceAt(dryBulb);
    return Value(a, s, s * s);
  }

  // The saturation pressure (Pa) with its slopes at t (°C), which the table holds.
  Curve At(double dryBulb) const {
    const auto [a, s] = PieceAt(dryBulb);
    const double s2 = s * s;
    const double s4 = s2 * s2;
    const double slope =
        (a[1] + 2.0 * a[2] * s) + s2 * (3.0 * a[3] + 4.0 * a[4] * s) + s4 * (5.0 * a[5]);
    const double bend = (2.0 * a[2] + 6.0 * a[3] * s) + s2 * (12.0 * a[4] + 20.0 * a[5] * s);
    return {Value(a, s, s2), slope * inverseStep_, bend * inverseStep_ * inverseStep_};
  }

 private:
  using Coefficients = std::array<double, 6>;

  // The piece that holds t (°C) and where t lies along it, from 0 to 1.
  struct Piece {
    const Coefficients& a;
    double s;
  };

  Piece PieceAt(double dryBulb) const {
    const double x = (dryBulb - first_) * inverseStep_;
    const int j = std::clamp(static_cast<int>(x), 0, kIntervals - 1);
    return {coefficients_[static_cast<std::size_t>(j)], x - j};
  }

  // A piece's polynomial at s, its terms added in pairs (Estrin's scheme), which the
  // processor works out side by side.
  static double Value(const Coefficients& a, double s, double s2) {
    return (a[0] + a[1] * s) + s2 * (a[2] + a[3] * s) + s2 * s2 * (a[4] + a[5] * s);
  }

  // The slopes per step instead of per kelvin.
  Curve Scaled(const Curve& curve) const {
    return {curve.value, curve.slope * step_, curve.bend * step_ * step_};
  }

  double first_;
  double last_;
  double step_;
  double inverseStep_;
  std::array<Coefficients, kIntervals> coefficients_{};
};

// The table of a formula, over ice up to the triple point and over water from freezing.
const SaturationTable& TableOf(const SaturationFormula& formula) {
  static const SaturationTable kOverIceTable(kOverIceFormula, kLowestTemperature, kTriplePoint);
  static const SaturationTable kOverWaterTable(kOverWaterFormula, kFreezingPoint,
                                               kHighestTemperature);
  return &formula == &kOverIceFormula ? kOverIceTable : kOverWaterTable;
}

// The saturation pressure (Pa) with its slopes at t (°C): from the table where it holds t.
Curve SaturationPressureNear(const SaturationFormula& formula, double dryBulb) {
  const SaturationTable& table = TableOf(formula);
  if (table.Holds(dryBulb)) return table.At(dryBulb);
  return SaturationPressureAt(formula, dryBulb);
}

// Saturation humidity ratio (kg/kg) of a saturation pressure (Pa, with its slopes) at p (kPa),
// with its slopes; infinite with no slopes where the saturation pressure reaches p.
Curve SaturationRatioOf(const Curve& pascals, double pressure) {
  const double saturation = pascals.value * kKiloPascalPerPascal;
  const double rest = pressure - saturation;
  if (!(rest > 0.0)) return {kInfinity, 0.0, 0.0};
  // Ws = k pws / (p - pws), Ws' = k p pws' / (p - pws)².
  const double inverseRest = 1.0 / rest;
  const double slope1 = pascals.slope * kKiloPascalPerPascal;
  const double slope2 = pascals.bend * kKiloPascalPerPascal;
  const double scale = kMolarMassRatio * pressure * inverseRest * inverseRest;
  return {kMolarMassRatio * saturation * inverseRest, scale * slope1,
          scale * (slope2 + 2.0 * slope1 * slope1 * inverseRest)};
}

// Saturation humidity ratio (kg/kg) of a formula at u (°C) and p (kPa) with its slopes.
Curve SaturationRatioAt(const SaturationFormula& formula, double dryBulb, double pressure) {
  return SaturationRatioOf(SaturationPressureAt(formula, dryBulb), pressure);
}

// The terms of the wet-bulb equation at a trial wet bulb u, multiplied through by the rest of
// the pressure p - pws(u), so that no division is needed: k (a - b u) and the heat the air
// gives up, 1.006 (t - u) + W (a + 1.86 t - c u), with their slopes in u (both straight).
struct WetBulbTerms {
  double latent;
  double latentSlope;
  double heat;
  double heatSlope;
};

WetBulbTerms TermsAt(const WetBulbEquation& e, double dryBulb, double ratio, double u) {
  return {kMolarMassRatio * (e.a - e.b * u), -kMolarMassRatio * e.b,
          kDryAirHeat * (dryBulb - u) + ratio * (e.a + kVapourHeat * dryBulb - e.c * u),
          -kDryAirHeat - ratio * e.c};
}

// The wet-bulb equation times p - pws(u) as a function of the wet bulb u, with its slopes:
// g = k (a - b u) pws - (p - pws) (1.006 (t - u) + W (a + 1.86 t - c u)). Where pws is below
// p it has the sign of the equation, so the same root, and it rises through it; where pws
// reaches p it is positive, as the root lies below.
struct WetBulbResidual {
  const WetBulbEquation& equation;
  double dryBulb;
  double ratio;
  double pressure;

  Curve operator()(double u) const {
    const Curve pascals = SaturationPressureNear(equation.formula, u);
    const double q = pascals.value * kKiloPascalPerPascal;
    const double q1 = pascals.slope * kKiloPascalPerPascal;
    const double q2 = pascals.bend * kKiloPascalPerPascal;
    const WetBulbTerms g = TermsAt(equation, dryBulb, ratio, u);
    const double rest = pressure - q;
    return {g.latent * q - g.heat * rest,
            g.latentSlope * q + g.latent * q1 - g.heatSlope * rest + g.heat * q1,
            2.0 * (g.latentSlope + g.heatSlope) * q1 + (g.latent + g.heat) * q2};
  }
};

// A start for the wet bulb: the root of the residual's Taylor polynomial of third degree about
// the dew point, where the saturation pressure is the vapour pressure and its slopes need no
// exponential.
double WetBulbStart(const WetBulbEquation& e, double dryBulb, double ratio, double pressure,
                    const DewPointCurve& dew) {
  // pws and its derivatives at the dew point, where pws is the vapour pressure.
  const double dewPoint = dew.dewPoint;
  const double q = VapourPressure(ratio, pressure);
  const double l1 = dew.slope;
  const double l2 = dew.bend;
  const double l3 = dew.third;
  const double q1 = q * l1;
  const double q2 = q * (l1 * l1 + l2);
  const double q3 = q * (l1 * l1 * l1 + 3.0 * l1 * l2 + l3);
  // k0 + k1 δ + k2 δ² + k3 δ³ = 0 for δ = u - dew point: the residual's Taylor polynomial,
  // whose value at the dew point, where Ws is the state's W, is written so that it keeps
  // its digits when the air is nearly saturated.
  const double r = pressure - q;
  const WetBulbTerms g = TermsAt(e, dryBulb, ratio, dewPoint);
  const double k0 = -(dryBulb - dewPoint) * (kDryAirHeat + kVapourHeat * ratio) * r;
  const double k1 = g.latentSlope * q + g.latent * q1 - g.heatSlope * r + g.heat * q1;
  const double k2 = (g.latentSlope + g.heatSlope) * q1 + 0.5 * (g.latent + g.heat) * q2;
  const double k3 = 0.5 * (g.latentSlope + g.heatSlope) * q2 + (g.latent + g.heat) * q3 / 6.0;
  // The root of the quadratic, n / m, then one Newton step on the cubic, with the two
  // fractions over one divisor: n / m - c(n / m) / c'(n / m) = (n s - c) / (m s) for
  // c = m³ c(n / m) and s = m² c'(n / m).
  const double n = -2.0 * k0;
  const double m = k1 + std::sqrt(std::max(k1 * k1 - 4.0 * k2 * k0, 0.0));
  const double c = ((k0 * m + k1 * n) * m + k2 * n * n) * m + k3 * n * n * n;
  const double slope = (k1 * m + 2.0 * k2 * n) * m + 3.0 * k3 * n * n;
  return dewPoint + (n * slope - c) / (m * slope);
}

// Equation 33 at a wet bulb of 0 °C, with the sign WetBulbResidual has there.
double FreezingResidual(double dryBulb, double ratio, double pressure) {
  static const double kSaturationAtFreezing =
      std::exp(LogSaturationAt(kOverWaterFormula, kFreezingPoint).value) * kKiloPascalPerPascal;
  const double rest = pressure - kSaturationAtFreezing;
  if (!(rest > 0.0)) return kInfinity;
  const double saturation = kMolarMassRatio * kSaturationAtFreezing / rest;
  return kOverWater.a * saturation - kDryAirHeat * dryBulb -
         ratio * (kOverWater.a + kVapourHeat * dryBulb);
}

double SolveWetBulb(const WetBulbEquation& e, double dryBulb, double ratio, double pressure,
                    const DewPointCurve& dew, double lo, double hi) {
  const WetBulbResidual residual{e, dryBulb, ratio, pressure};
  return SolveRising(residual, lo, hi, WetBulbStart(e, dryBulb, ratio, pressure, dew));
}

// The dew point of vapour pressure pw (kPa) with its slopes, as DewPoint gives it.
DewPointCurve DewPointCurveOf(double vapPressure) {
  static const DewPointTable kIceTable(kOverIceFormula, kLowestTemperature, kTriplePoint);
  static const DewPointTable kWaterTable(kOverWaterFormula, kTriplePoint, kHighestTemperature);
  static const DewPointCurve kLowest = DewPointCurveAt(kOverIceFormula, kLowestTemperature);
  static const DewPointCurve kHighest = DewPointCurveAt(kOverWaterFormula, kHighestTemperature);
  if (!(vapPressure > 0.0)) return kLowest;
  const double y = std::log(vapPressure * kPascalPerKiloPascal);
  if (!(y > kIceTable.FirstLog())) return kLowest;
  if (!(y < kWaterTable.LastLog())) return kHighest;
  return y < kWaterTable.FirstLog() ? kIceTable.At(y) : kWaterTable.At(y);
}

// The wet bulb of t, W and p from their dew point.
double WetBulbFrom(double dryBulb, double ratio, double pressure, const DewPointCurve& dew) {
  const double lo = std::min(dew.dewPoint, dryBulb);
  if (!(lo < dryBulb)) return dryBulb;
  if (dryBulb <= kFreezingPoint) {
    return SolveWetBulb(kOverIce, dryBulb, ratio, pressure, dew, lo, dryBulb);
  }
  // Equation 35 just below freezing asks for more moisture than equation 33 at freezing, so
  // when both have a root, the one at or above freezing is taken.
  if (lo < kFreezingPoint && FreezingResidual(dryBulb, ratio, pressure) > 0.0) {
    return SolveWetBulb(kOverIce, dryBulb, ratio, pressure, dew, lo, kFreezingPoint);
  }
  return SolveWetBulb(kOverWater, dryBulb, ratio, pressure, dew, std::max(lo, kFreezingPoint),
                      dryBulb);
}

double LogSaturationValue(double dryBulb) {
  return LogSaturationAt(FormulaAt(dryBulb), dryBulb).value;
}

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
  const SaturationTable& table = TableOf(FormulaAt(dryBulb));
  if (table.Holds(dryBulb)) return table.ValueAt(dryBulb) / kPascalPerKiloPascal;
  return std::exp(LogSaturationValue(dryBulb)) / kPascalPerKiloPascal;
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

double DewPoint(double vapPressure) { return DewPointCurveOf(vapPressure).dewPoint; }

double WetBulb(double dryBulb, double ratio, double pressure) {
  return WetBulbFrom(dryBulb, ratio, pressure, DewPointCurveOf(VapourPressure(ratio, pressure)));
}

DewAndWetBulb DewAndWetBulbOf(double dryBulb, double ratio, double pressure) {
  const DewPointCurve dew = DewPointCurveOf(VapourPressure(ratio, pressure));
  return {dew.dewPoint, WetBulbFrom(dryBulb, ratio, pressure, dew)};
}

double DryBulbOnWetBulbLine(double wetBulb, double ratio, double pressure) {
  const WetBulbEquation& e = WetBulbEquationAt(wetBulb);
  const double saturation = SaturationRatioAt(e.formula, wetBulb, pressure).value;
  return ((e.a - e.b * wetBulb) * saturation + kDryAirHeat * wetBulb -
          ratio * (e.a - e.c * wetBulb)) /
         (kDryAirHeat + kVapourHeat * ratio);
}

double RatioOnWetBulbLine(double wetBulb, double dryBulb, double pressure) {
  const WetBulbEquation& e = WetBulbEquationAt(wetBulb);
  const double saturation = SaturationRatioAt(e.formula, wetBulb, pressure).value;
  return ((e.a - e.b * wetBulb) * saturation - kDryAirHeat * (dryBulb - wetBulb)) /
         (e.a + kVapourHeat * dryBulb - e.c * wetBulb);
}

double DryBulbOnEnthalpyLine(double enthalpy, double ratio) {
  return (enthalpy - kLatentHeat * ratio) / (kDryAirHeat + kVapourHeat * ratio);
}

double RatioOnEnthalpyLine(double enthalpy, double dryBulb) {
  return (enthalpy - kDryAirHeat * dryBulb) / (kLatentHeat + kVapourHeat * dryBulb);
}

double EnthalpyIp(double dryBulbF, double ratio) {
  return kDryAirHeatIp * dryBulbF + ratio * (kLatentHeatIp + kVapourHeatIp * dryBulbF);
}

double DryBulbOnEnthalpyLineIp(double enthalpy, double ratio) {
  return (enthalpy - kLatentHeatIp * ratio) / (kDryAirHeatIp + kVapourHeatIp * ratio);
}

double RatioOnEnthalpyLineIp(double enthalpy, double dryBulbF) {
  return (enthalpy - kDryAirHeatIp * dryBulbF) / (kLatentHeatIp + kVapourHeatIp * dryBulbF);
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
  const double moisture = absHumidity >= 0.0 ? absHumidity : 0.0;
  // A branch rather than a minimum: the properties of unsaturated air then need not wait for
  // the saturation pressure, and the two run side by side.
  if (!(moisture < saturation)) {
    State state = PropertiesOf(dryBulb, saturation);
    // Saturated air has its dry bulb as dew point and wet bulb, exactly, and 100 %.
    if (saturationPressure < pressure_) {
      state.relHumidity = 100.0;
      state.dewPoint = dryBulb;
      state.wetBulb = dryBulb;
      return state;
    }
    const ashrae::DewAndWetBulb points =
        ashrae::DewAndWetBulbOf(dryBulb, saturation / kGramsPerKilogram, pressure_);
    state.dewPoint = points.dewPoint;
    state.wetBulb = points.wetBulb;
    state.relHumidity = 100.0 * state.vapPressure / saturationPressure;
    return state;
  }
  State state = PropertiesOf(dryBulb, moisture);
  const ashrae::DewAndWetBulb points =
      ashrae::DewAndWetBulbOf(dryBulb, moisture / kGramsPerKilogram, pressure_);
  state.dewPoint = points.dewPoint;
  state.wetBulb = points.wetBulb;
  state.relHumidity = 100.0 * state.vapPressure / saturationPressure;
  return state;
}

AshraeModel::State AshraeModel::PropertiesOf(double dryBulb, double absHumidity) const {
  const double ratio = absHumidity / kGramsPerKilogram;
  State state{};
  state.absHumidity = absHumidity;
  state.vapPressure = ashrae::VapourPressure(ratio, pressure_);
  state.enthalpy = ashrae::Enthalpy(dryBulb, ratio);
  state.volume = ashrae::Volume(dryBulb, ratio, pressure_);
  return state;
}

}  // namespace hygrovia
