#include "app/process/process_window.h"

#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidgetItem>
#include <QVBoxLayout>
#include <algorithm>
#include <cstddef>
#include <fmt/format.h>

#include "app/process/mix_dialog.h"
#include "app/process/process_grid.h"
#include "model/chart_settings.h"
#include "base/number_text.h"
#include "process/process_cells.h"

namespace hygrovia {
namespace {

constexpr QSize kDesignSize(960, 420);
// Step rows stand out from the point rows around them.
constexpr QColor kStepBackground(236, 240, 246);

bool IsEditableColumn(int column) {
  const auto c = static_cast<ProcessColumn>(column);
  return c == ProcessColumn::DryBulb || c == ProcessColumn::RelHumidity ||
         c == ProcessColumn::Moisture;
}

QPushButton* AddButton(QWidget* bar, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), bar);
  button->setObjectName(QString::fromLatin1(name));
  bar->layout()->addWidget(button);
  return button;
}

}  // namespace

TProcessWindow::TProcessWindow(ChartSession& session, ExpressionEvaluator& evaluator,
                               QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      settings_(session.Settings()),
      evaluator_(evaluator) {
  // While shown, the table follows every change of the chart once the events in hand are done.
  observer_ = session_.Observe([this] {
    if (isVisible()) QueueRefresh();
  });
  setWindowTitle(QStringLiteral("Hygrovia Process Table"));
  CreateControls();
  MixDialog = new TMixDialog(evaluator_, this);
  hooks_.chooseCsvFile = [this](const QString& last) {
    return QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"), last,
                                        QStringLiteral("CSV files (*.csv);;All files (*)"));
  };
  hooks_.showError = [this](const QString& text) {
    QMessageBox::warning(this, QStringLiteral("Hygrovia"), text);
  };
  hooks_.askMixFlows = [this](const QString& first, const QString& second, const QString& unit) {
    return MixDialog->Ask(first, second, unit);
  };
  resize(kDesignSize);
  Refresh();
}

void TProcessWindow::CreateControls() {
  auto* bar = new QWidget(this);
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(0, 0, 0, 0);
  barLayout->addWidget(new QLabel(QStringLiteral("Airflow:"), bar));
  FlowEdit = new QLineEdit(QStringLiteral("1"), bar);
  FlowEdit->setObjectName(QStringLiteral("FlowEdit"));
  FlowEdit->setToolTip(
      QStringLiteral("Airflow through every step: a volume flow at the step's first state, or "
                     "the mass flow of dry air. Accepts an expression."));
  FlowEdit->setMaximumWidth(120);
  barLayout->addWidget(FlowEdit);
  FlowUnitCombo = new QComboBox(bar);
  FlowUnitCombo->setObjectName(QStringLiteral("FlowUnitCombo"));
  barLayout->addWidget(FlowUnitCombo);
  barLayout->addStretch();
  CreateButtons(bar);

  Grid = new ProcessGrid(this);
  Grid->setObjectName(QStringLiteral("ProcessGrid"));
  Grid->setColumnCount(kProcessColumnCount);
  ShowUnits();
  MessageLabel = new QLabel(this);
  MessageLabel->setObjectName(QStringLiteral("MessageLabel"));
  MessageLabel->setTextFormat(Qt::PlainText);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar);
  layout->addWidget(Grid);
  layout->addWidget(MessageLabel);

  connect(FlowEdit, &QLineEdit::editingFinished, this, &TProcessWindow::FlowEditDone);
  connect(FlowUnitCombo, &QComboBox::currentIndexChanged, this, &TProcessWindow::FlowUnitChange);
  connect(Grid, &QTableWidget::itemChanged, this, &TProcessWindow::CellEdited);
  connect(Grid, &QTableWidget::itemSelectionChanged, this, &TProcessWindow::UpdateButtons);
  connect(Grid, &ProcessGrid::RowDropped, this, &TProcessWindow::MoveRow);
}

