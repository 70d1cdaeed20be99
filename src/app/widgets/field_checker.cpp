#include "app/widgets/field_checker.h"

#include <QByteArray>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

#include "expr/number_field.h"

namespace hygrovia {
namespace {

// A pale red behind the text of a field that has no value.
constexpr QColor kMistakeBase(255, 220, 220);

Result<float> ReadField(ExpressionEvaluator& evaluator, const QLineEdit& field, QByteArray& text) {
  text = field.text().toLatin1();
  return ReadCheckedNumber(
      evaluator, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
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
  QByteArray text;
  const Result<float> reading = ReadField(evaluator_, *watched.field, text);
  // A mark goes as soon as the mistake is mended; a new one waits for the check.
  if (reading) Mark(*watched.field, false);
  const std::string preview =
      ValuePreview(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                   reading, watched.format);
  note_.setText(QString::fromStdString(preview));
}

bool FieldChecker::CheckAll() {
  for (const Watched& watched : fields_) {
    QByteArray text;
    const Result<float> reading = ReadField(evaluator_, *watched.field, text);
    if (reading) continue;
    Mark(*watched.field, true);
    note_.setText(QString::fromStdString(reading.Message()));
    watched.field->setFocus(Qt::OtherFocusReason);
    watched.field->selectAll();
    return false;
  }
  return true;
}

void FieldChecker::Reset() {
  for (const Watched& watched : fields_) Mark(*watched.field, false);
  note_.clear();
}

void FieldChecker::Mark(QLineEdit& field, bool mistake) {
  if (field.property(kMistakeProperty).toBool() == mistake) return;
  field.setProperty(kMistakeProperty, mistake);
  QPalette palette = field.palette();
  if (mistake) {
    palette.setColor(QPalette::Base, kMistakeBase);
  } else {
    palette = QPalette();
  }
  field.setPalette(palette);
}

}  // namespace hygrovia
