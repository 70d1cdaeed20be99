#ifndef HYGROVIA_APP_WIDGETS_FIELD_CHECKER_H
#define HYGROVIA_APP_WIDGETS_FIELD_CHECKER_H

#include <QObject>
#include <vector>

class QLabel;
class QLineEdit;

namespace hygrovia {

class ExpressionEvaluator;

// The number fields of a dialog that applies nothing it cannot read. While a field is typed,
// the note line under the fields shows its value when the text is more than a plain number
// ("= 77.00" for 25*1.8+32), or why the text has no value. Before the dialog applies
// anything it checks every field: the first one without a finite value is marked, takes the
// focus with its text selected, and the evaluator's reason stands in the note.
class FieldChecker : public QObject {
 public:
  // The evaluator and the note must outlive the checker.
  FieldChecker(ExpressionEvaluator& evaluator, QLabel& note, QObject* parent);

  // Follows the field's typing; the value is shown with previewFormat ("%0.2f").
  void Watch(QLineEdit& field, const char* previewFormat);
  // True when every watched field has a finite value.
  bool CheckAll();
  // Takes the marks and the note away, as after the fields were filled afresh.
  void Reset();

  // The dynamic property a field without a value carries while it is marked.
  static constexpr const char* kMistakeProperty = "mistake";

 private:
  struct Watched {
    QLineEdit* field;
    const char* format;
  };

  void FieldEdited(const Watched& watched);
  void Mark(QLineEdit& field, bool mistake);

  ExpressionEvaluator& evaluator_;
  QLabel& note_;
  std::vector<Watched> fields_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_FIELD_CHECKER_H
