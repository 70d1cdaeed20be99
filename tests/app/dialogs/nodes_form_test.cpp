#include "app/dialogs/nodes_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/node_list.h"
#include "support/dialog_on_chart.h"

namespace hygrovia {
namespace {

// The node editor over the test chart; the surface counts the full redraws the editor asks
// for.
struct NodeDialog : testing::DialogOnChart<TNodesForm> {
  NodeList& nodes = settings.Nodes;

  // Nodes at 10, 20, 30 ... °C with 2, 4, 6 ... g/kg.
  void AddNodes(int count, int selected) {
    for (int i = 1; i <= count; ++i) {
      const auto n = static_cast<float>(i);
      nodes.AppendPoint(10.0f * n, 2.0f * n);
    }
    nodes.Selected = selected;
  }

  // Shown with the selected node, as the main window opens it.
  void Open() {
    form.ShowNode(-1);
    Show();
  }

  QString Caption() { return Child<QGroupBox>("MainGroupBox")->title(); }
  void TypeNode(const QString& x, const QString& rh) {
    Type("NodeXEdit", x);
    Type("NodeYEdit", rh);
  }

  // The moisture content of a relative humidity at the chart's pressure.
  float Humidity(float x, float rh) const {
    return static_cast<float>(cursor.HumidityFromRelHumidity(x, rh));
  }
};

TEST(NodesFormTest, ComponentsCarryTheirCaptionsAndHints) {
  NodeDialog dialog;
  dialog.Open();
  EXPECT_EQ(dialog.form.windowTitle(), QStringLiteral("Hygrovia: Edit Node"));
  EXPECT_EQ(dialog.Field("NodeXEdit")->toolTip(), QStringLiteral("X position of current cursor"));
  EXPECT_EQ(dialog.Field("NodeYEdit")->toolTip(), QStringLiteral("Y position of current cursor"));
  const auto* axis = dialog.Child<QLabel>("AxisLabel");
  EXPECT_EQ(axis->text(), QStringLiteral("&Relative Humidity (%):"));
  EXPECT_EQ(axis->buddy(), dialog.Field("NodeYEdit"));
  const auto* label7 = dialog.Child<QLabel>("Label7");
  EXPECT_EQ(label7->text(), QString::fromUtf8("&Dry Bulb Temperature (°C):"));
  EXPECT_EQ(label7->buddy(), dialog.Field("NodeXEdit"));
  EXPECT_EQ(dialog.Button("OKButton")->text(), QStringLiteral("&Done"));
  EXPECT_TRUE(dialog.Button("OKButton")->isDefault());
  EXPECT_EQ(dialog.Button("InsertButton")->text(), QStringLiteral("&Insert"));
  EXPECT_EQ(dialog.Button("NextButton")->text(), QStringLiteral("&Next >>"));
  EXPECT_EQ(dialog.Button("PrevButton")->text(), QStringLiteral("<< &Prev"));
  // In a row below the group box: Prev, Next, Insert, Done.
  EXPECT_LT(dialog.Button("PrevButton")->x(), dialog.Button("NextButton")->x());
  EXPECT_LT(dialog.Button("NextButton")->x(), dialog.Button("InsertButton")->x());
  EXPECT_LT(dialog.Button("InsertButton")->x(), dialog.Button("OKButton")->x());
}

TEST(NodesFormTest, OpeningShowsTheSelectedNodeWithItsStepButtons) {
  struct Case {
    int count;
    int selected;
    const char* caption;
    int shown;  // the node shown and selected afterwards
    bool next;
    bool prev;
  };
  const std::vector<Case> cases = {
      {3, 1, " Data Point 2 of 3 ", 1, true, true},
      {3, 2, " Data Point 3 of 3 ", 2, false, true},
      {3, 0, " Data Point 1 of 3 ", 0, true, false},
      {3, -1, " Data Point 1 of 3 ", 0, true, false},
      {1, 0, " Data Point 1 of 1 ", 0, false, false},
      {0, -1, " Data Point 1 of 0 ", 0, false, false},
      // A selection left beyond a shortened list shows the last node, never "5 of 3".
      {3, 4, " Data Point 3 of 3 ", 2, false, true},
      {3, 3, " Data Point 3 of 3 ", 2, false, true},
      {0, 2, " Data Point 1 of 0 ", 0, false, false},
  };
  for (const Case& c : cases) {
    NodeDialog dialog;
    dialog.AddNodes(c.count, c.selected);
    dialog.Open();
    const std::string what =
        std::to_string(c.count) + " nodes, selected " + std::to_string(c.selected);
    EXPECT_EQ(dialog.Caption(), QString::fromLatin1(c.caption)) << what;
    EXPECT_EQ(dialog.nodes.Selected, c.shown) << what;
    EXPECT_EQ(dialog.Button("NextButton")->isEnabled(), c.next) << what;
    EXPECT_EQ(dialog.Button("PrevButton")->isEnabled(), c.prev) << what;
    const ChartPoint node = dialog.nodes.GetNode(c.shown);
    EXPECT_EQ(dialog.Text("NodeXEdit"),
              c.count > 0 ? QString::number(node.X, 'f', 2) : QStringLiteral("0.00"))
        << what;
    if (c.count == 0) {
      EXPECT_EQ(dialog.Text("NodeYEdit"), QStringLiteral("0.00")) << what;
    }
  }
}

TEST(NodesFormTest, FieldsShowRelativeHumidityWhateverTheVerticalUnit) {
  for (int units = 0; units < 3; ++units) {
    NodeDialog dialog;
    dialog.settings.SetVerticalAxisUnits(units);
    dialog.nodes.AppendPoint(20.0f, dialog.Humidity(20.0f, 50.0f));
    dialog.Open();
    EXPECT_EQ(dialog.Text("NodeXEdit"), QStringLiteral("20.00")) << units;
    EXPECT_EQ(dialog.Text("NodeYEdit"), QStringLiteral("50.00")) << units;
  }
}

TEST(NodesFormTest, EnterInAFieldAppliesAndKeepsTheDialogOpen) {
  NodeDialog dialog;
  dialog.AddNodes(2, 0);
  dialog.Open();
  dialog.TypeNode(QStringLiteral("25"), QStringLiteral("150"));
  QTest::keyClick(dialog.Field("NodeYEdit"), Qt::Key_Return);

  // Above saturation the stored moisture is the saturation moisture, shown as 100 %.
  EXPECT_EQ(dialog.Text("NodeYEdit"), QStringLiteral("100.00"));
  EXPECT_EQ(dialog.Text("NodeXEdit"), QStringLiteral("25.00"));
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(0).X, 25.0f);
  EXPECT_NEAR(dialog.nodes.GetNode(0).Y, dialog.cursor.SaturationHumidity(25.0), 1e-4);
  EXPECT_TRUE(dialog.form.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), dialog.Field("NodeYEdit"));
  EXPECT_EQ(dialog.redraws, 1);

