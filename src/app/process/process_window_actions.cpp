// The process table window's edits, buttons and exports.
#include <fmt/format.h>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidgetItem>
#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <fmt/format.h>

#include "app/output/table_clipboard.h"
#include "app/process/process_grid.h"
#include "app/process/process_window.h"
#include "app/widgets/checked_field.h"
#include "base/number_text.h"
#include "data/atomic_file.h"
#include "data/path_text.h"
#include "data/table_text.h"
#include "data/write_target.h"
#include "model/chart_settings.h"
#include "model/measured_state.h"
#include "model/node_edits.h"
#include "model/point_edit.h"
#include "process/air_mixing.h"
#include "process/process_cells.h"
#include "psychro/air_state.h"
#include "surface/drawing_surface.h"

namespace hygrovia {
namespace {

// The look of a cell or field whose text was refused.
const QColor kMistakeBackground(255, 216, 216);

struct EditableColumn {
  ProcessColumn column;
  Quantity quantity;
  const char* name;
  // What the column measures beside the dry bulb; none for the dry bulb itself.
  std::optional<MeasuredKind> kind;
};
constexpr EditableColumn kEditableColumns[] = {
    {ProcessColumn::DryBulb, Quantity::Temperature, "dry bulb", std::nullopt},
    {ProcessColumn::RelHumidity, Quantity::RelativeHumidity, "relative humidity",
     MeasuredKind::RelHumidity},
    {ProcessColumn::Moisture, Quantity::Moisture, "moisture content", MeasuredKind::Moisture},
    {ProcessColumn::WetBulb, Quantity::Temperature, "wet bulb", MeasuredKind::WetBulb},
    {ProcessColumn::DewPoint, Quantity::Temperature, "dew point", MeasuredKind::DewPoint},
    {ProcessColumn::Enthalpy, Quantity::Enthalpy, "enthalpy", MeasuredKind::Enthalpy},
};

const EditableColumn* EditableColumnOf(ProcessColumn column) {
  for (const EditableColumn& c : kEditableColumns) {
    if (c.column == column) return &c;
  }
  return nullptr;
}

std::filesystem::path PathOf(const QString& fileName) {
  return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

QString WithCsvExtension(const QString& name) {
  if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty()) return name;
  return name + QStringLiteral(".csv");
}

}  // namespace

// A stream's dry-air mass flow (kg/s) with the reference in force, its volume its own.
double TProcessWindow::StreamMassFlow(const AirStream& stream) const {
  AirState air = settings_.CursorState();
  air.SetFromHumidity(stream.point.X, stream.point.Y);
  return ChainMassFlow(stream.flow, reference_, air.Volume);
}

void TProcessWindow::ShowMistake(const QString& text) { MessageLabel->setText(text); }

void TProcessWindow::ClearMistakeMark() {
  if (QTableWidgetItem* item = Grid->item(mistakeRow_, mistakeColumn_)) {
    const QSignalBlocker blocker(Grid);
    item->setBackground(QBrush());
    item->setToolTip({});
  }
  mistakeRow_ = -1;
  mistakeColumn_ = -1;
}

void TProcessWindow::ApplyChange() {
  ClearMistakeMark();
  MessageLabel->clear();
  settings_.Surface().Redraw();
  emit ChartChanged();
  Refresh();
}

void TProcessWindow::FlowEditDone() {
  const Result<double> n = CheckText(evaluator_, FlowEdit->text());
  QString reason = QString::fromStdString(n.Message());
  if (n.Ok() && n.Value() < 0.0) reason = QStringLiteral("An airflow cannot be negative.");
  MarkField(*FlowEdit, reason);
  if (!reason.isEmpty()) {
    ShowMistake(QStringLiteral("Airflow: ") + reason);
    return;
  }
  MessageLabel->clear();
  flow_.value = n.Value();
  Refresh();
}

void TProcessWindow::FlowUnitChange(int index) {
  const std::span<const FlowUnitEntry> units = FlowUnitsOf(text_.System());
  if (index < 0 || index >= static_cast<int>(units.size())) return;
  flow_.unit = units[static_cast<std::size_t>(index)].unit;
  // A mass flow is its own reference; a volume flow never is.
  if (IsMassFlow(flow_.unit) != (reference_ == FlowReference::MassFlow)) {
    reference_ = IsMassFlow(flow_.unit) ? FlowReference::MassFlow : FlowReference::FirstPoint;
    const QSignalBlocker quiet(ReferenceCombo);
    ReferenceCombo->setCurrentIndex(static_cast<int>(reference_));
  }
  Refresh();
}

void TProcessWindow::ReferenceChange(int index) {
  if (index < 0 || index > static_cast<int>(FlowReference::MassFlow)) return;
  reference_ = static_cast<FlowReference>(index);
  // The unit combo offers the first unit of the kind the reference takes.
  if (IsMassFlow(flow_.unit) != (reference_ == FlowReference::MassFlow)) {
    for (const FlowUnitEntry& entry : FlowUnitsOf(text_.System())) {
      if (IsMassFlow(entry.unit) == (reference_ == FlowReference::MassFlow)) {
        flow_.unit = entry.unit;
        break;
      }
    }
    ShowUnits();
  }
  Refresh();
}

bool TProcessWindow::ApplyMeasurement(const ProcessRow& point, ProcessColumn column, double shown,
                                      QString& reason) {
  const EditableColumn* edit = EditableColumnOf(column);
  const double value = text_.FromShown(edit->quantity, shown);
  const bool arrow = point.Kind == ProcessPointKind::Arrow;
  if (!edit->kind) {
    return ApplyPointEdit(settings_, point.Node, arrow, PointField::DryBulb, value);
  }
  const Result<ChartPoint> state =
      MeasuredState(settings_.CursorState(), text_, point.Air.DryBulb, *edit->kind, value);
  if (!state) {
    reason = QString::fromStdString(state.Message());
    return false;
  }
  if (point.Node >= 0) {
    settings_.Nodes.SetNode(point.Node, state->X, state->Y);
  } else {
    (arrow ? settings_.Arrow : settings_.Cursor) = *state;
  }
  return true;
}

void TProcessWindow::CellEdited(QTableWidgetItem* item) {
  const int row = item->row();
  const ProcessColumn kind = ColumnAt(item->column());
  if (row < 0 || row >= static_cast<int>(table_.Rows.size())) return;
  const ProcessRow point = table_.Rows[static_cast<std::size_t>(row)];
  if (kind == ProcessColumn::StateName) {
    if (point.Node < 0) return;
    settings_.Nodes.SetName(point.Node, item->text().toStdString());
    ApplyChange();
    return;
  }
  const EditableColumn* edit = EditableColumnOf(kind);
  if (edit == nullptr) return;
  // What was typed, quoted in the message after the refresh has put back the value in force.
  const QString typed = item->text();
  const int column = item->column();
  const Result<double> n = CheckText(evaluator_, typed);
  const QSignalBlocker blocker(Grid);
  ClearMistakeMark();
  QString reason = QString::fromStdString(n.Message());
  if (n && ApplyMeasurement(point, kind, *n, reason)) {
    ApplyChange();
    return;
  }
  // The cell is marked and shows the value in force again: an impossible pair is not applied.
  Refresh();
  if (QTableWidgetItem* shownItem = Grid->item(row, column)) {
    shownItem->setBackground(kMistakeBackground);
    shownItem->setToolTip(reason);
  }
  mistakeRow_ = row;
  mistakeColumn_ = column;
  ShowMistake(QStringLiteral("%1, %2: \"%3\": %4")
                  .arg(QString::fromStdString(point.Name), QString::fromLatin1(edit->name), typed,
                       reason));
}

std::vector<int> TProcessWindow::SelectedPointRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : Grid->selectionModel()->selectedRows()) {
    const int row = index.row();
    if (row < static_cast<int>(table_.Rows.size()) && !table_.Rows[std::size_t(row)].IsStep) {
      rows.push_back(row);
    }
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

void TProcessWindow::UpdateButtons() {
  const std::vector<int> rows = SelectedPointRows();
  const auto nodeOf = [this](int row) { return table_.Rows[std::size_t(row)].Node; };
  const bool one = rows.size() == 1 && nodeOf(rows[0]) >= 0;
  MoveUpButton->setEnabled(one && nodeOf(rows[0]) > 0);
  MoveDownButton->setEnabled(one && settings_.Nodes.IsValidIndex(nodeOf(rows[0]) + 1));
  DeleteButton->setEnabled(
      std::any_of(rows.begin(), rows.end(), [&](int row) { return nodeOf(row) >= 0; }));
  MixButton->setEnabled(rows.size() == 2);
}

void TProcessWindow::SelectNodeRow(std::int32_t node) {
  for (std::size_t row = 0; row < table_.Rows.size(); ++row) {
    if (!table_.Rows[row].IsStep && table_.Rows[row].Node == node) {
      Grid->selectRow(static_cast<int>(row));
      return;
    }
  }
}

void TProcessWindow::MoveRow(int from, int to) {
  const auto size = static_cast<int>(table_.Rows.size());
  if (from < 0 || from >= size || table_.Rows[std::size_t(from)].IsStep) return;
  const std::int32_t node = table_.Rows[std::size_t(from)].Node;
  // A drop below the last node's row, on a step's row or the cursor's, lands the point after
  // the node above it.
  std::int32_t target = settings_.Nodes.Count - 1;
  if (to >= 0 && to < size && table_.Rows[std::size_t(to)].Node >= 0) {
    target = table_.Rows[std::size_t(to)].Node;
  }
  if (node < 0 || !MoveNode(settings_.Nodes, node, target) || node == target) return;
  ApplyChange();
  SelectNodeRow(target);
}

void TProcessWindow::MoveUpButtonClick() {
  const std::vector<int> rows = SelectedPointRows();
  if (rows.size() != 1) return;
  const std::int32_t node = table_.Rows[std::size_t(rows[0])].Node;
  if (node <= 0 || !MoveNode(settings_.Nodes, node, node - 1)) return;
  ApplyChange();
  SelectNodeRow(node - 1);
}

void TProcessWindow::MoveDownButtonClick() {
  const std::vector<int> rows = SelectedPointRows();
  if (rows.size() != 1) return;
  const std::int32_t node = table_.Rows[std::size_t(rows[0])].Node;
  if (node < 0 || !MoveNode(settings_.Nodes, node, node + 1)) return;
  ApplyChange();
  SelectNodeRow(node + 1);
}

void TProcessWindow::DeleteButtonClick() {
  std::vector<int> rows = SelectedPointRows();
  bool deleted = false;
  // From the last, so the indices of the others still hold.
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    deleted = DeleteNode(settings_.Nodes, table_.Rows[std::size_t(*row)].Node) || deleted;
  }
  if (deleted) ApplyChange();
}

