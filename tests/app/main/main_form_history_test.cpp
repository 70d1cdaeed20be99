// The main window's undo stack, Ctrl+S, and a chart file with more points than the chart keeps.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/main/main_form_fixture.h"
#include "data/chart_file.h"

namespace hygrovia {
namespace {

class MainFormHistoryTest : public MainFormTest {
 protected:
  // Shortcuts reach only the active window.
  void SetUp() override {
    MainFormTest::SetUp();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
  QString Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
  void WriteText(const QString& path, const std::string& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
  }
  void OpenByDialog(const QString& path) {
    form_->Hooks().chooseOpenFile = [path](const QString&) { return path; };
    Find<QToolButton>("OpenButton")->click();
  }
  std::string FileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
  }

  QTemporaryDir folder_;
};

TEST_F(MainFormHistoryTest, EveryKindOfChangeIsUndoneAndRedone) {
  const QString other = Path("other.hgv");
  WriteText(other, "DataPnt: 12 4\r\nTemperatureRange: -10 40\r\nBarometricPressure: 90\r\n");
  struct Case {
    const char* name;  // as the Undo item names it
    std::function<void()> change;
  };
  const std::vector<Case> cases = {
      {"Add Point", [&] { Item("AddNode2")->trigger(); }},
      {"Move Point 2",
       [&] {
         const QPoint from = PixelOf(chart_.Nodes.GetNode(1));
         Press(Qt::LeftButton, from);
         Move(from + QPoint(10, -5), Qt::LeftButton);
         Move(from + QPoint(20, -10), Qt::LeftButton);
         Release(Qt::LeftButton, from + QPoint(20, -10));
       }},
      {"Delete Point", [&] { Item("Delete1")->trigger(); }},
      {"Clear Points", [&] { Item("ClearNodes1")->trigger(); }},
      {"Move Cursor",
       [&] {
         Press(Qt::LeftButton, PixelOf({40.0f, 3.0f}));
         Release(Qt::LeftButton, PixelOf({40.0f, 3.0f}));
       }},
      {"Chart Settings",
       [&] {
         form_->Hooks().editSettings = [&] {
           chart_.SetRanges(5.0f, 0.0f, 45.0f, 30.0f);
           return true;
         };
         Find<QToolButton>("SetupButton")->click();
       }},
      {"Open other.hgv", [&] { OpenByDialog(other); }},
  };
  for (const Case& c : cases) {
    AddNodes(3);
    chart_.Nodes.Selected = 1;
    form_->Redraw();
    form_->History().clear();
    const std::string before = ChartFileText(chart_);
    c.change();
    const std::string after = ChartFileText(chart_);
    EXPECT_NE(after, before) << c.name;
    EXPECT_EQ(form_->History().count(), 1) << c.name;
    EXPECT_EQ(Item("UndoItem")->text(), QStringLiteral("&Undo ") + QString::fromLatin1(c.name));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ChartFileText(chart_), before) << c.name;
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(ChartFileText(chart_), after) << c.name;
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ChartFileText(chart_), after) << c.name;
    chart_.Nodes.Clear();
  }
}

// Undoing back to the chart as saved takes the change mark away; Ctrl+S saves in place.
TEST_F(MainFormHistoryTest, UndoingToTheSavedChartClearsTheMarkAndCtrlSSavesInPlace) {
  const QString saved = Path("office.hgv");
  int dialogs = 0;
  form_->Hooks().chooseSaveFile = [&](const QString&) {
    ++dialogs;
    return saved;
  };
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(dialogs, 1);
  Item("AddNode2")->trigger();
  Key(Qt::Key_Left);
  EXPECT_TRUE(form_->isWindowModified());
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(form_->isWindowModified());
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_TRUE(form_->isWindowModified());
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(dialogs, 1);
  EXPECT_FALSE(form_->isWindowModified());
  EXPECT_EQ(FileText(saved), ChartFileText(chart_));
  Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(dialogs, 2);
}

// Regression: a file of 30 points opened as 24 without a word, and the next save lost six. A
// file that switches the property model says so.
TEST_F(MainFormHistoryTest, AFileWithMorePointsThanTheChartKeepsIsSaidAndGuarded) {
  const QString path = Path("many.hgv");
  std::string text = "Properties: ASHRAE2017\r\n";
  for (int i = 0; i < 30; ++i) text += "DataPnt: " + std::to_string(i) + " 5\r\n";
  WriteText(path, text);
  OpenByDialog(path);
  EXPECT_EQ(errors_,
            QStringList{QStringLiteral("many.hgv holds 30 points; only the first 24 are kept.")});
  EXPECT_EQ(chart_.Nodes.Count, 24);
  EXPECT_EQ(Find<QLabel>("StatusPanel")->text(),
            QStringLiteral("The file switched the properties to ASHRAE 2017."));
  EXPECT_TRUE(form_->isWindowModified());
  QStringList asked;
  bool agree = false;
  form_->Hooks().confirm = [&](const QString& question) {
    asked << question;
    return agree;
  };
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(asked.size(), 1);
  EXPECT_EQ(FileText(path), text);
  agree = true;
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(asked.size(), 2);
  EXPECT_EQ(FileText(path), ChartFileText(chart_));
  EXPECT_FALSE(form_->isWindowModified());
}

}  // namespace
}  // namespace hygrovia
