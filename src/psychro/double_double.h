#ifndef HYGROVIA_PSYCHRO_DOUBLE_DOUBLE_H
#define HYGROVIA_PSYCHRO_DOUBLE_DOUBLE_H

#include <bit>
#include <cmath>
#include <cstdint>
#include <type_traits>

namespace hygrovia {

// Extended precision in double arithmetic alone: a number held as the unevaluated sum hi + lo
// of two doubles, hi the leading part, about 104 significant bits. Sums and products start from
// error-free transformations (Knuth's two-sum, Dekker's product, or a fused multiply-add where
// the instruction set has one); every step is IEEE double arithmetic, so the results are the
// same bit for bit with every compiler and processor, unlike long double, which is 64
// significant bits on x87, 113 in software on some processors and plain double with
// Microsoft's compiler. Operands are meant to be finite; near the ends of the double range the
// low parts lose their digits.
//
// The sources using it are compiled without contraction of products and sums into fused
// multiply-adds, which would change these results.
struct DoubleDouble {
  double hi = 0.0;
  double lo = 0.0;
};

// a + b exactly, for any finite a and b (Knuth).
constexpr DoubleDouble TwoSum(double a, double b) {
  const double sum = a + b;
  const double bPart = sum - a;
  return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// a + b exactly, where |a| >= |b| or a is 0 (Dekker's fast two-sum).
constexpr DoubleDouble QuickTwoSum(double a, double b) {
  const double sum = a + b;
  return {sum, b - (sum - a)};
}

namespace double_double_detail {

// Splitting is exact for factors below 2^995 in magnitude, so that nothing overflows, and
// products of at least 2^-969, so that no partial product falls below the normal doubles.
inline constexpr double kLargestSplitFactor = 0x1p995;
inline constexpr double kSmallestSplitProduct = 0x1p-969;

constexpr bool WithinSplitRange(double a, double b, double product) {
  return a < kLargestSplitFactor && a > -kLargestSplitFactor && b < kLargestSplitFactor &&
         b > -kLargestSplitFactor &&
         (product >= kSmallestSplitProduct || product <= -kSmallestSplitProduct);
}

// a × b − round(a × b) by Veltkamp's splitting of each factor into two halves of 26 bits, whose
// four partial products are exact.
constexpr double ProductErrorBySplitting(double a, double b, double product) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double aScaled = kSplitter * a;
  const double aHigh = aScaled - (aScaled - a);
  const double aLow = a - aHigh;
  const double bScaled = kSplitter * b;
  const double bHigh = bScaled - (bScaled - b);
  const double bLow = b - bHigh;
  return ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
}

}  // namespace double_double_detail

// a × b as its rounded value and its rounding error, exact wherever the error is a double
// (Dekker). With kFused, for code compiled for a processor with a fused multiply-add, the error
// is fma(a, b, −a × b); otherwise it comes from splitting where that is exact, and from the C
// library's fma elsewhere (zeros, infinities, products near the ends of the double range), so
// that both give the same bits for any a and b: the choice changes the speed, never the result.
template <bool kFused = false>
constexpr DoubleDouble TwoProduct(double a, double b) {
  const double product = a * b;
  if (std::is_constant_evaluated()) {
    return {product, double_double_detail::ProductErrorBySplitting(a, b, product)};
  }
  if (kFused || !double_double_detail::WithinSplitRange(a, b, product)) {
    return {product, std::fma(a, b, -product)};
  }
  return {product, double_double_detail::ProductErrorBySplitting(a, b, product)};
}

// The double nearest to a.hi + a.lo, where a.lo is below an ulp of a.hi; an infinite or NaN hi
// as it is, whatever the low part became.
constexpr double Rounded(DoubleDouble a) { return a.hi - a.hi == 0.0 ? a.hi + a.lo : a.hi; }

// a as the double nearest to it and the rest.
constexpr DoubleDouble Normalized(DoubleDouble a) { return QuickTwoSum(a.hi, a.lo); }

// The sums and products below leave the low part unnormalized, up to a few ulps of hi, which
// the next step takes as it is; hi is then within an ulp of the double nearest to the value.
// They hold about 104 bits, except a sum of two numbers in two parts that nearly cancel.

constexpr DoubleDouble Sum(DoubleDouble a, double b) {
  const DoubleDouble sum = TwoSum(a.hi, b);
  return {sum.hi, sum.lo + a.lo};
}

constexpr DoubleDouble Sum(DoubleDouble a, DoubleDouble b) {
  const DoubleDouble sum = TwoSum(a.hi, b.hi);
  return {sum.hi, sum.lo + (a.lo + b.lo)};
}

constexpr DoubleDouble Difference(DoubleDouble a, DoubleDouble b) {
  return Sum(a, DoubleDouble{-b.hi, -b.lo});
}

template <bool kFused = false>
constexpr DoubleDouble Product(DoubleDouble a, double b) {
  const DoubleDouble product = TwoProduct<kFused>(a.hi, b);
  return {product.hi, product.lo + a.lo * b};
}

template <bool kFused = false>
constexpr DoubleDouble Product(DoubleDouble a, DoubleDouble b) {
  const DoubleDouble product = TwoProduct<kFused>(a.hi, b.hi);
  return {product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi)};
}

// n / d: q = n × (1 / d), within about an ulp, corrected by (n − q × d) / d, whose remainder
// the error-free product gives exactly; one division. For finite n and d, d not 0 and 1 / d a
// normal double.
template <bool kFused = false>
constexpr DoubleDouble Quotient(DoubleDouble n, DoubleDouble d) {
  const double reciprocal = 1.0 / d.hi;
  const double quotient = n.hi * reciprocal;
  const DoubleDouble product = TwoProduct<kFused>(quotient, d.hi);
  const double remainder = ((n.hi - product.hi) - product.lo) + (n.lo - quotient * d.lo);
  return {quotient, remainder * reciprocal};
}

// The float nearest to a normalized hi + lo. Rounding hi alone rounds twice, which is wrong only
// where hi lies exactly halfway between two floats; there lo decides the direction.
inline float ToFloat(DoubleDouble a) {
  constexpr std::uint64_t kBelowFloat = (std::uint64_t{1} << 29) - 1;  // bits a float drops
  constexpr std::uint64_t kHalfway = std::uint64_t{1} << 28;
  const auto bits = std::bit_cast<std::uint64_t>(a.hi);
  if ((bits & kBelowFloat) != kHalfway || a.lo == 0.0) [[likely]] {
    return static_cast<float>(a.hi);
  }
  // A step away from zero when lo has hi's sign, towards it otherwise, decides the tie.
  const auto stepped = (a.lo > 0.0) == (a.hi > 0.0) ? bits + 1 : bits - 1;
  return static_cast<float>(std::bit_cast<double>(stepped));
}

}  // namespace hygrovia

#endif  // HYGROVIA_PSYCHRO_DOUBLE_DOUBLE_H
