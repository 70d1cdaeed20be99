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
#include "app/widgets/centre_over.h"
#include "base/number_text.h"
#include "model/chart_settings.h"
#include "process/process_cells.h"

namespace hygrovia {
namespace {

constexpr QSize kDesignSize(960, 420);
// Step rows stand out from the point rows around them.
constexpr QColor kStepBackground(236, 240, 246);

// The cells a point's row takes typing into: its name (a node's only), its dry bulb, and
// beside the dry bulb whatever was measured of its moisture.
bool IsEditableColumn(ProcessColumn c, const ProcessRow& row) {
  if (c == ProcessColumn::StateName) return row.Node >= 0;
  return c == ProcessColumn::DryBulb || c == ProcessColumn::RelHumidity ||
         c == ProcessColumn::Moisture || c == ProcessColumn::WetBulb ||
         c == ProcessColumn::DewPoint || c == ProcessColumn::Enthalpy;
}

constexpr const char* kReferenceNames[] = {"volume at first point", "standard air", "mass flow"};

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
      QStringLiteral("Airflow of the chain of points, one dry-air mass flow through every step "
                     "up to a mixed point. Accepts an expression."));
  FlowEdit->setMaximumWidth(120);
  barLayout->addWidget(FlowEdit);
  FlowUnitCombo = new QComboBox(bar);
  FlowUnitCombo->setObjectName(QStringLiteral("FlowUnitCombo"));
  barLayout->addWidget(FlowUnitCombo);
  barLayout->addStretch();
  CreateButtons(bar);

  // The reference has a line of its own under the airflow, so the window still fits a small
  // screen.
  auto* referenceBar = new QWidget(this);
  auto* referenceLayout = new QHBoxLayout(referenceBar);
  referenceLayout->setContentsMargins(0, 0, 0, 0);
  referenceLayout->addWidget(new QLabel(QStringLiteral("Taken as:"), referenceBar));
  ReferenceCombo = new QComboBox(referenceBar);
  ReferenceCombo->setObjectName(QStringLiteral("ReferenceCombo"));
  for (const char* name : kReferenceNames) ReferenceCombo->addItem(QString::fromLatin1(name));
  ReferenceCombo->setToolTip(
      QStringLiteral("Where the one dry-air mass flow of the whole chain of points comes from."));
  referenceLayout->addWidget(ReferenceCombo);
  FlowLabel = new QLabel(referenceBar);
  FlowLabel->setObjectName(QStringLiteral("FlowLabel"));
  referenceLayout->addWidget(FlowLabel);
  referenceLayout->addStretch();

  Grid = new ProcessGrid(this);
  Grid->setObjectName(QStringLiteral("ProcessGrid"));
  ShowUnits();
  MessageLabel = new QLabel(this);
  MessageLabel->setObjectName(QStringLiteral("MessageLabel"));
  MessageLabel->setTextFormat(Qt::PlainText);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar);
  layout->addWidget(referenceBar);
  layout->addWidget(Grid);
  layout->addWidget(MessageLabel);

  connect(FlowEdit, &QLineEdit::editingFinished, this, &TProcessWindow::FlowEditDone);
  connect(FlowUnitCombo, &QComboBox::currentIndexChanged, this, &TProcessWindow::FlowUnitChange);
  connect(ReferenceCombo, &QComboBox::currentIndexChanged, this, &TProcessWindow::ReferenceChange);
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
  const bool placing = !placed_ && parentWidget() != nullptr;
  if (placing) {
    move(parentWidget()->frameGeometry().topRight() + QPoint(8, 0));
    placed_ = true;
  }
  show();
  // Beside the main window where there is room; a window near the screen's edge would put it
  // off the screen, so once shown at its own size it is kept within it.
  if (placing) KeepOnScreen(*this, parentWidget());
  raise();
  activateWindow();
}

void TProcessWindow::ShowUnits() {
  QStringList titles;
  for (const std::string& title : ProcessTitles(text_)) titles << QString::fromStdString(title);
  if (Grid->columnCount() != titles.size()) {
    Grid->setColumnCount(static_cast<int>(titles.size()));
    // The cells are made again for the other columns.
    Grid->setRowCount(0);
  }
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
  BuildProcessTable(settings_, flow_, reference_, table_);
  FlowLabel->setText(QStringLiteral("Dry-air mass flow from the ") +
                     QString::fromStdString(ReferenceText(table_.Reference, text_.System())));
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
  const std::span<const ProcessColumn> columns = ProcessColumns(text_);
  for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
    QTableWidgetItem* item = Grid->item(row, column);
    if (item == nullptr) {
      item = new QTableWidgetItem;
      item->setTextAlignment(column < 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                        : Qt::AlignRight | Qt::AlignVCenter);
      Grid->setItem(row, column, item);
    }
    // A node's row and the cursor's may trade places, so the flags follow the row each time.
    if (kindChanged || column == static_cast<int>(ProcessColumn::StateName)) {
      Qt::ItemFlags flags =
          Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
      if (!step && IsEditableColumn(columns[std::size_t(column)], source)) {
        flags |= Qt::ItemIsEditable;
      }
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

ProcessColumn TProcessWindow::ColumnAt(int column) const {
  const std::span<const ProcessColumn> columns = ProcessColumns(text_);
  if (column < 0 || column >= static_cast<int>(columns.size())) return ProcessColumn::Name;
  return columns[std::size_t(column)];
}

TextCells TProcessWindow::Cells() const { return ProcessTableCells(table_, text_); }

}  // namespace hygrovia
