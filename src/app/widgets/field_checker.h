#ifndef HYGROVIA_APP_WIDGETS_FIELD_CHECKER_H
#define HYGROVIA_APP_WIDGETS_FIELD_CHECKER_H

#include <QObject>
#include <QString>
#include <vector>

#include "app/widgets/checked_field.h"

class QLabel;
class QLineEdit;

namespace hygrovia {

class ExpressionEvaluator;

// The number fields of a window that applies nothing it cannot read, through the one checked
// reading (CheckText) and the one mark (MarkField). While a field is typed, the note line
// under the fields shows its value when the text is more than a plain number ("= 77.00" for
// 25*1.8+32), or why the text has no value. Before the window applies anything it checks
// every field: the first one without a finite value is marked, takes the focus with its text
// selected, and the reason stands in the note.
class FieldChecker : public QObject {
 public:
  // The evaluator and the note must outlive the checker.
  FieldChecker(ExpressionEvaluator& evaluator, QLabel& note, QObject* parent);

  // Follows the field's typing; the value is shown with previewFormat ("%0.2f").
  void Watch(QLineEdit& field, const char* previewFormat);
  // True when every watched field has a finite value. A tool window that checks as the focus
  // leaves a field marks it without taking the focus back.
  bool CheckAll(bool takeFocus = true);
  // Marks the field for a reason of the window's own (a range the wrong way round), gives it
  // the focus and shows the reason in the note; always false.
  bool Refuse(QLineEdit& field, const QString& reason, bool takeFocus = true);
  // Takes the marks and the note away and forgets what was typed, as after the fields were
  // filled afresh.
  void Reset();
  // Whether the user typed in the field since the last Reset; a field a window rewrites from
  // another one's typing counts as typed through SetEdited.
  bool Edited(const QLineEdit& field) const;
  void SetEdited(QLineEdit& field, bool edited);

  // The dynamic property a field without a value carries while it is marked.
  static constexpr const char* kMistakeProperty = hygrovia::kMistakeProperty;

 private:
  struct Watched {
    QLineEdit* field;
    const char* format;
  };

  void FieldEdited(const Watched& watched);

  ExpressionEvaluator& evaluator_;
  QLabel& note_;
  std::vector<Watched> fields_;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WIDGETS_FIELD_CHECKER_H
