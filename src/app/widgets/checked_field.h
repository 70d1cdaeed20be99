#ifndef HYGROVIA_APP_WIDGETS_CHECKED_FIELD_H
#define HYGROVIA_APP_WIDGETS_CHECKED_FIELD_H

#include <QString>

#include "expr/checked_number.h"

class QLineEdit;

namespace hygrovia {

class ExpressionEvaluator;
class QuantityText;

// The one way every window reads a typed number: the text as an expression, refused rather
// than read as 0 when it is a mistake (CheckNumber). The text is taken as 8-bit characters as
// the fields take it: a character outside Latin-1 is one no expression can hold.
Result<double> CheckText(ExpressionEvaluator& evaluator, const QString& text);

// Why a typed temperature (°C) is no state of air: at or below absolute zero, named in the
// units the user types in; empty for a temperature above it.
QString TemperatureMistake(double celsius, const QuantityText& units);

// The one look of a refused field: a pale red background, the reason as its tooltip and the
// dynamic property kMistakeProperty set. An empty reason takes the mark away.
inline constexpr const char* kMistakeProperty = "mistake";
void MarkField(QLineEdit& field, const QString& reason);
bool IsMarked(const QLineEdit& field);

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_CHECKED_FIELD_H
