#include "expr/number_field.h"

#include <cmath>
#include <limits>

#include "base/number_text.h"
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

Result<float> ReadCheckedNumber(ExpressionEvaluator& evaluator, std::string_view text) {
  const Result<double> checked = CheckNumber(evaluator, text);
  if (!checked) return Failed(checked.Message());
  return static_cast<float>(*checked);
}

std::string ValuePreview(std::string_view text, const Result<float>& reading,
                         std::string_view format) {
  if (!reading) return reading.Message();
  // A plain number, blanks around it allowed, needs no second showing.
  const std::optional<ParsedNumber> number = ParseNumber(text);
  if (number && text.find_first_not_of(" \t", number->length) == std::string_view::npos &&
      static_cast<float>(number->value) == *reading) {
    return {};
  }
  return "= " + FormatText(format, static_cast<double>(*reading));
}

std::string WriteNumber(std::string_view format, float value) {
  std::string text = FormatText(format, static_cast<double>(value));
  if (text.size() > WorkingText::kCapacity) text.resize(WorkingText::kCapacity);
  return text;
}

}  // namespace hygrovia
