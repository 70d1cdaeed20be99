// Feeds arbitrary bytes to the expression evaluator and the numeric entry field reader.
// Beyond the sanitizers' checks it traps when a failed evaluation gives anything but 0,
// when the same text evaluates differently twice, or when a field reads as NaN.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "expr/expression_evaluator.h"
#include "expr/number_field.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  hygrovia::ExpressionEvaluator evaluator;
  const double value = evaluator.Evaluate(text);
  const hygrovia::ExpressionError error = evaluator.Error();
  if (error != hygrovia::ExpressionError::None && value != 0.0) __builtin_trap();
  const double again = evaluator.Evaluate(text);
  if (evaluator.Error() != error) __builtin_trap();
  if (std::memcmp(&value, &again, sizeof value) != 0) __builtin_trap();
  if (std::isnan(hygrovia::ReadNumber(evaluator, text))) __builtin_trap();
  return 0;
}
