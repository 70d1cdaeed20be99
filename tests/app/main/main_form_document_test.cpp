// The main window's chart file: the title, the change mark and the question before changes
// are set aside.
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <string>

#include <gtest/gtest.h>

#include "app/main/main_form_fixture.h"
#include "data/chart_file.h"

namespace hygrovia {
namespace {

class MainFormDocumentTest : public MainFormTest {
 protected:
  // A chart file at name with the cursor at x °C, written without the window.
  QString WriteChart(const char* name, float x) {
    const ChartPoint cursor = chart_.Cursor;
    chart_.Cursor = {x, 5.0f};
    const QString path = folder_.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(SaveChartFile(QFile::encodeName(path).toStdString(), chart_).Ok());
    chart_.Cursor = cursor;
    return path;
  }
  void OpenByDialog(const QString& path) {
    form_->Hooks().chooseOpenFile = [path](const QString&) { return path; };
    Find<QToolButton>("OpenButton")->click();
  }

  QTemporaryDir folder_;
};

TEST_F(MainFormDocumentTest, TheTitleNamesTheFileAndMarksChanges) {
  EXPECT_TRUE(form_->windowTitle().contains(QStringLiteral("Untitled[*]")));
  EXPECT_FALSE(form_->isWindowModified());
  // What the file holds marks the chart changed; what it does not hold (the mode) does not.
  Item("RelativeCursor1")->trigger();
  EXPECT_FALSE(form_->isWindowModified());
  Key(Qt::Key_Left);
  EXPECT_TRUE(form_->isWindowModified());

  const QString saved = folder_.filePath(QStringLiteral("office.hgv"));
  form_->Hooks().chooseSaveFile = [&](const QString&) { return saved; };
  Find<QToolButton>("SaveButton")->click();
  EXPECT_TRUE(form_->windowTitle().contains(QStringLiteral("office.hgv[*]")));
  EXPECT_FALSE(form_->isWindowModified());
  // A drag of the cursor is a change too, once the button is released.
  const QPoint from = PixelOf(chart_.Cursor);
  Press(Qt::LeftButton, from);
  Move(from + QPoint(20, 0), Qt::LeftButton);
  Release(Qt::LeftButton, from + QPoint(20, 0));
  EXPECT_TRUE(form_->isWindowModified());

  OpenByDialog(WriteChart("other.hgv", 12.0f));
  EXPECT_TRUE(form_->windowTitle().contains(QStringLiteral("other.hgv[*]")));
  EXPECT_FALSE(form_->isWindowModified());
}

TEST_F(MainFormDocumentTest, ClosingAndOpeningAskBeforeChangesAreLost) {
  struct Case {
    bool close;  // else Open
    QMessageBox::StandardButton answer;
    bool goesOn;  // the window closes or the file opens
    bool saved;
  };
  const Case cases[] = {
      {true, QMessageBox::Save, true, true},      {true, QMessageBox::Discard, true, false},
      {true, QMessageBox::Cancel, false, false},  {false, QMessageBox::Save, true, true},
      {false, QMessageBox::Discard, true, false}, {false, QMessageBox::Cancel, false, false},
  };
  const QString other = WriteChart("other.hgv", 12.0f);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.close ? "close, " : "open, ") << c.answer);
    Open();
    const QString target = folder_.filePath(QStringLiteral("kept.hgv"));
    QFile::remove(target);
    form_->Hooks().chooseSaveFile = [&](const QString&) { return target; };
    Key(Qt::Key_Up);
    const ChartPoint moved = chart_.Cursor;
    questions_.clear();
    answer_ = c.answer;
    if (c.close) {
      EXPECT_EQ(form_->close(), c.goesOn);
    } else {
      OpenByDialog(other);
      EXPECT_EQ(chart_.Cursor.X == 12.0f, c.goesOn);
    }
    EXPECT_EQ(questions_, QStringList{QStringLiteral("Save changes to Untitled?")});
    EXPECT_EQ(QFile::exists(target), c.saved);
    if (!c.goesOn) {
      EXPECT_EQ(chart_.Cursor.Y, moved.Y);
      EXPECT_TRUE(form_->isWindowModified());
    }
    // Unchanged, nothing is asked.
    answer_ = QMessageBox::Discard;
    OpenByDialog(other);
    questions_.clear();
    EXPECT_TRUE(form_->close());
    EXPECT_TRUE(questions_.isEmpty());
  }
}

// A save refused by the system, or a save dialog cancelled, keeps the window open.
TEST_F(MainFormDocumentTest, AFailedSaveKeepsTheChangesAndTheWindow) {
  for (const QString& name : {folder_.filePath(QStringLiteral("no/such/folder.hgv")), QString()}) {
    Key(Qt::Key_Up);
    form_->Hooks().chooseSaveFile = [&](const QString&) { return name; };
    answer_ = QMessageBox::Save;
    EXPECT_FALSE(form_->close()) << name.toStdString();
    EXPECT_TRUE(form_->isWindowModified());
  }
  EXPECT_EQ(errors_.size(), 1);
}

TEST_F(MainFormDocumentTest, AFailedLoadLeavesTitleAndChartAsTheyWere) {
  OpenByDialog(WriteChart("first.hgv", 12.0f));
  Key(Qt::Key_Up);
  const QString title = form_->windowTitle();
  const std::string text = ChartFileText(chart_);
  answer_ = QMessageBox::Discard;
  const QString missing = folder_.filePath(QStringLiteral("missing.hgv"));
  OpenByDialog(missing);
  ::testing::internal::CaptureStderr();
  form_->ProcessCommandLine({missing.toStdString()});
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(form_->windowTitle(), title);
  EXPECT_EQ(ChartFileText(chart_), text);
  EXPECT_TRUE(form_->isWindowModified());

  // A file named on the command line becomes the one shown; options after it are changes.
  form_->ProcessCommandLine({WriteChart("second.hgv", 14.0f).toStdString(), "-cursor", "30", "50"});
  EXPECT_TRUE(form_->windowTitle().contains(QStringLiteral("second.hgv")));
  EXPECT_TRUE(form_->isWindowModified());
  // Options alone make a new chart that has nothing to save yet.
  Open();
  form_->ProcessCommandLine({"-graph", "30", "40", "0", "20"});
  EXPECT_FALSE(form_->isWindowModified());
}

}  // namespace
}  // namespace hygrovia
