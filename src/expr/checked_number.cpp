#include "expr/checked_number.h"

#include <cmath>

#include "expr/expression_evaluator.h"

namespace hygrovia {

Result<double> CheckNumber(ExpressionEvaluator& evaluator, std::string_view text) {
  const double value = evaluator.Evaluate(text);
  if (evaluator.Error() != ExpressionError::None) {
    return Failed(std::string(evaluator.ErrorText()));
  }
  if (!std::isfinite(value)) return Failed("The result is not a finite number.");
  return value;
}

}  // namespace hygrovia
