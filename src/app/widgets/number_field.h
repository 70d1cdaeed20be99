#ifndef HYGROVIA_APP_WIDGETS_NUMBER_FIELD_H
#define HYGROVIA_APP_WIDGETS_NUMBER_FIELD_H

#include <string_view>

class QLineEdit;

namespace hygrovia {

class ExpressionEvaluator;

// The numeric entry fields of the windows: line edits written with a printf format through
// the core's WriteNumber, and read through the one checked reading, FieldNumber.

// The field's text as a float when it has a finite value (CheckText); otherwise not a number,
// which every setter refuses. The windows check their fields before they read them.
float FieldNumber(ExpressionEvaluator& evaluator, const QLineEdit& field);

// Replaces the field's whole text with value formatted by format ("%0.1f", "%0.2f",
// "%0.3f").
void WriteNumber(QLineEdit& field, std::string_view format, float value);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_NUMBER_FIELD_H
