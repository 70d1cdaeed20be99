#ifndef HYGROVIA_EXPR_CHECKED_NUMBER_H
#define HYGROVIA_EXPR_CHECKED_NUMBER_H

#include <string_view>

#include "base/result.h"

namespace hygrovia {

class ExpressionEvaluator;

// A field's text read as an expression, for editors that apply nothing from a mistake: the
// value when the text evaluates to a finite number, otherwise the evaluator's error text or
// that the result is no finite number.
Result<double> CheckNumber(ExpressionEvaluator& evaluator, std::string_view text);

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_CHECKED_NUMBER_H
