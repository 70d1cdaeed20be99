#ifndef HYGROVIA_APP_DIALOGS_GRAPH_FORM_H
#define HYGROVIA_APP_DIALOGS_GRAPH_FORM_H

#include <QDialog>
#include <initializer_list>
#include <optional>
#include <utility>

#include "base/chart_point.h"

#include "units/quantity_text.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hygrovia {

class ChartSettings;
class ExpressionEvaluator;
class FieldChecker;

// The chart settings dialog: barometric pressure (or the altitude it stands for), the property
// model, the units (SI or inch-pound) every field is shown and typed in, temperature and
// moisture ranges, the two snap steps, the cursor and arrow positions and the unit of the
// vertical axis, in one place.
// Every numeric field accepts an expression, and the line under the fields shows what an
// expression comes to. The dialog reads the settings when filled and writes them back only
// when OK is pressed with every field readable: a field that has no finite value is marked
// and takes the focus instead. Cancel, Esc and the close box change nothing.
//
// Made once and reused, so its fields keep their texts between showings. The caller opens it
// with Execute after centring it, and on QDialog::Accepted applies the settings to the
// surface and redraws the chart.
class TGraphForm : public QDialog {
  Q_OBJECT

 public:
  // The settings and the evaluator must outlive the dialog.
  TGraphForm(ChartSettings& settings, ExpressionEvaluator& evaluator, QWidget* parent = nullptr);

  // Fills the fields from the settings and shows the dialog modally; QDialog::Accepted after
  // OK, QDialog::Rejected otherwise.
  int Execute();

  // Copies the settings into the fields and selects the chart's vertical-axis unit.
  void FillFromSettings();

 private:
  void CreatePressureRow();
  // The altitude beside the pressure, the property model and the chart style.
  void CreatePropertiesRow();
  void CreateRangeGroups();
  void CreateCursorGroup();
  void CreateButtons();
  void CreateChecker();
  void LayOut();
  QLineEdit* AddEdit(QWidget* parent, const char* name, const char* text, const char* hint);
  QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QWidget* buddy);

  // Shows the chart's property model, the altitude of its pressure and the chart style.
  void FillProperties();
  // Typing a pressure shows its altitude, typing an altitude its pressure, whenever the text
  // evaluates to a finite number.
  void BarEditEdited(const QString& text);
  void AltitudeEditEdited(const QString& text);
  // The value of a field's text, or nothing when it is blank or does not evaluate to a finite
  // number.
  std::optional<double> FiniteValue(const QString& text) const;

  // Writes the fields into the settings, then closes the dialog with OK; with a field that
  // has no value it writes nothing and stays open.
  void OKButtonClick();
  // Re-labels the vertical fields and shows the stored cursor and arrow in the chosen unit;
  // the chart's unit itself stays as it was until OK.
  void UnitsComboChange(int index);
  // Shows every field's value, and the captions, in the chosen units; the chart's own units
  // change only on OK.
  void UnitSystemComboChange(int index);
  void SetUnitCaptions();
  // A value in SI written into a field in the dialog's units, and a field read back in SI.
  void WriteShown(QLineEdit& field, const char* format, Quantity quantity, double value);
  float ReadShown(const QLineEdit& field, Quantity quantity) const;
  void SetAxisCaption(int units);
  void WriteVerticalValues();
  // Whether OK keeps the stored value for the field instead of reading its text: in
  // inch-pound units, while the user has not typed in it.
  bool KeepsStored(const QLineEdit& field) const;
  // A field's value in SI: stored when KeepsStored, else its text read back.
  float FieldValue(const QLineEdit& field, Quantity quantity, float stored) const;
  // The cursor (which 0) or arrow as typed, in the vertical unit units; nothing when neither
  // field was typed in and the point keeps its place.
  std::optional<ChartPoint> TypedPoint(const QLineEdit& xField, const QLineEdit& yField, int which,
                                       int units) const;
  // False, with the first field at fault marked, for a temperature (°C) at or below absolute
  // zero, or for a range whose minimum is not below its maximum as the chart would hold it.
  bool CheckTemperatures(std::initializer_list<std::pair<QLineEdit*, float>> temperatures);
  bool CheckRange(QLineEdit& minField, Quantity quantity, float low, float high);
  // The snap step of a field in SI, or previous when the field's value is not finite.
  float ReadSnap(const QLineEdit& field, Quantity quantity, float previous) const;

  ChartSettings& settings_;
  ExpressionEvaluator& evaluator_;
  FieldChecker* checker_ = nullptr;
  // The units the fields show, chosen in the dialog.
  QuantityText units_ = QuantityText::Si();

  // Components, owned by the dialog through their Qt parents.
  QFrame* Panel1 = nullptr;
  QLineEdit* BarEdit = nullptr;
  QLabel* Label1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QLineEdit* MaxDBEdit = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* MinDBEdit = nullptr;
  QLabel* SnapLabel = nullptr;
  QLineEdit* SnapDBEdit = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* MaxAHEdit = nullptr;
  QLineEdit* MinAHEdit = nullptr;
  QLineEdit* SnapAHEdit = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QLabel* Label7 = nullptr;
  QLineEdit* StartXEdit = nullptr;
  QLabel* AxisLabel = nullptr;
  QLineEdit* StartYEdit = nullptr;
  QLineEdit* EndYEdit = nullptr;
  QLineEdit* EndXEdit = nullptr;
  QComboBox* UnitsCombo = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* FieldNote = nullptr;
  QFrame* Panel2 = nullptr;
  QLineEdit* AltitudeEdit = nullptr;
  QLabel* AltitudeLabel = nullptr;
  QComboBox* PropertiesCombo = nullptr;
  QLabel* PropertiesLabel = nullptr;
  QComboBox* StyleCombo = nullptr;
  QLabel* StyleLabel = nullptr;
  QComboBox* UnitSystemCombo = nullptr;
  QLabel* UnitSystemLabel = nullptr;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_DIALOGS_GRAPH_FORM_H
