#include "app/widgets/field_checker.h"

#include <QByteArray>
#include <QLabel>
#include <QLineEdit>
#include <cstddef>
#include <string>
#include <string_view>

#include "expr/number_field.h"

namespace hygrovia {
namespace {

// Set on a field the user typed in since the fields were filled.
constexpr const char* kEditedProperty = "editedByUser";

Result<float> AsFloat(const Result<double>& reading) {
  if (!reading) return Failed(reading.Message());
  return static_cast<float>(*reading);
}

}  // namespace

FieldChecker::FieldChecker(ExpressionEvaluator& evaluator, QLabel& note, QObject* parent)
    : QObject(parent), evaluator_(evaluator), note_(note) {}

void FieldChecker::Watch(QLineEdit& field, const char* previewFormat) {
  fields_.push_back({&field, previewFormat});
  const Watched watched = fields_.back();
  connect(&field, &QLineEdit::textEdited, this, [this, watched] { FieldEdited(watched); });
}

void FieldChecker::FieldEdited(const Watched& watched) {
  SetEdited(*watched.field, true);
  const QByteArray text = watched.field->text().toLatin1();
  const Result<double> reading = CheckText(evaluator_, watched.field->text());
  // A mark goes as soon as the mistake is mended; a new one waits for the check.
  if (reading) MarkField(*watched.field, {});
  const std::string preview =
      ValuePreview(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                   AsFloat(reading), watched.format);
  note_.setText(QString::fromStdString(preview));
}

bool FieldChecker::CheckAll(bool takeFocus) {
  for (const Watched& watched : fields_) {
    const Result<double> reading = CheckText(evaluator_, watched.field->text());
    if (!reading) {
      return Refuse(*watched.field, QString::fromStdString(reading.Message()), takeFocus);
    }
  }
  return true;
}

bool FieldChecker::Refuse(QLineEdit& field, const QString& reason, bool takeFocus) {
  MarkField(field, reason);
  note_.setText(reason);
  if (!takeFocus) return false;
  field.setFocus(Qt::OtherFocusReason);
  field.selectAll();
  return false;
}

void FieldChecker::Reset() {
  for (const Watched& watched : fields_) {
    MarkField(*watched.field, {});
    SetEdited(*watched.field, false);
  }
  note_.clear();
}

bool FieldChecker::Edited(const QLineEdit& field) const {
  return field.property(kEditedProperty).toBool();
}

void FieldChecker::SetEdited(QLineEdit& field, bool edited) {
  field.setProperty(kEditedProperty, edited);
}

}  // namespace hygrovia
