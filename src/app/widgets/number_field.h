#ifndef HYGROVIA_APP_WIDGETS_NUMBER_FIELD_H
#define HYGROVIA_APP_WIDGETS_NUMBER_FIELD_H

#include <string_view>

class QLineEdit;

namespace hygrovia {

class ExpressionEvaluator;

// The numeric entry fields of the dialogs: line edits whose text is read as an expression
// and written with a printf format, through the core's ReadNumber and WriteNumber. The text
// is taken as 8-bit characters; a character outside Latin-1 reads as one the expression
// cannot contain, so the field reads as 0.

// The field's text evaluated as an expression; 0 when it cannot be evaluated. The field
// keeps its text.
float ReadNumber(ExpressionEvaluator& evaluator, const QLineEdit& field);

// Replaces the field's whole text with value formatted by format ("%0.1f", "%0.2f",
// "%0.3f").
void WriteNumber(QLineEdit& field, std::string_view format, float value);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_NUMBER_FIELD_H
