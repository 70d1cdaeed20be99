#ifndef HYGROVIA_APP_DIALOGS_NODES_FORM_H
#define HYGROVIA_APP_DIALOGS_NODES_FORM_H

#include <QDialog>

#include "base/chart_point.h"

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hygrovia {

class ChartSettings;
class ExpressionEvaluator;
class FieldChecker;

// The node editor: shows the selected data point of the node list as dry-bulb temperature and
// relative humidity, whatever unit the chart's vertical axis uses, and steps through the list.
// Every change goes into the node list at once and the chart is redrawn; there is no cancel.
// Enter in a field applies it and keeps the dialog open, Done applies and closes, and the close
// box closes without applying the fields. Done, Prev, Next and Insert apply nothing while a
// field has no finite value: that field is marked and takes the focus.
//
// Made once and reused. The caller centres it and opens it with Execute, which shows the
// selected node; the result is of no use to the caller.
class TNodesForm : public QDialog {
  Q_OBJECT

 public:
  // The settings and the evaluator must outlive the dialog.
  TNodesForm(ChartSettings& settings, ExpressionEvaluator& evaluator, QWidget* parent = nullptr);

  // Shows the selected node and runs the dialog modally.
  int Execute();

  // Shows node index, or the selected node when index is negative, and selects it. An index
  // that is no node shows the last node; an empty list shows the first place, at (0, 0).
  void ShowNode(int index);
  // Writes the two fields into the selected node, shows what was stored and redraws the chart.
  void ApplyNode();

 protected:
  // Esc is no way out: there is no cancel button.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateGroup();
  void CreateButtons();
  void CreateChecker();
  void LayOut();
  QPushButton* AddButton(const char* name, const QString& caption);
  // The two fields from a node: dry bulb in the chart's units and relative humidity at the
  // chart's pressure.
  void WriteFields(ChartPoint node);
  // The dry bulb typed, in °C.
  float ReadDryBulb() const;
  // True when every field has a value and the dry bulb is above absolute zero; otherwise the
  // first field at fault is marked.
  bool CheckFields();
  void Select(int index);

  void NextButtonClick();
  void PrevButtonClick();
  void InsertButtonClick();
  void OKButtonClick();

  ChartSettings& settings_;
  ExpressionEvaluator& evaluator_;
  FieldChecker* checker_ = nullptr;

  // Components, owned by the dialog through their Qt parents.
  QGroupBox* MainGroupBox = nullptr;
  QLineEdit* NodeXEdit = nullptr;
  QLineEdit* NodeYEdit = nullptr;
  QLabel* AxisLabel = nullptr;
  QLabel* Label7 = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* InsertButton = nullptr;
  QPushButton* NextButton = nullptr;
  QPushButton* PrevButton = nullptr;
  QLabel* FieldNote = nullptr;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_DIALOGS_NODES_FORM_H
