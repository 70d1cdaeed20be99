#ifndef HYGROVIA_EXPR_EXPRESSION_FUNCTIONS_H
#define HYGROVIA_EXPR_EXPRESSION_FUNCTIONS_H

#include <span>
#include <string_view>

namespace hygrovia {

// A one-argument function that expressions may call, such as SQRT(2). Angles are radians.
struct ExpressionFunction {
  std::string_view Name;
  double (*Apply)(double);
};

// The twenty functions, in the order the tokenizer tries their names: every name comes
// before any shorter name that is a prefix of it (COSH before COS), so the longest wins.
//
// Where a result can be undefined the functions choose a value:
// - LOG, LN and SQRT give the argument back unchanged when it is not above 0.
// - ROUND (x + 0.5) and TRUNC cut toward zero to a 32-bit signed integer and saturate at
//   its ends, so a huge or infinite argument gives -2147483648 or 2147483647, and NaN gives 0.
// - TAN is the plain tangent everywhere: no double lies exactly on a pole, and next to one
//   the tangent is large but finite (about 1.6E16 at PI/2).
// Other domain and range faults (ACOS(2), EXP(1000)) give the quiet NaN or infinity of the
// C library; callers that need a finite number check for it.
std::span<const ExpressionFunction> ExpressionFunctions();

// The function called name applied to x; x unchanged when no function has that name.
double ApplyFunction(std::string_view name, double x);

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_EXPRESSION_FUNCTIONS_H
