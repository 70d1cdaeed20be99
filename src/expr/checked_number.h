#ifndef HYGROVIA_EXPR_CHECKED_NUMBER_H
#define HYGROVIA_EXPR_CHECKED_NUMBER_H

#include <string_view>

#include "base/result.h"

namespace hygrovia {

class ExpressionEvaluator;

// Why a text that evaluates has no value a field can hold: the result is infinite, not a
// number, or beyond the float range the chart keeps its values in.
inline constexpr std::string_view kNotFiniteText = "Not a finite number.";

// The one reading of a typed number for every field of every window that applies nothing
// from a mistake: the value when the text evaluates to a finite number within the float
// range, otherwise the evaluator's error text or kNotFiniteText.
Result<double> CheckNumber(ExpressionEvaluator& evaluator, std::string_view text);

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_CHECKED_NUMBER_H
