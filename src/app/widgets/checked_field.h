#ifndef HYGROVIA_APP_WIDGETS_CHECKED_FIELD_H
#define HYGROVIA_APP_WIDGETS_CHECKED_FIELD_H

#include <QString>

#include "expr/checked_number.h"

namespace hygrovia {

class ExpressionEvaluator;

// A field's text read as an expression, refused rather than read as 0 when it is a mistake.
// The text is taken as 8-bit characters as the dialogs' fields take it: a character outside
// Latin-1 is one no expression can hold.
Result<double> CheckText(ExpressionEvaluator& evaluator, const QString& text);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_CHECKED_FIELD_H
