#include "psychro/chart_formulas.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "psychro/binary_power.h"

// Double-double arithmetic needs every double operation rounded once to double, as on x86-64
// and ARM64; x87 arithmetic in extended registers would round twice.
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD != 0
#error "double arithmetic must round to double (FLT_EVAL_METHOD 0)"
#endif
static_assert(std::numeric_limits<double>::is_iec559);

// Built for any x86-64 processor, with GCC or Clang: the exact products use fused multiply-adds
// in copies of the formulas compiled for processors that have them, chosen at start-up.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__FMA__)
#define HYGROVIA_CHOOSE_FMA 1
#define HYGROVIA_FORMULA [[gnu::always_inline]] inline
#define HYGROVIA_WITH_FMA [[gnu::target("fma")]]
#elif defined(__GNUC__)
#define HYGROVIA_FORMULA [[gnu::always_inline]] inline
#else
#define HYGROVIA_FORMULA inline
#endif

namespace hygrovia::chart_formulas {
namespace {

// Where the compiler may use fused multiply-adds everywhere (ARM64, or x86-64 built for newer
// processors) the exact products always do.
#if defined(__FMA__) || defined(__ARM_FEATURE_FMA)
constexpr bool kBuiltWithFma = true;
#else
constexpr bool kBuiltWithFma = false;
#endif

// Constants the formulas hold at extended precision, each the nearest double-double to the
// exact value; every other constant is a double or exact.
constexpr DoubleDouble kOneHundredth = Normalized(Quotient({1.0, 0.0}, {100.0, 0.0}));

// Antoine equation for water, pressure in mmHg, temperature in °C: log10(p) = A − B / (t + C)
// with A = 8.10765, B = 1750.286 (as doubles) and C = 235. The formulas work with
// log2(p) = A' − B' / (t + C), where A' and B' are A and B times log2(10): the same equation
// without a conversion between the logarithms.
constexpr double kAntoineC = 235.0;
constexpr DoubleDouble kAntoineBinaryA = Normalized(Product(kBinaryLogOfTen, 8.10765));
constexpr DoubleDouble kAntoineBinaryB = Normalized(Product(kBinaryLogOfTen, 1750.286));
// A' and B' times 128, for 2^x in steps of 1/128.
constexpr DoubleDouble kAntoineStepsA = {128.0 * kAntoineBinaryA.hi, 128.0 * kAntoineBinaryA.lo};
constexpr DoubleDouble kAntoineStepsB = {128.0 * kAntoineBinaryB.hi, 128.0 * kAntoineBinaryB.lo};
constexpr double kOneOverAntoineStepsB = 1.0 / kAntoineStepsB.hi;
constexpr double kFloorShiftedDryBulb = 40.0;  // dry bulb + 235 at -195 °C

// Beyond 1e290 °C the Antoine term B / (dry bulb + 235) lies far below the last bit of A, and
// beyond 1e290 kPa the saturation moisture far below its floor, so that larger values,
// infinities among them, give the same saturation moisture as these.
constexpr double kLargestDryBulb = 1.0e290;
constexpr double kLargestPressure = 1.0e290;
constexpr double kSmallestPressure = 1.0e-37;

// The quick test for unsaturated states takes moistures from here, where the saturation
// moisture it implies lies far above its floor, and keeps a margin of 2^-50 for the roundings
// of its products.
constexpr double kSmallestFastMoisture = 1.0e-20;
constexpr double kBelowSaturation = 1.0 - 0x1p-50;

constexpr double kMmHgPerKiloPascal = 7.5;  // 7.5 rather than 7.50062, as the chart does
constexpr double kMolarMassRatio = 622.0;   // water to dry air, in g/kg
constexpr double kMolarMassPercent = 6.22;  // the same in g/kg per %

constexpr double kWetBulbSlope = 2.4528;              // °C per g/kg
constexpr double kEnthalpyPerMoisture = 2.525252525;  // kJ/kg per g/kg
constexpr double kVolumeMoisture = 0.4854368;         // °C per g/kg
constexpr double kVolumeOffset = 270.5;               // °C
constexpr double kOneOver350 = 1.0 / 350.0;           // m³/kg per °C
constexpr double kKiloPascalPerGramPerKilogram = 0.16;

// Factors of the dew point's vapour pressure between these are taken as they are; see there.
constexpr double kSmallestPlainFactor = 0x1p-500;
constexpr double kLargestPlainFactor = 0x1p500;

// x as m × 2^e with m between 0.5 and 1, adding e to exponent; 0, infinities and NaN as they
// are.
double TakeOutPowerOfTwo(double x, int& exponent) {
  if (x == 0.0 || !std::isfinite(x)) return x;
  int power = 0;
  const double mantissa = std::frexp(x, &power);
  exponent += power;
  return mantissa;
}

// Moistures and pressures within 2^±500, where DewPoint needs no care for the ends of the
// double range.
bool OnTheChartScale(double moisture, double pressure) {
  return moisture >= kSmallestPlainFactor && moisture <= kLargestPlainFactor &&
         pressure >= kSmallestPlainFactor && pressure <= kLargestPlainFactor;
}

double DewPointAnywhere(double moisture, double pressure);

// The formulas, once for products by splitting and once for fused multiply-adds (kFused).
template <bool kFused>
struct Formulas {
  // Saturation vapour pressure (mmHg) at shifted = dry bulb + 235 (°C): 2^(A' − B' / shifted),
  // the exponent taken in steps of 1/128 (A' and B' scaled exactly by 128). The quotient's
  // remainder, B' − q × shifted, is found beside the power's polynomial and joins it at the end.
  HYGROVIA_FORMULA static double SaturationPressure(DoubleDouble shifted) {
    const double quotient = kAntoineStepsB.hi / shifted.hi;
    const DoubleDouble product = TwoProduct<kFused>(quotient, shifted.hi);
    const double remainder = (((kAntoineStepsB.hi - product.hi) - product.lo) + kAntoineStepsB.lo) -
                             quotient * shifted.lo;
    // remainder / shifted, to far more bits than it needs, by a product.
    const double quotientLow = remainder * (quotient * kOneOverAntoineStepsB);
    const DoubleDouble exponent = TwoSum(kAntoineStepsA.hi, -quotient);
    return PowerOfTwoSteps({exponent.hi, exponent.lo + (kAntoineStepsA.lo - quotientLow)});
  }

