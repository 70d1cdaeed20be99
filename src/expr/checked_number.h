#ifndef HYGROVIA_EXPR_CHECKED_NUMBER_H
#define HYGROVIA_EXPR_CHECKED_NUMBER_H

#include <string>
#include <string_view>

namespace hygrovia {

class ExpressionEvaluator;

// A field's text read as an expression, for editors that apply nothing from a mistake: the
// value when the text evaluates to a finite number, otherwise why not.
struct CheckedNumber {
  bool Ok = false;
  double Value = 0.0;
  std::string Message;  // the evaluator's error text, or that the result is no finite number
};

CheckedNumber CheckNumber(ExpressionEvaluator& evaluator, std::string_view text);

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_CHECKED_NUMBER_H
