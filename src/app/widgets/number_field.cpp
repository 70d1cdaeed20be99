#include "app/widgets/number_field.h"

#include <QByteArray>
#include <QLineEdit>
#include <QString>
#include <cstddef>
#include <string>

#include "expr/number_field.h"

namespace hygrovia {

float ReadNumber(ExpressionEvaluator& evaluator, const QLineEdit& field) {
  const QByteArray text = field.text().toLatin1();
  return ReadNumber(evaluator,
                    std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

void WriteNumber(QLineEdit& field, std::string_view format, float value) {
  const std::string text = WriteNumber(format, value);
  field.setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace hygrovia