  dialog.Type("NodeXEdit", QStringLiteral("9*3"));
  QTest::keyClick(dialog.Field("NodeXEdit"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(0).X, 27.0f);
  EXPECT_TRUE(dialog.form.isVisible());
  EXPECT_EQ(dialog.redraws, 2);
}

TEST(NodesFormTest, DoneAppliesAndCloses) {
  NodeDialog dialog;
  dialog.AddNodes(2, 1);
  dialog.Open();
  dialog.TypeNode(QStringLiteral("30"), QStringLiteral("40"));
  dialog.Click("OKButton");
  EXPECT_FALSE(dialog.form.isVisible());
  EXPECT_EQ(dialog.form.result(), QDialog::Accepted);
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).X, 30.0f);
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).Y, dialog.Humidity(30.0f, 40.0f));
  EXPECT_EQ(dialog.redraws, 1);
}

TEST(NodesFormTest, TheCloseBoxLeavesTheNodeWhereItWas) {
  NodeDialog dialog;
  dialog.AddNodes(2, 1);
  dialog.Open();
  dialog.TypeNode(QStringLiteral("30"), QStringLiteral("40"));
  dialog.form.close();
  EXPECT_FALSE(dialog.form.isVisible());
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).X, 20.0f);
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).Y, 4.0f);
  EXPECT_EQ(dialog.redraws, 0);
}

TEST(NodesFormTest, EscapeNeitherClosesNorApplies) {
  // Without a cancel button the dialog ends only by Done or by the close box.
  NodeDialog dialog;
  dialog.AddNodes(2, 1);
  dialog.Open();
  dialog.TypeNode(QStringLiteral("30"), QStringLiteral("40"));
  for (const char* field : {"NodeXEdit", "NodeYEdit"}) {
    QTest::keyClick(dialog.Field(field), Qt::Key_Escape);
    EXPECT_TRUE(dialog.form.isVisible()) << field;
  }
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).X, 20.0f);
  EXPECT_EQ(dialog.redraws, 0);
}

