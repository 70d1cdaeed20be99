#include "expr/checked_number.h"

#include <cmath>
#include <limits>
#include <string>

#include "expr/expression_evaluator.h"

namespace hygrovia {

Result<double> CheckNumber(ExpressionEvaluator& evaluator, std::string_view text) {
  const double value = evaluator.Evaluate(text);
  if (evaluator.Error() != ExpressionError::None) {
    return Failed(std::string(evaluator.ErrorText()));
  }
  constexpr double kLargest = std::numeric_limits<float>::max();
  if (!std::isfinite(value) || std::fabs(value) > kLargest) {
    return Failed(std::string(kNotFiniteText));
  }
  return value;
}

}  // namespace hygrovia
