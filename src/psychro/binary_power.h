#ifndef HYGROVIA_PSYCHRO_BINARY_POWER_H
#define HYGROVIA_PSYCHRO_BINARY_POWER_H

#include <array>
#include <bit>
#include <cstdint>

#include "psychro/double_double.h"

namespace hygrovia {

// 2^x and log2(x) in double arithmetic alone, so that they give the same bits with every
// compiler and C library, which the C library's exp2 and log2 do not promise. Both split the
// argument at one of 128 points in each octave, take the point's value from a table
// and the small rest from a short Taylor polynomial. The tables and coefficients are computed
// at compile time in double-double arithmetic from the series of ln and exp, so no constant
// here is typed in.

namespace binary_power_detail {

inline constexpr int kTableBits = 7;
inline constexpr int kTableSize = 1 << kTableBits;

// ln(a / b) for a > b > 0 whose difference and sum are exact doubles: 2 atanh(z) =
// 2 (z + z³/3 + z⁵/5 + …) with z = (a − b) / (a + b), summed until the terms fall below
// 2^-110 of the sum.
constexpr DoubleDouble LogOfRatio(double a, double b) {
  const DoubleDouble z = Normalized(Quotient({a - b, 0.0}, {a + b, 0.0}));
  const DoubleDouble square = Normalized(Product(z, z));
  DoubleDouble power = z;
  DoubleDouble sum = z;
  for (int k = 3; k < 1000; k += 2) {
    power = Normalized(Product(power, square));
    const DoubleDouble term = Normalized(Quotient(power, {static_cast<double>(k), 0.0}));
    if (!(term.hi > 0x1p-110 * sum.hi)) break;
    sum = Normalized(Sum(sum, term));
  }
  return {2.0 * sum.hi, 2.0 * sum.lo};
}

// e^y for |y| below 1/64: 1 + y + y²/2! + …, summed until the terms fall below 2^-110.
constexpr DoubleDouble ExpOfSmall(DoubleDouble y) {
  DoubleDouble term{1.0, 0.0};
  DoubleDouble sum{1.0, 0.0};
  for (int k = 1; k < 100; ++k) {
    term = Normalized(Quotient(Product(term, y), {static_cast<double>(k), 0.0}));
    if (!(term.hi > 0x1p-110 || term.hi < -0x1p-110)) break;
    sum = Normalized(Sum(sum, term));
  }
  return sum;
}

inline constexpr DoubleDouble kLn2 = LogOfRatio(2.0, 1.0);

// 2^(i / kTableSize) for i from 0 to kTableSize − 1.
inline constexpr auto kPowers = [] {
  const DoubleDouble step = ExpOfSmall(Quotient(kLn2, {kTableSize, 0.0}));
  std::array<DoubleDouble, kTableSize> powers{};
  powers[0] = {1.0, 0.0};
  for (int i = 1; i < kTableSize; ++i) powers[i] = Normalized(Product(powers[i - 1], step));
  return powers;
}();

// The coefficients of 2^r − 1 = Σ (r ln 2)^k / k! up to r⁵: for |r| ≤ 1/256 the rest is below
// 2^-61.
inline constexpr auto kPowerSeries = [] {
  std::array<double, 6> coefficients{};
  DoubleDouble term{1.0, 0.0};
  for (int k = 1; k < 6; ++k) {
    term = Normalized(Quotient(Product(term, kLn2), {static_cast<double>(k), 0.0}));
    coefficients[k] = term.hi;
  }
  return coefficients;
}();

// The same coefficients for r in steps of 1/kTableSize: c_k / kTableSize^k, exact scalings.
inline constexpr auto kStepSeries = [] {
  std::array<double, 6> coefficients{};
  double scale = 1.0;
  for (int k = 1; k < 6; ++k) {
    scale /= kTableSize;
    coefficients[k] = kPowerSeries[k] * scale;
  }
  return coefficients;
}();

// The octave of the logarithm's argument cut into kTableSize pieces: each piece's centre, its
// reciprocal and its base-2 logarithm.
struct LogPiece {
  double centre = 0.0;
  double reciprocal = 0.0;
  DoubleDouble logarithm;
};

// For the piece from 1 + i / kTableSize to 1 + (i + 1) / kTableSize; each logarithm is the
// last one plus the logarithm of the ratio of neighbouring centres, a fast series.
inline constexpr auto kLogPieces = [] {
  std::array<LogPiece, kTableSize> pieces{};
  double previous = 1.0;
  DoubleDouble naturalLog{0.0, 0.0};
  for (int i = 0; i < kTableSize; ++i) {
    const double centre = 1.0 + (i + 0.5) / kTableSize;
    naturalLog = Normalized(Sum(naturalLog, LogOfRatio(centre, previous)));
    pieces[i] = {centre, 1.0 / centre, Normalized(Quotient(naturalLog, kLn2))};
    previous = centre;
  }
  return pieces;
}();

// The coefficients of log2(1 + u) = (u − u²/2 + u³/3 − …) / ln 2 up to u⁶: for
// |u| ≤ 1/256 the rest is below 2^-58.
inline constexpr auto kLogSeries = [] {
  std::array<double, 7> coefficients{};
  for (int k = 1; k < 7; ++k) {
    const double sign = k % 2 == 1 ? 1.0 : -1.0;
    coefficients[k] = Quotient({sign, 0.0}, Product(kLn2, static_cast<double>(k))).hi;
  }
  return coefficients;
}();

}  // namespace binary_power_detail

// log2(10) in double-double.
inline constexpr DoubleDouble kBinaryLogOfTen = Normalized(
    Sum(Quotient(binary_power_detail::LogOfRatio(5.0, 4.0), binary_power_detail::kLn2), 3.0));

// 2^(x / 128) for x = hi + lo (lo below an ulp of hi), within about half an ulp; hi between
// -128000 and 128000, where the power is a normal double. Dimensionless. Taking the exponent in
// steps of 1/128 saves the scaling of the argument to find its table entry. The low part enters
// at the end, as 2^(lo / 128) = 1 + lo × ln 2 / 128, so that the polynomial need not wait for
// it, and the power of two of the whole steps goes into the table's entry while the polynomial
// runs.
inline double PowerOfTwoSteps(DoubleDouble x) {
  using namespace binary_power_detail;
  // Adding and taking away 1.5 × 2^52 rounds to the nearest integer without a call into the C
  // library where the instruction set has no rounding instruction.
  constexpr double kRounder = 0x1.8p52;
  const double whole = (x.hi + kRounder) - kRounder;
  const double rest = x.hi - whole;  // exact, at most 1/2
  const auto index = static_cast<std::int64_t>(whole);
  const DoubleDouble& power = kPowers[static_cast<std::size_t>(index & (kTableSize - 1))];
  const auto exponent = static_cast<std::uint64_t>(index >> kTableBits);
  const double high =
      std::bit_cast<double>(std::bit_cast<std::uint64_t>(power.hi) + (exponent << 52));
  const double low = power.lo * std::bit_cast<double>((exponent + 1023) << 52);
  const auto& c = kStepSeries;
  const double square = rest * rest;
  const double series = (rest * (c[1] + c[2] * rest) + x.lo * c[1]) +
                        square * rest * (c[3] + c[4] * rest + c[5] * square);
  return high + (high * series + low);
}

// log2(x) for x = hi + lo (lo below an ulp of hi), hi between 2^-1000 and 2^1000, in
// double-double, within about 2^-58 (absolute). Dimensionless.
inline DoubleDouble BinaryLogarithm(DoubleDouble x) {
  using namespace binary_power_detail;
  constexpr std::uint64_t kMantissaBits = (std::uint64_t{1} << 52) - 1;
  constexpr std::uint64_t kExponentOfOne = std::uint64_t{1023} << 52;
  const auto bits = std::bit_cast<std::uint64_t>(x.hi);
  const auto biasedExponent = bits >> 52;
  const LogPiece& piece = kLogPieces[(bits >> (52 - kTableBits)) & (kTableSize - 1)];
  const double mantissa = std::bit_cast<double>((bits & kMantissaBits) | kExponentOfOne);
  // The difference is exact: both lie in the same piece of the octave.
  const double u = (mantissa - piece.centre) * piece.reciprocal;
  // lo on the mantissa's scale, exactly (times 2^-exponent), joins as the first term of its
  // series, log2(1 + lo') = lo' / ln 2, after the polynomial rather than before it.
  const double low = x.lo * std::bit_cast<double>((2046 - biasedExponent) << 52);
  const auto& c = kLogSeries;
  const double square = u * u;
  const double series = (u * (c[1] + c[2] * u) + low * piece.reciprocal * c[1]) +
                        square * u * ((c[3] + c[4] * u) + square * (c[5] + c[6] * u));
  const auto exponent = static_cast<double>(static_cast<std::int64_t>(biasedExponent) - 1023);
  // Fast two-sums suffice: the exponent is 0 or outweighs the piece's logarithm, and the head
  // outweighs the series, which stays within half a piece.
  const DoubleDouble head = QuickTwoSum(exponent, piece.logarithm.hi);
  const DoubleDouble sum = QuickTwoSum(head.hi, series);
  return {sum.hi, sum.lo + (head.lo + piece.logarithm.lo)};
}

}  // namespace hygrovia

#endif  // HYGROVIA_PSYCHRO_BINARY_POWER_H