TEST(NodesFormTest, StepsApplyTheShownNodeBeforeMoving) {
  NodeDialog dialog;
  dialog.AddNodes(3, 1);
  dialog.Open();
  dialog.TypeNode(QStringLiteral("20"), QStringLiteral("50"));
  dialog.Click("NextButton");
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).X, 20.0f);
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).Y, dialog.Humidity(20.0f, 50.0f));
  EXPECT_EQ(dialog.nodes.Selected, 2);
  EXPECT_EQ(dialog.Caption(), QStringLiteral(" Data Point 3 of 3 "));
  EXPECT_EQ(dialog.Text("NodeXEdit"), QStringLiteral("30.00"));
  EXPECT_FALSE(dialog.Button("NextButton")->isEnabled());
  EXPECT_EQ(dialog.redraws, 1);

  dialog.TypeNode(QStringLiteral("35"), QStringLiteral("10"));
  dialog.Click("PrevButton");
  dialog.Click("PrevButton");
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(2).X, 35.0f);
  EXPECT_EQ(dialog.nodes.Selected, 0);
  EXPECT_EQ(dialog.Caption(), QStringLiteral(" Data Point 1 of 3 "));
  EXPECT_FALSE(dialog.Button("PrevButton")->isEnabled());
  EXPECT_TRUE(dialog.Button("NextButton")->isEnabled());
  // The node passed over was applied as shown and did not move.
  EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).X, 20.0f);
  EXPECT_NEAR(dialog.nodes.GetNode(1).Y, dialog.Humidity(20.0f, 50.0f), 1e-3f);
  EXPECT_EQ(dialog.redraws, 3);
}

TEST(NodesFormTest, ChangingTheSelectionRedrawsTheNodeMarksTwiceByXor) {
  NodeDialog dialog;
  dialog.AddNodes(3, 0);
  dialog.Open();
  dialog.canvas.ClearRecord();
  const int repaints = dialog.control.Repaints();
  dialog.Click("NextButton");
  // Erasing and drawing again: each of the two links and three squares twice.
  int xorLines = 0;
  for (const auto& line : dialog.canvas.Lines()) xorLines += line.mix_mode == kMixXor ? 1 : 0;
  EXPECT_GT(xorLines, 0);
  EXPECT_EQ(xorLines % 2, 0);
  EXPECT_EQ(dialog.control.Repaints(), repaints + 1);
}

TEST(NodesFormTest, InsertPutsTheFieldsIntoANewNode) {
  NodeDialog copied;
  copied.AddNodes(3, 1);
  copied.Open();
  copied.TypeNode(QStringLiteral("15"), QStringLiteral("30"));
  copied.Click("InsertButton");
  ASSERT_EQ(copied.nodes.Count, 4);
  EXPECT_EQ(copied.nodes.Selected, 2);
  EXPECT_EQ(copied.Caption(), QStringLiteral(" Data Point 3 of 4 "));
  // The node copied keeps its place; the copy takes what was typed.
  EXPECT_FLOAT_EQ(copied.nodes.GetNode(1).X, 20.0f);
  EXPECT_FLOAT_EQ(copied.nodes.GetNode(1).Y, 4.0f);
  EXPECT_FLOAT_EQ(copied.nodes.GetNode(2).X, 15.0f);
  EXPECT_FLOAT_EQ(copied.nodes.GetNode(2).Y, copied.Humidity(15.0f, 30.0f));
  EXPECT_FLOAT_EQ(copied.nodes.GetNode(3).X, 30.0f);
  EXPECT_TRUE(copied.Button("NextButton")->isEnabled());

  NodeDialog empty;
  empty.Open();
  empty.Click("InsertButton");
  ASSERT_EQ(empty.nodes.Count, 1);
  EXPECT_EQ(empty.Caption(), QStringLiteral(" Data Point 1 of 1 "));
  // The untouched fields read 0.00 and 0.00, so the node lands at 0 °C and 0 %.
  EXPECT_FLOAT_EQ(empty.nodes.GetNode(0).X, 0.0f);
  EXPECT_FLOAT_EQ(empty.nodes.GetNode(0).Y, 0.0f);

  NodeDialog full;
  full.AddNodes(NodeList::kCapacity, 5);
  full.Open();
  full.TypeNode(QStringLiteral("1"), QStringLiteral("10"));
  full.Click("InsertButton");
  EXPECT_EQ(full.nodes.Count, NodeList::kCapacity);
  EXPECT_FLOAT_EQ(full.nodes.GetNode(5).X, 1.0f);
  EXPECT_EQ(full.Caption(), QStringLiteral(" Data Point 6 of 24 "));
}