void TProcessWindow::MixButtonClick() {
  const std::vector<int> rows = SelectedPointRows();
  if (rows.size() != 2 || !hooks_.askMixFlows) return;
  const ProcessRow& first = table_.Rows[std::size_t(rows[0])];
  const ProcessRow& second = table_.Rows[std::size_t(rows[1])];
  const auto pointOf = [this](const ProcessRow& row) {
    if (row.Node >= 0) return settings_.Nodes.GetNode(row.Node);
    return row.Kind == ProcessPointKind::Arrow ? settings_.Arrow : settings_.Cursor;
  };
  const auto flows =
      hooks_.askMixFlows(QString::fromStdString(first.Name), QString::fromStdString(second.Name),
                         FlowUnitCombo->currentText());
  if (!flows) return;
  const AirStream one{pointOf(first), {flows->first, flow_.unit}};
  const AirStream two{pointOf(second), {flows->second, flow_.unit}};
  const auto mixed = MixStreams(settings_.CursorState(), one, two);
  if (!mixed) {
    ShowMistake(QStringLiteral("Mix: the two streams carry no air."));
    return;
  }
  const std::int32_t after = std::max(first.Node, second.Node);
  const bool added = after >= 0 ? InsertNodeAfter(settings_.Nodes, after, *mixed)
                                : settings_.Nodes.AddAtCursor(*mixed);
  if (!added) {
    ShowMistake(QString::fromStdString(
        fmt::format("Mix: the chart holds no more than {} data points.", NodeList::kCapacity)));
    return;
  }
  // From the mixed point on, the chain carries both streams.
  settings_.Nodes.Tags[static_cast<std::size_t>(settings_.Nodes.Selected)].JoinedFlow =
      StreamMassFlow(one) + StreamMassFlow(two);
  ApplyChange();
  SelectNodeRow(settings_.Nodes.Selected);
}

void TProcessWindow::CopyButtonClick() { CopyTableToClipboard(Cells()); }

void TProcessWindow::ExportButtonClick() {
  if (!hooks_.chooseCsvFile) return;
  const QString name = WithCsvExtension(hooks_.chooseCsvFile(lastCsvName_));
  if (name.isEmpty()) return;
  lastCsvName_ = name;
  const std::filesystem::path path = PathOf(name);
  const std::filesystem::path input = hooks_.readFile ? hooks_.readFile() : std::filesystem::path();
  Result<> result = CheckNotInput(path, input);
  if (!result) {
    result = Failed("Could not save \"" + PathText(path) + "\": " + result.Message());
  } else {
    result = WriteFileAtomically(path, CsvText(Cells()));
  }
  if (!result.Ok() && hooks_.showError) hooks_.showError(QString::fromStdString(result.Message()));
}

}  // namespace hygrovia
