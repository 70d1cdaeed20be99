#include "app/widgets/checked_field.h"

#include <QByteArray>
#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <cstddef>
#include <string>
#include <string_view>

#include "units/quantity_text.h"

namespace hygrovia {
namespace {

// A pale red behind the text of a field that has no value.
constexpr QColor kMistakeBase(255, 220, 220);

// Absolute zero, °C.
constexpr double kAbsoluteZero = -273.15;

// The tooltip a field had before it was marked, given back when the mark goes.
constexpr const char* kHintProperty = "hintBeforeMistake";

}  // namespace

Result<double> CheckText(ExpressionEvaluator& evaluator, const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return CheckNumber(evaluator,
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString TemperatureMistake(double celsius, const QuantityText& units) {
  // Compared as the float the chart keeps, so that -273.15 typed is absolute zero.
  if (static_cast<float>(celsius) > static_cast<float>(kAbsoluteZero)) return {};
  const std::string zero = units.Number(Quantity::Temperature, kAbsoluteZero, 2) + " " +
                           std::string(units.Unit(Quantity::Temperature));
  return QString::fromStdString("A temperature must be above absolute zero (" + zero + ").");
}

void MarkField(QLineEdit& field, const QString& reason) {
  const bool mistake = !reason.isEmpty();
  if (mistake && !IsMarked(field)) field.setProperty(kHintProperty, field.toolTip());
  if (mistake) {
    field.setToolTip(reason);
  } else if (IsMarked(field)) {
    field.setToolTip(field.property(kHintProperty).toString());
  }
  if (IsMarked(field) == mistake) return;
  field.setProperty(kMistakeProperty, mistake);
  QPalette palette;
  if (mistake) {
    palette = field.palette();
    palette.setColor(QPalette::Base, kMistakeBase);
  }
  field.setPalette(palette);
}

bool IsMarked(const QLineEdit& field) { return field.property(kMistakeProperty).toBool(); }

}  // namespace hygrovia