  HYGROVIA_FORMULA static DoubleDouble Shifted(double dryBulb) {
    // Exact for dry bulbs up to 235 °C, and about 104 bits above.
    return QuickTwoSum(kAntoineC, std::min(dryBulb, kLargestDryBulb));
  }

  HYGROVIA_FORMULA static double SaturationMoisture(double dryBulb, double pressure, double floor,
                                                    double ceiling) {
    const DoubleDouble shifted = Shifted(dryBulb);
    // At and below -195 °C the formula gives less than 1e-35 g/kg at the chart's pressures, so
    // the floor stands in for it there, and for the meaningless region at and below -235 °C.
    if (!(shifted.hi > kFloorShiftedDryBulb)) return floor;
    // Above -195 °C the saturation pressure exceeds 2.7e-36 mmHg, so a barometric pressure
    // below this one (or NaN) leaves nothing for the dry air.
    if (!(pressure > kSmallestPressure)) return ceiling;
    const double vapour = SaturationPressure(shifted);  // mmHg
    const DoubleDouble barometric =
        TwoProduct<kFused>(kMmHgPerKiloPascal, std::min(pressure, kLargestPressure));  // mmHg
    // Exact wherever the barometric pressure is the larger, the only case that counts.
    const DoubleDouble restHead = QuickTwoSum(barometric.hi, -vapour);
    const DoubleDouble rest = {restHead.hi, restHead.lo + barometric.lo};
    if (!(rest.hi + rest.lo > 0.0)) return ceiling;
    // 622 × pv / rest: the quotient of the leading parts, correctly rounded, and the first-order
    // share of the low parts, which near boiling carry the rounding of 7.5 × P.
    const DoubleDouble numerator = TwoProduct<kFused>(kMolarMassRatio, vapour);
    const double quotient = numerator.hi / rest.hi;
    const double reciprocal = 1.0 / rest.hi;
    const double moisture = quotient + (numerator.lo - quotient * rest.lo) * reciprocal;
    if (!(moisture < ceiling)) return ceiling;
    if (!(moisture > floor)) return floor;
    return moisture;
  }