TEST(NodesFormTest, DoneOnAnEmptyListClosesWithoutANode) {
  NodeDialog dialog;
  dialog.Open();
  dialog.TypeNode(QStringLiteral("20"), QStringLiteral("50"));
  dialog.Click("OKButton");
  EXPECT_FALSE(dialog.form.isVisible());
  EXPECT_EQ(dialog.nodes.Count, 0);
  EXPECT_EQ(dialog.Text("NodeXEdit"), QStringLiteral("0.00"));
}

// Regression: "abc" dropped the node to 0 % relative humidity and 1/0 put it at a million
// degrees. Every way of applying now stops at the field and applies nothing.
TEST(NodesFormTest, AFieldWithoutAValueStopsEveryButton) {
  enum class Way { Done, Enter, Next, Prev, Insert };
  struct Case {
    Way way;
    const char* field;
    QString text;
  };
  const std::vector<Case> cases = {
      {Way::Done, "NodeYEdit", QStringLiteral("abc")},
      {Way::Enter, "NodeXEdit", QStringLiteral("1/0")},
      {Way::Next, "NodeXEdit", QString()},
      {Way::Prev, "NodeYEdit", QStringLiteral("ACOS(2)")},
      {Way::Insert, "NodeYEdit", QStringLiteral("2*")},
  };
  const char* buttons[] = {"OKButton", "", "NextButton", "PrevButton", "InsertButton"};
  for (const Case& c : cases) {
    const auto way = static_cast<int>(c.way);
    NodeDialog dialog;
    dialog.AddNodes(3, 1);
    dialog.Open();
    dialog.TypeNode(QStringLiteral("30"), QStringLiteral("40"));
    dialog.Type(c.field, c.text);
    if (c.way == Way::Enter) {
      QTest::keyClick(dialog.Field(c.field), Qt::Key_Return);
    } else {
      dialog.Click(buttons[way]);
    }
    EXPECT_TRUE(dialog.form.isVisible()) << way;
    EXPECT_EQ(dialog.nodes.Count, 3) << way;
    EXPECT_EQ(dialog.nodes.Selected, 1) << way;
    EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).X, 20.0f) << way;
    EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).Y, 4.0f) << way;
    EXPECT_EQ(dialog.redraws, 0) << way;
    EXPECT_EQ(QApplication::focusWidget(), dialog.Field(c.field)) << way;
    EXPECT_FALSE(dialog.Child<QLabel>("FieldNote")->text().isEmpty()) << way;
    // The close box still leaves.
    dialog.form.close();
    EXPECT_FALSE(dialog.form.isVisible()) << way;
    EXPECT_FLOAT_EQ(dialog.nodes.GetNode(1).X, 20.0f) << way;
  }
}

TEST(NodesFormTest, AnyTextLeavesTheNodeFinite) {
  const std::vector<QString> texts = testing::BadFieldTexts();
  for (const QString& x : texts) {
    for (const QString& rh : texts) {
      NodeDialog dialog;
      dialog.AddNodes(2, 0);
      dialog.form.ShowNode(-1);
      dialog.form.show();
      dialog.Field("NodeXEdit")->setText(x);
      dialog.Field("NodeYEdit")->setText(rh);
      dialog.Click("NextButton");
      const std::string what = x.left(20).toStdString() + ", " + rh.left(20).toStdString();
      const ChartPoint node = dialog.nodes.GetNode(0);
      EXPECT_TRUE(std::isfinite(node.X) && std::isfinite(node.Y)) << what;
      // Up to the rounding of the stored float.
      EXPECT_LE(node.Y, dialog.cursor.SaturationHumidity(node.X) * (1.0 + 1e-6)) << what;
      // None of these texts has a value, so Next stays on the node and applies nothing.
      EXPECT_EQ(dialog.nodes.Selected, 0) << what;
      EXPECT_FLOAT_EQ(node.X, 10.0f) << what;
    }
  }
}

}  // namespace
}  // namespace hygrovia
