#ifndef HYGROVIA_APP_PROCESS_PROCESS_WINDOW_H
#define HYGROVIA_APP_PROCESS_PROCESS_WINDOW_H

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/text_cells.h"
#include "process/air_mixing.h"
#include "process/airflow.h"
#include "process/process_cells.h"
#include "process/process_table.h"
#include "session/chart_session.h"
#include "units/quantity_text.h"

class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidgetItem;

namespace hygrovia {

class ExpressionEvaluator;
class ProcessGrid;
class TMixDialog;

// What the process table window hands over to dialogs; tests replace them.
struct ProcessWindowHooks {
  // A file name for the CSV export, starting from the last one; empty when cancelled.
  std::function<QString(const QString& lastName)> chooseCsvFile;
  // Tells the user why something failed.
  std::function<void(const QString& text)> showError;
  // The file the window reads (its weather; empty for none), which the CSV may not replace.
  std::function<std::filesystem::path()> readFile;
  // The airflows of the two streams to mix, named first and second, in unit; nothing when
  // cancelled.
  std::function<std::optional<std::pair<double, double>>(
      const QString& first, const QString& second, const QString& unit)>
      askMixFlows;
};

// The process table in a window of its own beside the main window: every data point with its
// properties and every step between two with its differences and, for the airflow given above
// the table, its loads; then the cursor and, in relative-cursor mode, the arrow. The user edits
// a node's name, a point's dry bulb, or what was measured beside it (relative humidity, wet
// bulb, dew point, moisture content or enthalpy) in its cell, reorders points by
// dragging rows or with Move up and Move down, deletes them, mixes two of them, copies the
// table and exports it as CSV. Every change it makes to the chart redraws the chart and emits
// ChartChanged.
class TProcessWindow : public QWidget {
  Q_OBJECT

 public:
  TProcessWindow(ChartSession& session, ExpressionEvaluator& evaluator, QWidget* parent = nullptr);
  ~TProcessWindow() override;

  ProcessWindowHooks& Hooks() { return hooks_; }

  // Shows the window with the table up to date and brings it to the front.
  void ShowTable();
  // Rebuilds the table from the chart; only the cells whose text changed are rewritten.
  void Refresh();

  // The table as shown, column titles first.
  TextCells Cells() const;
  const Airflow& Flow() const { return flow_; }
  FlowReference Reference() const { return reference_; }

 signals:
  // The window changed the chart's points.
  void ChartChanged();

 protected:
 private:
  void CreateControls();
  void CreateButtons(QWidget* bar);
  // Takes up the chart's units when they changed: the column titles, the flow units offered
  // and the airflow, kept as the same flow in a unit of the same kind.
  void FollowUnits();
  void ShowUnits();
  void FillRow(int row);
  void UpdateButtons();
  std::vector<int> SelectedPointRows() const;
  void SelectNodeRow(std::int32_t node);
  void ShowMistake(const QString& text);
  void ClearMistakeMark();
  void ApplyChange();
  void QueueRefresh();

  void FlowEditDone();
  void FlowUnitChange(int index);
  void ReferenceChange(int index);
  double StreamMassFlow(const AirStream& stream) const;
  // The process column shown in the grid's column.
  ProcessColumn ColumnAt(int column) const;
  // Sets the point of the row from its dry bulb and the measurement typed into column; false
  // with the reason when no air has them.
  bool ApplyMeasurement(const ProcessRow& point, ProcessColumn column, double shown,
                        QString& reason);
  void CellEdited(QTableWidgetItem* item);
  void MoveRow(int from, int to);
  void MoveUpButtonClick();
  void MoveDownButtonClick();
  void DeleteButtonClick();
  void MixButtonClick();
  void CopyButtonClick();
  void ExportButtonClick();

  ChartSession& session_;
  ChartSettings& settings_;
  ChartSession::ObserverId observer_;
  ExpressionEvaluator& evaluator_;
  ProcessWindowHooks hooks_;
  QuantityText text_ = QuantityText::Si();
  Airflow flow_;
  FlowReference reference_ = FlowReference::FirstPoint;
  ProcessTable table_;
  std::vector<std::string> rowCells_;
  std::vector<bool> shownIsStep_;
  bool refreshQueued_ = false;
  bool placed_ = false;
  // The cell whose text was refused last, marked until the next change; -1 when none.
  int mistakeRow_ = -1;
  int mistakeColumn_ = -1;
  QString lastCsvName_;

  // Controls, owned by the window through their Qt parents.
  QLineEdit* FlowEdit = nullptr;
  QComboBox* FlowUnitCombo = nullptr;
  QComboBox* ReferenceCombo = nullptr;
  QLabel* FlowLabel = nullptr;
  ProcessGrid* Grid = nullptr;
  QPushButton* MoveUpButton = nullptr;
  QPushButton* MoveDownButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* MixButton = nullptr;
  QPushButton* CopyButton = nullptr;
  QPushButton* ExportButton = nullptr;
  QLabel* MessageLabel = nullptr;
  TMixDialog* MixDialog = nullptr;
};

}  // namespace hygrovia

#endif  // HYGROVIA_APP_PROCESS_PROCESS_WINDOW_H