  // Dew point (°C) of the binary logarithm of the vapour pressure (mmHg): the Antoine equation
  // solved for the temperature, B' / (A' − log2(pv)) − C, taken as (B' − C × d) / d with
  // d = A' − log2(pv): the quotient is the dew point itself, so its rounding is one of the dew
  // point's own last place, not of dew point + 235. The fast two-sum is exact for logarithms up
  // to 2A' (any vapour pressure of a chart) and keeps about 104 bits below −A' (vapour
  // pressures under 1e-8 mmHg).
  HYGROVIA_FORMULA static double DewPointOfLogarithm(DoubleDouble logarithm) {
    const DoubleDouble head = QuickTwoSum(kAntoineBinaryA.hi, -logarithm.hi);
    const DoubleDouble divisor = {head.hi, head.lo + (kAntoineBinaryA.lo - logarithm.lo)};
    // B' − C × d, exactly but for the last low part: the leading parts cancel exactly where
    // C × d lies within a factor 2 of B', as it does for dew points from -117 °C up.
    const DoubleDouble shift = TwoProduct<kFused>(kAntoineC, divisor.hi);
    const DoubleDouble numeratorHead = TwoSum(kAntoineBinaryB.hi, -shift.hi);
    const DoubleDouble numerator = {
        numeratorHead.hi,
        numeratorHead.lo + ((kAntoineBinaryB.lo - shift.lo) - kAntoineC * divisor.lo)};
    // The quotient of the leading parts, correctly rounded, and the first-order share of the
    // low parts.
    const double quotient = numerator.hi / divisor.hi;
    const double reciprocal = 1.0 / divisor.hi;
    return Rounded({quotient, (numerator.lo - quotient * divisor.lo) * reciprocal});
  }

  // The vapour pressure (mmHg) is 7.5 × P × w / (622 + w); for moistures and pressures within
  // 2^±500 every step is a normal double.
  HYGROVIA_FORMULA static double DewPoint(double moisture, double pressure) {
    // Exact for moistures up to 1244 g/kg.
    const DoubleDouble divisor = QuickTwoSum(kMolarMassRatio, moisture);
    const DoubleDouble numerator =
        Product<kFused>(TwoProduct<kFused>(kMmHgPerKiloPascal, pressure), moisture);
    return DewPointOfLogarithm(BinaryLogarithm(Quotient<kFused>(numerator, divisor)));
  }

