#ifndef HYGROVIA_APP_WEATHER_WEATHER_FORM_H
#define HYGROVIA_APP_WEATHER_WEATHER_FORM_H

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace hygrovia {

class ChartSettings;
class ExpressionEvaluator;
class FieldChecker;

// The weather window: how the year's hours are drawn (density or dots), which months and
// times of day count, the comfort zones' settings, and the hours in and around the zones,
// which Copy puts on the clipboard as text. A tool window beside the chart: every change is
// drawn at once, and it stays open while the chart is used. A comfort field whose text has no
// finite value is marked, the line under the fields says why, and nothing is applied until it
// is mended.
class TWeatherForm : public QDialog {
  Q_OBJECT

 public:
  // The settings and the evaluator must outlive the window.
  TWeatherForm(ChartSettings& settings, ExpressionEvaluator& evaluator, QWidget* parent = nullptr);

  // Fills the controls from the chart's climate layer and shows the window.
  void ShowWeather();
  // The summary as it stands, one line of text each.
  QString SummaryText() const;

 private:
  void CreateControls();
  QComboBox* AddCombo(const char* name, const QStringList& items);
  QLineEdit* AddEdit(const char* name);
  void FillFromLayer();
  // Writes the controls into the climate layer and redraws the chart.
  void ApplyChoices();
  void ShowSummary();
  void CopyButtonClick();

  ChartSettings& settings_;
  ExpressionEvaluator& evaluator_;
  bool filling_ = false;
  FieldChecker* checker_ = nullptr;

  QLabel* TitleLabel = nullptr;
  QComboBox* DisplayCombo = nullptr;
  QComboBox* FirstMonthCombo = nullptr;
  QComboBox* LastMonthCombo = nullptr;
  QComboBox* FirstHourCombo = nullptr;
  QComboBox* LastHourCombo = nullptr;
  QCheckBox* ComfortCheck = nullptr;
  QLineEdit* MetEdit = nullptr;
  QLineEdit* SummerCloEdit = nullptr;
  QLineEdit* WinterCloEdit = nullptr;
  QLineEdit* SpeedEdit = nullptr;
  QCheckBox* LimitCheck = nullptr;
  QLabel* FieldNote = nullptr;
  QPlainTextEdit* SummaryMemo = nullptr;
  QPushButton* CopyButton = nullptr;
  QPushButton* CloseButton = nullptr;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_WEATHER_WEATHER_FORM_H
