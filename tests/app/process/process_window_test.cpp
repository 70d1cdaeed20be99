#include "app/process/process_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <utility>

#include <gtest/gtest.h>

#include "app/main/main_form_fixture.h"
#include "app/process/mix_dialog.h"
#include "data/table_text.h"
#include "model/status_line.h"
#include "process/process_cells.h"
#include "support/dialog_on_chart.h"
#include "surface/drawing_surface.h"
#include "units/quantity_text.h"

namespace hygrovia {
namespace {

constexpr int kDryBulb = static_cast<int>(ProcessColumn::DryBulb);
constexpr int kRelHumidity = static_cast<int>(ProcessColumn::RelHumidity);
constexpr int kMoisture = static_cast<int>(ProcessColumn::Moisture);
constexpr int kMassFlow = static_cast<int>(ProcessColumn::MassFlow);
constexpr int kWetBulb = static_cast<int>(ProcessColumn::WetBulb);
constexpr int kDewPoint = static_cast<int>(ProcessColumn::DewPoint);

// The process window over the test chart with three nodes, 20, 25 and 30 °C at 8 g/kg.
struct ProcessWindowTest : ::testing::Test, testing::DialogOnChart<TProcessWindow> {
  void SetUp() override {
    for (const float t : {20.0f, 25.0f, 30.0f}) settings.Nodes.AppendPoint(t, 8.0f);
    settings.Nodes.Selected = -1;
    form.Refresh();
    Show();
  }
  QTableWidget& Grid() { return *Child<QTableWidget>("ProcessGrid"); }
  QString Cell(int row, int column) { return Grid().item(row, column)->text(); }
  QString Message() { return Child<QLabel>("MessageLabel")->text(); }
  void SelectRows(std::initializer_list<int> rows) {
    Grid().clearSelection();
    for (const int row : rows) {
      Grid().selectionModel()->select(Grid().model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    Grid().setCurrentCell(*rows.begin(), 0, QItemSelectionModel::NoUpdate);
  }
  // What the grid receives when data is dragged over it and dropped at pixel at.
  void Drop(QPoint at, const QMimeData& data) {
    QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid().viewport(), &enter);
    QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Grid().viewport(), &drop);
  }
  std::vector<float> NodeTemperatures() const {
    std::vector<float> t;
    for (std::int32_t i = 0; settings.Nodes.IsValidIndex(i); ++i) {
      t.push_back(settings.Nodes.GetNode(i).X);
    }
    return t;
  }
};

TEST_F(ProcessWindowTest, CellEditsApplyOrShowTheirMistake) {
  struct Case {
    int row, column;
    const char* text;
    bool applied;
    ChartPoint node;      // node 1 after the edit
    const char* cell;     // the cell's text afterwards
    const char* message;  // what the message line says, empty when applied
  };
  const float half = static_cast<float>(cursor.HumidityFromRelHumidity(20.0, 50.0));
  const float saturated = static_cast<float>(cursor.SaturationHumidity(20.0));
  const Case cases[] = {
      {0, kDryBulb, "2*10", true, {20.0f, 8.0f}, "20.00", ""},
      {0, kMoisture, "7.5", true, {20.0f, 7.5f}, "7.50", ""},
      {0, kRelHumidity, "100/2", true, {20.0f, half}, "50.00", ""},
      {0, kDryBulb, "2+", false, {20.0f, half}, "20.00", "1, dry bulb: \"2+\": Unresolved token."},
      {0,
       kMoisture,
       "1/0",
       false,
       {20.0f, half},
       "7.34",
       "1, moisture content: \"1/0\": Not a finite number."},
      {0, kDryBulb, "", false, {20.0f, half}, "20.00", "1, dry bulb: \"\": Unresolved token."},
      // A dew point above the dry bulb is no air: marked, and the point keeps its state.
      {0,
       kDewPoint,
       "21",
       false,
       {20.0f, half},
       "9.46",
       "1, dew point: \"21\": a dew point above the dry bulb is impossible"},
      // A wet bulb equal to the dry bulb is saturated air.
      {0, kWetBulb, "20", true, {20.0f, saturated}, "20.00", ""},
  };
  QSignalSpy changed(&form, &TProcessWindow::ChartChanged);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const int redrawsBefore = redraws;
    const int changesBefore = static_cast<int>(changed.count());
    Grid().item(c.row, c.column)->setText(QString::fromLatin1(c.text));
    EXPECT_FLOAT_EQ(settings.Nodes.GetNode(0).X, c.node.X);
    EXPECT_NEAR(settings.Nodes.GetNode(0).Y, c.node.Y, 1e-5f);
    EXPECT_EQ(Cell(c.row, c.column).toStdString(), c.cell);
    EXPECT_EQ(Message().toStdString(), c.message);
    EXPECT_EQ(redraws - redrawsBefore, c.applied ? 1 : 0);
    EXPECT_EQ(changed.count() - changesBefore, c.applied ? 1 : 0);
    EXPECT_EQ(Grid().item(c.row, c.column)->toolTip().isEmpty(), c.applied);
  }
  // A point takes its name, its dry bulb and one measure of its moisture; a step nothing.
  const std::span<const ProcessColumn> shown = ProcessColumns(QuantityText::Si());
  for (int column = 0; column < static_cast<int>(shown.size()); ++column) {
    const ProcessColumn c = shown[static_cast<std::size_t>(column)];
    const bool editable = c == ProcessColumn::StateName || c == ProcessColumn::DryBulb ||
                          c == ProcessColumn::RelHumidity || c == ProcessColumn::Moisture ||
                          c == ProcessColumn::WetBulb || c == ProcessColumn::DewPoint ||
                          c == ProcessColumn::Enthalpy;
    EXPECT_EQ(Grid().item(0, column)->flags().testFlag(Qt::ItemIsEditable), editable) << column;
    EXPECT_FALSE(Grid().item(1, column)->flags().testFlag(Qt::ItemIsEditable)) << column;
  }
}

TEST_F(ProcessWindowTest, ButtonsAndDropsReorderAndDeleteThePoints) {
  QSignalSpy changed(&form, &TProcessWindow::ChartChanged);
  SelectRows({2});  // node 2
  Click("MoveUpButton");
  EXPECT_EQ(NodeTemperatures(), (std::vector<float>{25.0f, 20.0f, 30.0f}));
  EXPECT_EQ(Grid().currentRow(), 0);  // the selection follows the point
  Click("MoveDownButton");
  Click("MoveDownButton");
  EXPECT_EQ(NodeTemperatures(), (std::vector<float>{20.0f, 30.0f, 25.0f}));
  EXPECT_FALSE(Button("MoveDownButton")->isEnabled());
  // Node 3 picked up and dropped on node 1's row.
  SelectRows({4});
  const QPoint target = Grid().visualItemRect(Grid().item(0, 1)).center();
  std::unique_ptr<QMimeData> data(
      Grid().model()->mimeData(Grid().selectionModel()->selectedIndexes()));
  Drop(target, *data);
  EXPECT_EQ(NodeTemperatures(), (std::vector<float>{25.0f, 20.0f, 30.0f}));
  EXPECT_EQ(Cell(0, 0).toStdString(), "1");
  EXPECT_EQ(Cell(0, kDryBulb).toStdString(), "25.00");
  // Text from elsewhere is no row of the table.
  QMimeData text;
  text.setText(QStringLiteral("3"));
  Drop(target, text);
  EXPECT_EQ(NodeTemperatures(), (std::vector<float>{25.0f, 20.0f, 30.0f}));
  // Deleting two points; the cursor's row cannot be deleted.
  SelectRows({0, 4, 5});
  Click("DeleteButton");
  EXPECT_EQ(NodeTemperatures(), (std::vector<float>{20.0f}));
  EXPECT_EQ(changed.count(), 5);
  SelectRows({1});
  EXPECT_FALSE(Button("DeleteButton")->isEnabled());
}

TEST_F(ProcessWindowTest, MixAddsTheMixedPointAfterTheTwoStreams) {
  std::optional<std::pair<double, double>> answer{{1.0, 3.0}};
  QString asked;
  form.Hooks().askMixFlows = [&](const QString& a, const QString& b, const QString& unit) {
    asked = a + QLatin1Char('+') + b + QLatin1Char(' ') + unit;
    return answer;
  };
  Child<QComboBox>("FlowUnitCombo")->setCurrentIndex(3);  // kg/s
  SelectRows({0, 4});
  Click("MixButton");
  EXPECT_EQ(asked, QStringLiteral("1+3 kg/s"));
  // One part at 20 °C and three at 30 °C, both at 8 g/kg: 27.5 °C, after node 3.
  ASSERT_EQ(settings.Nodes.Count, 4);
  EXPECT_NEAR(settings.Nodes.GetNode(3).X, 27.5f, 1e-4f);
  EXPECT_NEAR(settings.Nodes.GetNode(3).Y, 8.0f, 1e-4f);
  EXPECT_EQ(Cell(6, 0).toStdString(), "4");
  // From the mixed point on, the chain carries both streams: 1 + 3 kg/s.
  settings.Nodes.AppendPoint(27.5f, 8.0f);
  form.Refresh();
  EXPECT_EQ(Cell(7, kMassFlow).toStdString(), "4.000");
  // Cancelled, nothing is added; with a full list the mistake is shown.
  answer.reset();
  SelectRows({0, 2});
  Click("MixButton");
  EXPECT_EQ(settings.Nodes.Count, 5);
  answer = {{1.0, 1.0}};
  while (settings.Nodes.Count < NodeList::kCapacity) settings.Nodes.AppendPoint(10.0f, 5.0f);
  form.Refresh();
  SelectRows({0, 2});
  Click("MixButton");
  EXPECT_EQ(settings.Nodes.Count, NodeList::kCapacity);
  EXPECT_EQ(Message(), QStringLiteral("Mix: the chart holds no more than 24 data points."));
}

TEST_F(ProcessWindowTest, FlowFieldRefusesMistakesAndDrivesTheLoads) {
  struct Case {
    const char* text;
    const char* massFlow;  // of the first step, at node 1's volume
    const char* message;
  };
  const Case cases[] = {
      {"2*1.5", "3.567", ""},  // 3 / ((20 + 0.4854368 × 8 + 270.5) / 350)
      {"abc", "3.567", "Airflow: Unresolved token."},
      {"-1", "3.567", "Airflow: An airflow cannot be negative."},
      {"0", "0.000", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Type("FlowEdit", QString::fromLatin1(c.text));
    QTest::keyClick(Field("FlowEdit"), Qt::Key_Return);
    EXPECT_EQ(Cell(1, kMassFlow).toStdString(), c.massFlow);
    EXPECT_EQ(Message().toStdString(), c.message);
  }
}

TEST_F(ProcessWindowTest, CopyAndExportTheTableAsShown) {
  Click("CopyButton");
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->text().toStdString(), TabText(form.Cells()));
  EXPECT_EQ(copied->html().toStdString(), HtmlText(form.Cells()));
  EXPECT_EQ(form.Cells().size(), 7u);

  QTemporaryDir folder;
  QStringList errors;
  form.Hooks().showError = [&](const QString& text) { errors << text; };
  form.Hooks().chooseCsvFile = [&](const QString&) { return folder.filePath("process"); };
  Click("ExportButton");
  QFile file(folder.filePath("process.csv"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), CsvText(form.Cells()));
  form.Hooks().chooseCsvFile = [&](const QString&) { return folder.filePath("no/such.csv"); };
  Click("ExportButton");
  EXPECT_EQ(errors.size(), 1);
  // Regression: a CSV named as the open weather file replaced it.
  const QString weather = folder.filePath("wx.csv");
  QFile year(weather);
  ASSERT_TRUE(year.open(QIODevice::WriteOnly));
  year.write("LOCATION,Somewhere\n");
  year.close();
  ASSERT_TRUE(QFile::link(weather, folder.filePath("alias.csv")));
  form.Hooks().readFile = [&] { return std::filesystem::path(weather.toStdString()); };
  for (const char* name : {"wx", "alias.csv"}) {
    form.Hooks().chooseCsvFile = [&](const QString&) { return folder.filePath(name); };
    Click("ExportButton");
    ASSERT_TRUE(year.open(QIODevice::ReadOnly));
    EXPECT_EQ(year.readAll(), QByteArray("LOCATION,Somewhere\n")) << name;
    year.close();
  }
  EXPECT_EQ(errors.size(), 3);
  EXPECT_TRUE(errors.back().contains("it is the same file as")) << errors.back().toStdString();
}

TEST(MixDialogTest, BothFlowsMustBeAirflowsOfZeroOrMore) {
  struct Case {
    const char* first;
    const char* second;
    bool accepted;
    const char* message;
  };
  const Case cases[] = {
      {"2*0.5", "3", true, ""},
      {"0", "1", true, ""},
      {"1", "2+", false, "Unresolved token."},
      {"-1", "1", false, "An airflow cannot be negative."},
      {"1/0", "1", false, "Not a finite number."},
      {"0", "0", false, "At least one stream must carry air."},
  };
  ExpressionEvaluator evaluator;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    TMixDialog dialog(evaluator, nullptr);
    dialog.FirstFlowEdit().setText(QString::fromLatin1(c.first));
    dialog.SecondFlowEdit().setText(QString::fromLatin1(c.second));
    EXPECT_EQ(dialog.TryAccept(), c.accepted);
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
    EXPECT_EQ(dialog.MessageLabel().text().toStdString(), c.message);
  }
}