  // DewPoint for any moisture and pressure.
  static double DewPointAnywhere(double absHumidity, double pressure) {
    const DoubleDouble divisor = TwoSum(absHumidity, kMolarMassRatio);
    // Only a moisture of exactly -622 g/kg makes the divisor 0; its vapour pressure, and that
    // of an infinite or NaN moisture, reads as 0.
    if (divisor.hi == 0.0 || !std::isfinite(absHumidity)) return DewPointOfLogarithm({});
    // A tiny moisture, or a pressure far from 1 kPa (far beyond the chart's) or infinite, gives
    // up its power of two to the logarithm, so that no step overflows or loses digits below
    // the normal doubles.
    int exponent = 0;
    const double moisture = std::fabs(absHumidity) < kSmallestPlainFactor
                                ? TakeOutPowerOfTwo(absHumidity, exponent)
                                : absHumidity;
    const double barometric =
        std::fabs(pressure) > kSmallestPlainFactor && std::fabs(pressure) < kLargestPlainFactor
            ? pressure
            : TakeOutPowerOfTwo(pressure, exponent);
    const DoubleDouble vapour = Product<kFused>(Quotient<kFused>({moisture, 0.0}, divisor),
                                                TwoProduct<kFused>(kMmHgPerKiloPascal, barometric));
    if (!(vapour.hi > 0.0)) return DewPointOfLogarithm({});
    // An infinite vapour pressure has an infinite logarithm: B' / −∞ − C.
    if (std::isinf(vapour.hi)) return -kAntoineC;
    const DoubleDouble logarithm = BinaryLogarithm(Normalized(vapour));
    return DewPointOfLogarithm(Sum(logarithm, static_cast<double>(exponent)));
  }

  HYGROVIA_FORMULA static DoubleDouble WetBulbLine(double dryBulb, double moisture) {
    return Normalized(Sum(TwoProduct<kFused>(kWetBulbSlope, moisture), dryBulb));
  }

  // The fields of a state whose moisture is at most its saturation moisture. Enthalpy is a sum
  // that can cancel, so it is held in double-double; the others are a product or a quotient of
  // positive numbers, whose double arithmetic is already within a unit or two in the last
  // place of the extended result.
  HYGROVIA_FORMULA static StateFields Fields(double dryBulb, double moisture, double relHumidity,
                                             double dewPoint) {
    StateFields fields;
    fields.absHumidity = moisture;
    fields.relHumidity = relHumidity;
    fields.vapPressure = kKiloPascalPerGramPerKilogram * moisture;
    fields.volume = (dryBulb + kVolumeMoisture * moisture + kVolumeOffset) * kOneOver350;
    fields.dewPoint = dewPoint;
    fields.enthalpy = Rounded(Sum(TwoProduct<kFused>(kEnthalpyPerMoisture, moisture), dryBulb));
    return fields;
  }

