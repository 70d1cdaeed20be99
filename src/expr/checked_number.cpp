#include "expr/checked_number.h"

#include <cmath>

#include "expr/expression_evaluator.h"

namespace hygrovia {

CheckedNumber CheckNumber(ExpressionEvaluator& evaluator, std::string_view text) {
  const double value = evaluator.Evaluate(text);
  if (evaluator.Error() != ExpressionError::None) {
    return {false, 0.0, std::string(evaluator.ErrorText())};
  }
  if (!std::isfinite(value)) return {false, 0.0, "The result is not a finite number."};
  return {true, value, {}};
}

}  // namespace hygrovia