// The main window and the process table on one chart, as the program starts them.
class ProcessWindowFollowTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    process_ = std::make_unique<TProcessWindow>(session_, evaluator_);
    process_->ShowTable();
  }
  QString Cell(int row, int column) const {
    return process_->findChild<QTableWidget*>(QStringLiteral("ProcessGrid"))
        ->item(row, column)
        ->text();
  }

  ExpressionEvaluator evaluator_;
  std::unique_ptr<TProcessWindow> process_;
};

TEST_F(ProcessWindowFollowTest, TableFollowsANodeDraggedOnTheChart) {
  chart_.Nodes.AppendPoint(20.0f, 5.0f);
  form_->Redraw();
  QCoreApplication::processEvents();
  EXPECT_EQ(Cell(0, kDryBulb), QStringLiteral("20.00"));
  Press(Qt::LeftButton, PixelOf({20.0f, 5.0f}));
  // Each move is followed at once, before the button is released.
  for (const float t : {24.0f, 30.0f}) {
    Move(PixelOf({t, 5.0f}), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(Cell(0, kDryBulb).toStdString(),
              QString::number(chart_.Nodes.GetNode(0).X, 'f', 2).toStdString());
    EXPECT_NEAR(chart_.Nodes.GetNode(0).X, t, 0.2f);
  }
  Release(Qt::LeftButton, PixelOf({30.0f, 5.0f}));
}

}  // namespace
}  // namespace hygrovia

namespace hygrovia {
namespace {

// Beside a main window at the screen's right edge the table would open off the screen; it
// opens wholly on it.
TEST_F(MainFormTest, ProcessWindowOpensOnTheScreen) {
  const QRect screen = form_->screen()->availableGeometry();
  form_->move(screen.right() - form_->frameGeometry().width() + 1, screen.top());
  ExpressionEvaluator evaluator;
  TProcessWindow process(session_, evaluator, form_.get());
  process.ShowTable();
  EXPECT_TRUE(screen.contains(QRect(process.pos(), process.frameGeometry().size())));
}

}  // namespace
}  // namespace hygrovia