  HYGROVIA_FORMULA static StateFields StateOf(double dryBulb, double moisture, double pressure,
                                              double floor, double ceiling) {
    // The dew point of the moisture as given first, the longest of the formulas: it is the
    // state's unless the moisture exceeds saturation, and the processor works out the
    // saturation beside it.
    const double dewPoint = OnTheChartScale(moisture, pressure)
                                ? DewPoint(moisture, pressure)
                                : DewPointAnywhere(moisture, pressure);
    const DoubleDouble shifted = Shifted(dryBulb);
    if (shifted.hi > kFloorShiftedDryBulb && pressure > kSmallestPressure &&
        pressure < kLargestPressure && moisture > kSmallestFastMoisture) [[likely]] {
      // Most states: w × rest < 622 × pv with room for every rounding means the moisture is
      // below the saturation moisture 622 × pv / rest, and a rest above a ninth of pv keeps that
      // below 5598 g/kg, far from its ceiling, so the relative humidity 100 × w / ws needs no
      // wait for the quotient: 100 × w × rest / (622 × pv).
      const double vapour = SaturationPressure(shifted);
      const DoubleDouble barometric = TwoProduct<kFused>(kMmHgPerKiloPascal, pressure);
      const double rest = (barometric.hi - vapour) + barometric.lo;  // within an ulp
      const double share = moisture * rest;
      const double whole = kMolarMassRatio * vapour;
      if (rest * 9.0 > vapour && share < whole * kBelowSaturation) [[likely]] {
        return Fields(dryBulb, moisture, share / (vapour * kMolarMassPercent), dewPoint);
      }
    }
    const double saturation = SaturationMoisture(dryBulb, pressure, floor, ceiling);
    if (moisture < saturation)
      return Fields(dryBulb, moisture, moisture / saturation * 100.0, dewPoint);
    // Saturated air is at its dew point; the inverse formula may miss it by the last bits.
    return Fields(dryBulb, saturation, 100.0, dryBulb);
  }
};

using Portable = Formulas<kBuiltWithFma>;
using Split = Formulas<false>;

[[gnu::noinline]] double DewPointAnywhere(double moisture, double pressure) {
  return Portable::DewPointAnywhere(moisture, pressure);
}

#ifdef HYGROVIA_CHOOSE_FMA
using Fused = Formulas<true>;
const bool kProcessorHasFma = [] {
  __builtin_cpu_init();
  return __builtin_cpu_supports("fma") != 0;
}();

HYGROVIA_WITH_FMA double SaturationMoistureFused(double dryBulb, double pressure, double floor,
                                                 double ceiling) {
  return Fused::SaturationMoisture(dryBulb, pressure, floor, ceiling);
}
HYGROVIA_WITH_FMA double DewPointFused(double moisture, double pressure) {
  return Fused::DewPoint(moisture, pressure);
}
HYGROVIA_WITH_FMA DoubleDouble WetBulbLineFused(double dryBulb, double moisture) {
  return Fused::WetBulbLine(dryBulb, moisture);
}
HYGROVIA_WITH_FMA StateFields StateOfFused(double dryBulb, double moisture, double pressure,
                                           double floor, double ceiling) {
  return Fused::StateOf(dryBulb, moisture, pressure, floor, ceiling);
}
#endif

}  // namespace

double SaturationMoisture(double dryBulb, double pressure, double floor, double ceiling) {
#ifdef HYGROVIA_CHOOSE_FMA
  if (kProcessorHasFma) return SaturationMoistureFused(dryBulb, pressure, floor, ceiling);
#endif
  return Portable::SaturationMoisture(dryBulb, pressure, floor, ceiling);
}

double DewPoint(double moisture, double pressure) {
  if (!OnTheChartScale(moisture, pressure)) [[unlikely]] {
    return DewPointAnywhere(moisture, pressure);
  }
#ifdef HYGROVIA_CHOOSE_FMA
  if (kProcessorHasFma) return DewPointFused(moisture, pressure);
#endif
  return Portable::DewPoint(moisture, pressure);
}

DoubleDouble WetBulbLine(double dryBulb, double moisture) {
#ifdef HYGROVIA_CHOOSE_FMA
  if (kProcessorHasFma) return WetBulbLineFused(dryBulb, moisture);
#endif
  return Portable::WetBulbLine(dryBulb, moisture);
}

double RelativeHumidity(double moisture, double saturation) {
  return moisture / saturation * 100.0;
}

double MoistureOfRelativeHumidity(double relHumidity, double saturation) {
  return Rounded(Product(Product(kOneHundredth, relHumidity), saturation));
}

StateFields StateOf(double dryBulb, double moisture, double pressure, double floor,
                    double ceiling) {
#ifdef HYGROVIA_CHOOSE_FMA
  if (kProcessorHasFma) return StateOfFused(dryBulb, moisture, pressure, floor, ceiling);
#endif
  return Portable::StateOf(dryBulb, moisture, pressure, floor, ceiling);
}

namespace portable {

double SaturationMoisture(double dryBulb, double pressure, double floor, double ceiling) {
  return Split::SaturationMoisture(dryBulb, pressure, floor, ceiling);
}

double DewPoint(double moisture, double pressure) {
  if (!OnTheChartScale(moisture, pressure)) return Split::DewPointAnywhere(moisture, pressure);
  return Split::DewPoint(moisture, pressure);
}

DoubleDouble WetBulbLine(double dryBulb, double moisture) {
  return Split::WetBulbLine(dryBulb, moisture);
}

StateFields StateOf(double dryBulb, double moisture, double pressure, double floor,
                    double ceiling) {
  return Split::StateOf(dryBulb, moisture, pressure, floor, ceiling);
}

}  // namespace portable

}  // namespace hygrovia::chart_formulas
