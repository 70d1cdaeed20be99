#include "app/widgets/number_field.h"

#include <QLineEdit>
#include <QString>
#include <limits>
#include <string>

#include "app/widgets/checked_field.h"
#include "expr/number_field.h"

namespace hygrovia {

float FieldNumber(ExpressionEvaluator& evaluator, const QLineEdit& field) {
  const Result<double> value = CheckText(evaluator, field.text());
  return value ? static_cast<float>(*value) : std::numeric_limits<float>::quiet_NaN();
}

void WriteNumber(QLineEdit& field, std::string_view format, float value) {
  const std::string text = WriteNumber(format, value);
  field.setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace hygrovia
