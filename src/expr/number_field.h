#ifndef HYGROVIA_EXPR_NUMBER_FIELD_H
#define HYGROVIA_EXPR_NUMBER_FIELD_H

#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "expr/checked_number.h"
#include "expr/expression_evaluator.h"

namespace hygrovia {

// The numbers of the dialogs' entry fields: every field accepts an expression such as
// 25*1.8+32, and the dialogs do no number parsing of their own.

// The value of a field's text as an expression, rounded to a float. A text that cannot be
// evaluated reads as 0, and so does a result that is not a number (SQRT is guarded, but
// ACOS(2) is not), because no caller can use a NaN. Infinities stay, as 1/0 does; a finite
// result beyond the float range becomes the infinity of its sign.
float ReadNumber(ExpressionEvaluator& evaluator, std::string_view text);

// CheckNumber's value rounded to a float.
Result<float> ReadCheckedNumber(ExpressionEvaluator& evaluator, std::string_view text);

// What a field shows beside its text while it is typed: "= " and the value formatted with
// format when the text is more than that number written out (25*1.8+32 gives "= 77.00"),
// the error when it has no value, and nothing when the text is a plain number.
std::string ValuePreview(std::string_view text, const Result<float>& reading,
                         std::string_view format);

// The text a field shows for value: formatted with a printf format ("%0.3f", "%0.1f",
// "%0.2f") with a full stop in every locale, and cut to 79 characters so that ReadNumber
// can read it back.
std::string WriteNumber(std::string_view format, float value);

}  // namespace hygrovia

#endif  // HYGROVIA_EXPR_NUMBER_FIELD_H
