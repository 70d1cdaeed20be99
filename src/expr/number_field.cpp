#include "expr/number_field.h"

#include <cmath>
#include <limits>

#include "chart/number_text.h"
#include "expr/working_text.h"

namespace hygrovia {
namespace {

// The float nearest to value; beyond the float range the infinity of its sign.
float NarrowToFloat(double value) {
  if (std::fabs(value) > std::numeric_limits<float>::max()) {
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    return value > 0.0 ? kInfinity : -kInfinity;
  }
  return static_cast<float>(value);
}

}  // namespace

float ReadNumber(ExpressionEvaluator& evaluator, std::string_view text) {
  const double value = evaluator.Evaluate(text);
  if (std::isnan(value)) return 0.0f;
  return NarrowToFloat(value);
}

std::string WriteNumber(std::string_view format, float value) {
  std::string text = FormatText(format, static_cast<double>(value));
  if (text.size() > WorkingText::kCapacity) text.resize(WorkingText::kCapacity);
  return text;
}

}  // namespace hygrovia
