#include "app/widgets/checked_field.h"

#include <QByteArray>
#include <cstddef>
#include <string_view>

namespace hygrovia {

Result<double> CheckText(ExpressionEvaluator& evaluator, const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return CheckNumber(evaluator,
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace hygrovia
