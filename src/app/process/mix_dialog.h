#ifndef HYGROVIA_APP_PROCESS_MIX_DIALOG_H
#define HYGROVIA_APP_PROCESS_MIX_DIALOG_H

#include <QDialog>
#include <QString>
#include <optional>
#include <utility>

class QLabel;
class QLineEdit;

namespace hygrovia {

class ExpressionEvaluator;

// Asks for the airflows of the two streams to be mixed. Each field takes an expression; OK
// with a field that does not evaluate to a flow of zero or more marks it, says why and keeps
// the dialog open.
class TMixDialog : public QDialog {
  Q_OBJECT

 public:
  TMixDialog(ExpressionEvaluator& evaluator, QWidget* parent);

  // Shows the dialog modally for the two named points, flows in unit; the two flows, or
  // nothing when cancelled.
  std::optional<std::pair<double, double>> Ask(const QString& first, const QString& second,
                                               const QString& unit);

  QLineEdit& FirstFlowEdit() const { return *first_; }
  QLineEdit& SecondFlowEdit() const { return *second_; }
  QLabel& MessageLabel() const { return *message_; }
  // The OK button's check: true and the dialog accepted when both fields hold a flow.
  bool TryAccept();

 private:
  // The field's flow, or nothing with the field marked and the reason shown.
  std::optional<double> ReadFlow(QLineEdit& field);

  ExpressionEvaluator& evaluator_;
  QLabel* firstLabel_ = nullptr;
  QLabel* secondLabel_ = nullptr;
  QLineEdit* first_ = nullptr;
  QLineEdit* second_ = nullptr;
  QLabel* message_ = nullptr;
  std::pair<double, double> flows_{1.0, 1.0};
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_PROCESS_MIX_DIALOG_H
