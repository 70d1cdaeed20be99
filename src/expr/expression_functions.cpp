#include "expr/expression_functions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace hygrovia {
namespace {

// x cut toward zero to a 32-bit signed integer, saturating at the ends of its range; NaN
// gives 0. Clamping before the conversion keeps the conversion defined for every double.
double ToInt32(double x) {
  if (std::isnan(x)) return 0.0;
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  return static_cast<double>(static_cast<std::int32_t>(std::clamp(x, kLowest, kHighest)));
}

// Applies f only where the logarithms and the square root are defined; elsewhere the
// argument comes back unchanged.
template <double (*f)(double)>
double WherePositive(double x) {
  return x > 0.0 ? f(x) : x;
}

double Log10(double x) { return std::log10(x); }
double Ln(double x) { return std::log(x); }
double Sqrt(double x) { return std::sqrt(x); }

constexpr std::array<ExpressionFunction, 20> kFunctions{{
    {"ABS", [](double x) { return std::fabs(x); }},
    {"ACOS", [](double x) { return std::acos(x); }},
    {"ASIN", [](double x) { return std::asin(x); }},
    {"ATAN", [](double x) { return std::atan(x); }},
    {"COSH", [](double x) { return std::cosh(x); }},
    {"COS", [](double x) { return std::cos(x); }},
    // DEG and RAD multiply in the order written, which fixes how the last bit rounds.
    {"DEG", [](double x) { return x * (1.0 / std::numbers::pi) * 180.0; }},
    {"EXP", [](double x) { return std::exp(x); }},
    {"LOG", &WherePositive<&Log10>},
    {"LN", &WherePositive<&Ln>},
    {"RAD", [](double x) { return x * (1.0 / 180.0) * std::numbers::pi; }},
    {"ROUND", [](double x) { return ToInt32(x + 0.5); }},
    {"POW10", [](double x) { return std::pow(10.0, x); }},
    {"SINH", [](double x) { return std::sinh(x); }},
    {"SIN", [](double x) { return std::sin(x); }},
    {"SQRT", &WherePositive<&Sqrt>},
    {"SQR", [](double x) { return x * x; }},
    {"TANH", [](double x) { return std::tanh(x); }},
    {"TAN", [](double x) { return std::tan(x); }},
    {"TRUNC", [](double x) { return ToInt32(x); }},
}};

}  // namespace

std::span<const ExpressionFunction> ExpressionFunctions() { return kFunctions; }

double ApplyFunction(std::string_view name, double x) {
  for (const ExpressionFunction& function : kFunctions) {
    if (function.Name == name) return function.Apply(x);
  }
  return x;
}

}  // namespace hygrovia