void TProcessWindow::CreateButtons(QWidget* bar) {
  MoveUpButton = AddButton(bar, "MoveUpButton", "Move up");
  MoveDownButton = AddButton(bar, "MoveDownButton", "Move down");
  DeleteButton = AddButton(bar, "DeleteButton", "Delete");
  MixButton = AddButton(bar, "MixButton", "Mix...");
  CopyButton = AddButton(bar, "CopyButton", "Copy");
  ExportButton = AddButton(bar, "ExportButton", "Export CSV...");
  MixButton->setToolTip(QStringLiteral("Mixes the two selected points into a new point."));
  CopyButton->setToolTip(QStringLiteral("Copies the whole table for a spreadsheet."));
  connect(MoveUpButton, &QPushButton::clicked, this, &TProcessWindow::MoveUpButtonClick);
  connect(MoveDownButton, &QPushButton::clicked, this, &TProcessWindow::MoveDownButtonClick);
  connect(DeleteButton, &QPushButton::clicked, this, &TProcessWindow::DeleteButtonClick);
  connect(MixButton, &QPushButton::clicked, this, &TProcessWindow::MixButtonClick);
  connect(CopyButton, &QPushButton::clicked, this, &TProcessWindow::CopyButtonClick);
  connect(ExportButton, &QPushButton::clicked, this, &TProcessWindow::ExportButtonClick);
}

void TProcessWindow::ShowTable() {
  Refresh();
  if (!placed_ && parentWidget() != nullptr) {
    move(parentWidget()->frameGeometry().topRight() + QPoint(8, 0));
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
}

void TProcessWindow::ShowUnits() {
  QStringList titles;
  for (const std::string& title : ProcessTitles(text_)) titles << QString::fromStdString(title);
  Grid->setHorizontalHeaderLabels(titles);
  const QSignalBlocker quiet(FlowUnitCombo);
  FlowUnitCombo->clear();
  int current = 0;
  for (const FlowUnitEntry& entry : FlowUnitsOf(text_.System())) {
    if (entry.unit == flow_.unit) current = FlowUnitCombo->count();
    FlowUnitCombo->addItem(QString::fromUtf8(entry.text.data(), qsizetype(entry.text.size())));
  }
  FlowUnitCombo->setCurrentIndex(current);
}

void TProcessWindow::FollowUnits() {
  const UnitSystem system = settings_.GetUnits().System();
  if (system == text_.System()) return;
  text_ = settings_.GetUnits();
  flow_ = FlowInSystem(flow_, system);
  FlowEdit->setText(QString::fromStdString(fmt::format("{:.6g}", flow_.value)));
  ShowUnits();
  Grid->resizeColumnsToContents();
}

void TProcessWindow::Refresh() {
  refreshQueued_ = false;
  FollowUnits();
  BuildProcessTable(settings_, flow_, table_);
  const int rows = static_cast<int>(table_.Rows.size());
  const QSignalBlocker blocker(Grid);
  const bool grown = rows > Grid->rowCount();
  Grid->setRowCount(rows);
  shownIsStep_.resize(table_.Rows.size());
  for (int row = 0; row < rows; ++row) FillRow(row);
  // Fitting the columns measures every cell, far too slow for each step of a drag: the
  // columns are fitted when rows come, and keep their width while the numbers change.
  if (grown) Grid->resizeColumnsToContents();
  UpdateButtons();
}

void TProcessWindow::FillRow(int row) {
  const ProcessRow& source = table_.Rows[static_cast<std::size_t>(row)];
  ProcessRowCells(source, text_, rowCells_);
  const bool step = source.IsStep;
  // Flags and background change only with the kind of row, which is rare while dragging.
  const bool kindChanged = Grid->item(row, 0) == nullptr || shownIsStep_[std::size_t(row)] != step;
  shownIsStep_[std::size_t(row)] = step;
  for (int column = 0; column < kProcessColumnCount; ++column) {
    QTableWidgetItem* item = Grid->item(row, column);
    if (item == nullptr) {
      item = new QTableWidgetItem;
      item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                         : Qt::AlignRight | Qt::AlignVCenter);
      Grid->setItem(row, column, item);
    }
    if (kindChanged) {
      Qt::ItemFlags flags =
          Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
      if (!step && IsEditableColumn(column)) flags |= Qt::ItemIsEditable;
      item->setFlags(flags);
      item->setBackground(step ? QBrush(kStepBackground) : QBrush());
    }
    const QString text = QString::fromStdString(rowCells_[std::size_t(column)]);
    if (item->text() != text) item->setText(text);
  }
}

TProcessWindow::~TProcessWindow() { session_.Forget(observer_); }

void TProcessWindow::QueueRefresh() {
  if (refreshQueued_) return;
  refreshQueued_ = true;
  QMetaObject::invokeMethod(this, &TProcessWindow::Refresh, Qt::QueuedConnection);
}

TextCells TProcessWindow::Cells() const { return ProcessTableCells(table_, text_); }

}  // namespace hygrovia
