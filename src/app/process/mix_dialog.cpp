#include "app/process/mix_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/widgets/checked_field.h"

namespace hygrovia {
TMixDialog::TMixDialog(ExpressionEvaluator& evaluator, QWidget* parent)
    : QDialog(parent), evaluator_(evaluator) {
  setWindowTitle(QStringLiteral("Mix Air Streams"));
  first_ = new QLineEdit(this);
  first_->setObjectName(QStringLiteral("FirstFlowEdit"));
  second_ = new QLineEdit(this);
  second_->setObjectName(QStringLiteral("SecondFlowEdit"));
  // The fields keep what was typed last time.
  first_->setText(QStringLiteral("1"));
  second_->setText(QStringLiteral("1"));
  firstLabel_ = new QLabel(this);
  secondLabel_ = new QLabel(this);
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("MixMessageLabel"));
  auto* form = new QFormLayout;
  form->addRow(firstLabel_, first_);
  form->addRow(secondLabel_, second_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TMixDialog::TryAccept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(message_);
  layout->addWidget(buttons);
}

std::optional<std::pair<double, double>> TMixDialog::Ask(const QString& first,
                                                         const QString& second,
                                                         const QString& unit) {
  firstLabel_->setText(QStringLiteral("Airflow at %1 (%2):").arg(first, unit));
  secondLabel_->setText(QStringLiteral("Airflow at %1 (%2):").arg(second, unit));
  for (QLineEdit* field : {first_, second_}) MarkField(*field, {});
  message_->clear();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return flows_;
}

std::optional<double> TMixDialog::ReadFlow(QLineEdit& field) {
  const Result<double> n = CheckText(evaluator_, field.text());
  QString reason = QString::fromStdString(n.Message());
  if (n.Ok() && n.Value() < 0.0) reason = QStringLiteral("An airflow cannot be negative.");
  MarkField(field, reason);
  if (reason.isEmpty()) return n.Value();
  message_->setText(reason);
  return std::nullopt;
}

bool TMixDialog::TryAccept() {
  message_->clear();
  const std::optional<double> first = ReadFlow(*first_);
  const std::optional<double> second = ReadFlow(*second_);
  if (!first || !second) return false;
  if (*first + *second <= 0.0) {
    message_->setText(QStringLiteral("At least one stream must carry air."));
    return false;
  }
  flows_ = {*first, *second};
  accept();
  return true;
}

}  // namespace hygrovia
